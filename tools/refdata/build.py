#!/usr/bin/env python3
"""Regenerates the delivered reference tables of this folder's generators and
checks every file under data/reference/ against the CSV contract.

  python3 tools/refdata/build.py           write the tables, then check all files
  python3 tools/refdata/build.py --check   write nothing: the generated tables must
                                           match the files, and all files must pass

The activity tables (Atividades, atividades2, CNAE15) have their own generator,
cnae.py; their files are checked here as well.
"""

import glob
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cfop  # noqa: E402
import indices  # noqa: E402
import leis  # noqa: E402
import payments  # noqa: E402
import refcsv  # noqa: E402
import states  # noqa: E402

GENERATORS = [states, cfop, leis, payments, indices]

# Key columns of every delivered table (names as in the files' headers).
KEYS = {
    "UF": ["Codigo"], "AliquotaUF": ["CodigoUF"], "Municipios": ["CodigoID"],
    "Atividades": ["Codigo"], "atividades2": ["ATVCOD"], "CNAE15": ["CNAE"],
    "cfop": ["CFOP", "Ano"], "Operacoes44": ["EntradaSaida", "CodigoOperacao"],
    "CFOP153": ["CodigoOperacao"], "CFOP154": ["CodigoOperacao"],
    "Leis": ["CodLei"], "LeisD": ["CodLei"], "LeisDeb": ["CodLei"],
    "Tributos": ["CodigoID"], "CalendarioFiscal": ["Ano", "Mes"],
    "IndicesEconomicos": ["CodigoIndice", "Data"],
}


def verify_files():
    problems = []
    for path in sorted(glob.glob(os.path.join(refcsv.REFERENCE_DIR, "*.csv"))):
        name = os.path.splitext(os.path.basename(path))[0]
        try:
            header, rows = refcsv.read_table(path)
            if name not in KEYS:
                raise refcsv.TableError(f"{path}: no table of that name")
            refcsv.check_rows(name, header, rows, KEYS[name])
            # The program writes these texts into code page 1252 files and reports.
            for number, row in enumerate(rows, 2):
                for field in row:
                    try:
                        field.encode("cp1252")
                    except UnicodeEncodeError:
                        raise refcsv.TableError(f"{path}: line {number} holds a character outside code page 1252")
            print(f"ok {name}: {len(rows)} rows")
        except (refcsv.TableError, UnicodeDecodeError) as e:
            problems.append(str(e))
    return problems


def main(argv):
    check_only = "--check" in argv
    problems = []
    for generator in GENERATORS:
        try:
            generator.main(["--check"] if check_only else [])
        except refcsv.TableError as e:
            problems.append(str(e))
    problems += verify_files()
    for p in problems:
        print("FAILED " + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
