#!/usr/bin/env python3
"""Writes the CFOP tables under data/reference/:

  cfop.csv         the national CFOP list once per table year 2017 to 2022
  Operacoes44.csv  the operation lines of the older entries-and-outputs sheet
  CFOP153.csv      output CFOPs whose book values make up column 15.3 of item 15
  CFOP154.csv      entry CFOPs whose book values make up column 15.4 of item 15

The codes themselves live in cfop_list.py.  Run with --check to validate
without writing, with --html153 / --html154 to print the matching HTML list.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cfop_list  # noqa: E402
import refcsv  # noqa: E402


def dotted(cfop):
    s = str(cfop)
    return s[0] + "." + s[1:]


def cfop_rows():
    rows = []
    for year in range(cfop_list.FIRST_YEAR, cfop_list.LAST_YEAR + 1):
        for code, since, text in cfop_list.codes():
            if since <= year:
                rows.append([code, year, text])
    return rows


# --- Operation lines of the older sheet layout -------------------------------
# Direction "1" entries, "2" outputs; kind "0" domestic, "1" interstate, "2" foreign.
FIRST_DIGIT = {("1", "0"): 1, ("1", "1"): 2, ("1", "2"): 3,
               ("2", "0"): 5, ("2", "1"): 6, ("2", "2"): 7}


def operation_rows():
    by_digit = {}
    for code, _, _ in cfop_list.codes():
        by_digit.setdefault(code // 1000, []).append(code)
    rows = []
    for direction in ("1", "2"):
        number = 0
        for kind in ("0", "1", "2"):
            digit = FIRST_DIGIT[(direction, kind)]
            shown = 0
            for group, _, entry_name, output_name in cfop_list.GROUPS:
                short = entry_name if direction == "1" else output_name
                members = [c for c in by_digit[digit] if cfop_list.group_of(c) == group]
                if not members:
                    continue
                number += 1
                shown += 1
                span = dotted(members[0]) if len(members) == 1 else \
                    f"{dotted(members[0])} a {dotted(members[-1])}"
                rows.append([direction, f"{number:02d}", kind, span, short, f"{shown:02d}"])
    return rows


# --- Item 15: outputs and entries by municipality of origin ------------------
# The operations that carry value added: sales and transfers of goods, energy,
# communication and transport, with the returns and annulments that undo them.
# Shipments for storage, repair, consignment, demonstration and the like, fixed
# assets, use and consumption, and credit transfers are left out.
OUTPUT_FAMILIES = [
    range(5101, 5131), (5132,), range(5151, 5161),
    range(5201, 5211), range(5213, 5215),
    range(5251, 5259), range(5301, 5308), range(5351, 5361),
    (5401, 5402, 5403, 5404, 5405, 5408, 5409, 5410, 5411),
    (5501, 5502, 5504, 5505),
    range(5651, 5663), (5667,),
]

ENTRY_FAMILIES = [
    range(1101, 1131), (1132,), range(1151, 1160),
    range(1201, 1215),
    range(1251, 1258), range(1301, 1307), range(1351, 1361),
    (1401, 1403, 1408, 1409, 1410, 1411),
    (1501, 1503, 1504, 1505, 1506),
    (1651, 1652, 1658, 1659, 1660, 1661, 1662),
]


def item15_codes(families, foreign_extra):
    existing = {c for c, _, _ in cfop_list.codes()}
    chosen = set()
    for family in families:
        for code in family:
            for shift in (0, 1000):
                if code + shift in existing:
                    chosen.add(code + shift)
    for code in foreign_extra:
        if code in existing:
            chosen.add(code)
    return sorted(chosen)


def cfop153():
    foreign = [7101, 7102, 7105, 7106, 7127, 7129, 7201, 7202, 7205, 7206, 7207, 7210, 7211, 7212,
               7251, 7301, 7358, 7501, 7504, 7651, 7654, 7667]
    return item15_codes(OUTPUT_FAMILIES, foreign)


def cfop154():
    foreign = [3101, 3102, 3126, 3127, 3128, 3129, 3201, 3202, 3205, 3206, 3207, 3211, 3212,
               3251, 3301, 3351, 3352, 3353, 3354, 3355, 3356, 3503, 3651, 3652]
    return item15_codes(ENTRY_FAMILIES, foreign)


def html_list(title, codes):
    """The CFOP list as an HTML table fragment, for the files delivered beside the program."""
    text = {c: d for c, _, d in cfop_list.codes()}
    lines = ['<table width="811" >', f'<tr><td colspan="2"><span class="style4"><b>{title}</b></span></td></tr>']
    for c in codes:
        lines.append(f'<tr><td width="60" valign="top"><span class="style4">{dotted(c)}</span></td>'
                     f'<td><span class="style4">{text[c]}</span></td></tr>')
    lines.append("</table>")
    return "\n".join(lines) + "\n"


def main(argv):
    check_only = "--check" in argv
    if "--html153" in argv:
        sys.stdout.write(html_list("CFOP da coluna 15.3 - Saídas e/ou prestações", cfop153()))
        return 0
    if "--html154" in argv:
        sys.stdout.write(html_list("CFOP da coluna 15.4 - Entradas e/ou aquisições", cfop154()))
        return 0

    all_codes = cfop_list.codes()
    seen = set()
    for code, since, text in all_codes:
        if code in seen:
            raise refcsv.TableError(f"cfop: code {code} listed twice")
        seen.add(code)
        if code // 1000 not in (1, 2, 3, 5, 6, 7) or code % 1000 < 100:
            raise refcsv.TableError(f"cfop: {code} is not a fiscal operation code")
        if not cfop_list.FIRST_YEAR <= since <= cfop_list.LAST_YEAR:
            raise refcsv.TableError(f"cfop: {code} has first year {since}")
        if len(text) > 500:
            raise refcsv.TableError(f"cfop: {code} description longer than 500 characters")

    outputs = [refcsv.write_table("cfop", ["CFOP", "Ano", "Descricao"], cfop_rows(), ["CFOP", "Ano"],
                                  check_only=check_only)]
    outputs.append(refcsv.write_table(
        "Operacoes44",
        ["EntradaSaida", "CodigoOperacao", "TipoOperacao", "CFOP", "Descricao", "CodigoOperacaoExibir"],
        operation_rows(), ["EntradaSaida", "CodigoOperacao"],
        widths={"EntradaSaida": 1, "CodigoOperacao": 2, "TipoOperacao": 1, "CFOP": 50, "Descricao": 50,
                "CodigoOperacaoExibir": 2},
        check_only=check_only))
    for name, codes, digits in (("CFOP153", cfop153(), (5, 6, 7)), ("CFOP154", cfop154(), (1, 2, 3))):
        if any(c not in seen or c // 1000 not in digits for c in codes):
            raise refcsv.TableError(f"{name}: holds a code of the wrong direction or not in the list")
        outputs.append(refcsv.write_table(name, ["CodigoOperacao"], [[c] for c in codes], ["CodigoOperacao"],
                                          check_only=check_only))
    for path in outputs:
        print(("checked " if check_only else "wrote ") + os.path.relpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
