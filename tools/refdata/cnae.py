#!/usr/bin/env python3
"""Writes the delivered activity tables under data/reference/:

  Atividades.csv   CNAE 2.x subclasses (Codigo, Descricao)
  atividades2.csv  CNAE-Fiscal 1.0/1.1 subclasses kept for older data (ATVCOD, ATVDESC)
  CNAE15.csv       activities whose taxpayers fill item 15 (CNAE)

The lists are kept as literal text in the cnae_* modules beside this script.
Every code is checked against the classification's structure before anything
is written: the class check digit, the division's section, seven digits, no
duplicates, description length.  Run with --check to validate only.
"""

import csv
import io
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cnae_sec_a_b  # noqa: E402
import cnae_sec_c  # noqa: E402
import cnae_sec_d_g  # noqa: E402
import cnae_sec_h_u  # noqa: E402
import cnae_fiscal  # noqa: E402
import cnae_item15  # noqa: E402

# Divisions of each section of the classification.
SECTIONS = {
    "A": range(1, 4), "B": range(5, 10), "C": range(10, 34), "D": range(35, 36),
    "E": range(36, 40), "F": range(41, 44), "G": range(45, 48), "H": range(49, 54),
    "I": range(55, 57), "J": range(58, 64), "K": range(64, 67), "L": range(68, 69),
    "M": range(69, 76), "N": range(77, 83), "O": range(84, 85), "P": range(85, 86),
    "Q": range(86, 89), "R": range(90, 94), "S": range(94, 97), "T": range(97, 98),
    "U": range(99, 100),
}

# Sections of CNAE 1.x, for the older list.
SECTIONS_V1 = {
    "A": range(1, 3), "B": range(5, 6), "C": range(10, 15), "D": range(15, 38),
    "E": range(40, 42), "F": range(45, 46), "G": range(50, 53), "H": range(55, 56),
    "I": range(60, 65), "J": range(65, 68), "K": range(70, 75), "L": range(75, 76),
    "M": range(80, 81), "N": range(85, 86), "O": range(90, 94), "P": range(95, 96),
    "Q": range(99, 100),
}

LINE = re.compile(r"^(\d{4})-(\d)/(\d{2}) (\S.*)$")


def class_check_digit(cls):
    """Check digit of a four-digit CNAE class (modulo 11, weights 5-4-3-2)."""
    rest = sum(int(d) * w for d, w in zip(cls, (5, 4, 3, 2))) % 11
    if rest <= 1:
        return 1
    return (12 - rest) % 10 if rest == 2 else 12 - rest


def class_check_digit_v1(cls):
    """Check digit of a four-digit CNAE 1.x class (modulo 11, weights 5-4-3-2)."""
    rest = sum(int(d) * w for d, w in zip(cls, (5, 4, 3, 2))) % 11
    return 0 if rest <= 1 else 11 - rest


def parse(text, origin, check_digit=class_check_digit, sections=None, max_len=248):
    """Parses 'CCCC-D/SS description' lines into (code, description) rows."""
    sections = sections or SECTIONS
    rows, errors, section = [], [], None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if not line:
            continue
        if line.startswith("#"):
            section = line[1:].split()[0]
            if section not in sections:
                errors.append(f"{origin}:{number}: unknown section {section}")
            continue
        m = LINE.match(line)
        if not m:
            errors.append(f"{origin}:{number}: malformed line: {line}")
            continue
        cls, dv, sub, desc = m.groups()
        if check_digit(cls) != int(dv):
            errors.append(f"{origin}:{number}: class {cls}-{dv}: check digit should be "
                          f"{check_digit(cls)}")
        if section and int(cls[:2]) not in sections[section]:
            errors.append(f"{origin}:{number}: division {cls[:2]} outside section {section}")
        if len(desc) > max_len:
            errors.append(f"{origin}:{number}: description longer than {max_len}")
        if desc != desc.strip() or "  " in desc:
            errors.append(f"{origin}:{number}: stray blanks in description")
        rows.append((cls + dv + sub, desc))
    return rows, errors


def check_rows(rows, origin, errors):
    seen = set()
    previous = ""
    for code, _ in rows:
        if not re.fullmatch(r"\d{7}", code):
            errors.append(f"{origin}: bad code {code}")
        if code in seen:
            errors.append(f"{origin}: duplicate code {code}")
        if code <= previous:
            errors.append(f"{origin}: code {code} out of order after {previous}")
        seen.add(code)
        previous = code


def to_csv(header, rows):
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n", quoting=csv.QUOTE_MINIMAL)
    writer.writerow(header)
    writer.writerows(rows)
    return out.getvalue()


def build():
    errors = []
    current = []
    for module in (cnae_sec_a_b, cnae_sec_c, cnae_sec_d_g, cnae_sec_h_u):
        rows, errs = parse(module.DATA, module.__name__)
        current += rows
        errors += errs
    check_rows(current, "Atividades", errors)

    older, errs = parse(cnae_fiscal.DATA, "cnae_fiscal", check_digit=class_check_digit_v1,
                         sections=SECTIONS_V1, max_len=255)
    errors += errs
    check_rows(older, "atividades2", errors)

    codes = {code for code, _ in current}
    item15 = sorted(set(cnae_item15.CODES))
    if len(item15) != len(cnae_item15.CODES):
        errors.append("CNAE15: duplicate code")
    for code in item15:
        if code not in codes:
            errors.append(f"CNAE15: {code} is not an Atividades code")
    if "3511501" not in item15:
        errors.append("CNAE15: 3511501 missing")
    for needed in ("4731800", "3511501"):
        if needed not in codes:
            errors.append(f"Atividades: {needed} missing")
    return current, older, item15, errors


def main(argv):
    current, older, item15, errors = build()
    for e in errors:
        print(e, file=sys.stderr)
    if errors:
        return 1
    print(f"Atividades: {len(current)} rows, atividades2: {len(older)} rows, "
          f"CNAE15: {len(item15)} rows")
    if "--check" in argv:
        return 0
    target = os.path.join(HERE, "..", "..", "data", "reference")
    files = {
        "Atividades.csv": to_csv(["Codigo", "Descricao"], current),
        "atividades2.csv": to_csv(["ATVCOD", "ATVDESC"], older),
        "CNAE15.csv": to_csv(["CNAE"], [[c] for c in item15]),
    }
    for name, content in files.items():
        with open(os.path.join(target, name), "w", encoding="utf-8", newline="") as f:
            f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
