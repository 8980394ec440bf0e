"""Writing and checking the delivered reference CSV files.

Every file under data/reference/ follows one contract: UTF-8 without a byte
order mark, LF line ends, comma separated, RFC 4180 quoting (a field holding a
comma, a double quote or a line break is quoted, inner quotes doubled), the
column names on the first line, an empty field for null, dates yyyy-mm-dd and
decimals with a '.' point.  The writers here produce exactly that and refuse
to write a table whose key repeats or whose text does not fit its width.
"""

import csv
import io
import os

HERE = os.path.dirname(os.path.abspath(__file__))
REFERENCE_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "data", "reference"))


class TableError(Exception):
    pass


def check_rows(name, header, rows, key, widths=None):
    """Refuses a repeated key, a row of the wrong length or a text wider than its column."""
    widths = widths or {}
    seen = {}
    index = [header.index(k) for k in key]
    for number, row in enumerate(rows, 2):
        if len(row) != len(header):
            raise TableError(f"{name}: line {number} has {len(row)} fields, expected {len(header)}")
        k = tuple(str(row[i]) for i in index)
        if k in seen:
            raise TableError(f"{name}: key {k} repeated on lines {seen[k]} and {number}")
        seen[k] = number
        for column, width in widths.items():
            value = str(row[header.index(column)])
            if len(value) > width:
                raise TableError(f"{name}: line {number}, {column} has {len(value)} characters, "
                                 f"the column holds {width}: {value!r}")
            if "\n" in value or "\r" in value:
                raise TableError(f"{name}: line {number}, {column} holds a line break")


def render(header, rows):
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n", quoting=csv.QUOTE_MINIMAL)
    writer.writerow(header)
    for row in rows:
        writer.writerow(["" if v is None else v for v in row])
    return out.getvalue()


def write_table(name, header, rows, key, widths=None, directory=None, check_only=False):
    """Checks the rows and writes <directory>/<name>.csv; answers the path.

    With check_only the file is not written but must already hold exactly these rows."""
    check_rows(name, header, rows, key, widths)
    text = render(header, rows)
    path = os.path.join(directory or REFERENCE_DIR, name + ".csv")
    if check_only:
        try:
            with open(path, encoding="utf-8", newline="") as f:
                current = f.read()
        except OSError as e:
            raise TableError(f"{path}: {e.strerror}")
        if current != text:
            raise TableError(f"{path}: differs from what the generator writes; run it again")
    else:
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
    return path


def read_table(path):
    """Reads a delivered file back strictly: UTF-8, no BOM, LF only, same field count."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xef\xbb\xbf"):
        raise TableError(f"{path}: starts with a byte order mark")
    text = data.decode("utf-8")
    if b"\r" in data:
        raise TableError(f"{path}: holds a carriage return (line ends must be LF)")
    rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    if not rows:
        raise TableError(f"{path}: empty")
    header = rows[0]
    for number, row in enumerate(rows[1:], 2):
        if len(row) != len(header):
            raise TableError(f"{path}: line {number} has {len(row)} fields, expected {len(header)}")
    if render(header, rows[1:]) != text:
        raise TableError(f"{path}: not written in the canonical form (quoting or line ends)")
    return header, rows[1:]
