#!/usr/bin/env python3
"""Writes the payment-slip tables under data/reference/:

  Tributos.csv          revenue codes of the DARE
  CalendarioFiscal.csv  the ICMS due date of every reference period 01/2009 to 12/2026

Due-date rule: the ICMS of a reference month is due on the 10th of the
following month; when that day is a Saturday, a Sunday or a national bank
holiday, on the next business day.  Run with --check to validate only.
"""

import datetime
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import refcsv  # noqa: E402

# Kinds (Tipo): 0 ICMS of the period (normal regime), 1 standalone slips,
# 2 rate differential on entries, 3 tax substitution, 4 rate complement
# (Simples Nacional), 5 final-consumer rate differential, 6 the 2 % addition
# of the poverty fund.
# Distribution classes (Distribuicao), each with its collector code in the bar code:
#   "1" ICMS of the taxpayer's own operations
#   "2" ICMS charged apart: differentials, complement, substitution, advance payment
#   "3" penalties, assessments and tax debts in the state's register (dívida ativa)
#   "4" poverty fund and fees, not shared with the municipalities
# (CodigoID, Descricao, ID, Tipo, Distribuicao)
TRIBUTES = [
    ("101", "ICMS Normal - Apuração Mensal", "10", 0, "1"),
    ("102", "ICMS Normal - Energia Elétrica", "11", 0, "1"),
    ("103", "ICMS Normal - Serviço de Comunicação", "12", 0, "1"),
    ("104", "ICMS Normal - Combustíveis e Lubrificantes", "13", 0, "1"),
    ("105", "ICMS Complementação de Alíquota", "90", 4, "2"),
    ("110", "ICMS Diferencial de Alíquota - Uso, Consumo e Ativo Imobilizado", "20", 2, "2"),
    ("120", "ICMS Substituição Tributária - Operações Internas", "30", 3, "2"),
    ("121", "ICMS Substituição Tributária - Serviço de Transporte", "31", 3, "2"),
    ("130", "ICMS Diferencial de Alíquota - Consumidor Final Não Contribuinte (EC 87/2015)", "40", 5, "2"),
    ("140", "Adicional de 2% - Fundo de Combate à Pobreza (art. 82 do ADCT)", "50", 6, "4"),
    ("150", "ICMS - Nota Fiscal Avulsa", "60", 1, "1"),
    ("151", "ICMS - Conhecimento Avulso de Transporte de Carga", "61", 1, "1"),
    ("152", "ICMS - Auto de Infração / Notificação de Interpelação", "62", 1, "3"),
    ("153", "ICMS - Parcelamento de Débito", "63", 1, "1"),
    ("154", "ICMS - Dívida Ativa", "64", 1, "3"),
    ("155", "Multa por Descumprimento de Obrigação Acessória", "65", 1, "3"),
    ("156", "ICMS Antecipado - Entradas Interestaduais", "66", 1, "2"),
    ("160", "Taxa de Serviços Fazendários", "70", 1, "4"),
    ("161", "Fundo de Combate à Pobreza - Recolhimento Avulso", "71", 1, "4"),
]

FIRST_PERIOD = (2009, 1)
LAST_PERIOD = (2026, 12)
DUE_DAY = 10


def easter(year):
    """Gregorian Easter Sunday (anonymous algorithm)."""
    a = year % 19
    b, c = divmod(year, 100)
    d, e = divmod(b, 4)
    f = (b + 8) // 25
    g = (b - f + 1) // 3
    h = (19 * a + b - d - g + 15) % 30
    i, k = divmod(c, 4)
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l) // 451
    month, day = divmod(h + l - 7 * m + 114, 31)
    return datetime.date(year, month, day + 1)


def bank_holidays(year):
    e = easter(year)
    days = {datetime.date(year, m, d) for m, d in
            ((1, 1), (4, 21), (5, 1), (9, 7), (10, 12), (11, 2), (11, 15), (12, 25))}
    if year >= 2024:
        days.add(datetime.date(year, 11, 20))  # Dia Nacional de Zumbi e da Consciência Negra
    for offset in (-48, -47, -2, 60):  # Carnival Monday and Tuesday, Good Friday, Corpus Christi
        days.add(e + datetime.timedelta(days=offset))
    return days


def due_date(year, month):
    y, m = (year + 1, 1) if month == 12 else (year, month + 1)
    day = datetime.date(y, m, DUE_DAY)
    while day.weekday() >= 5 or day in bank_holidays(day.year):
        day += datetime.timedelta(days=1)
    return day


def calendar_rows():
    rows = []
    year, month = FIRST_PERIOD
    while (year, month) <= LAST_PERIOD:
        rows.append([f"{year:04d}", f"{month:02d}", due_date(year, month).isoformat()])
        year, month = (year + 1, 1) if month == 12 else (year, month + 1)
    return rows


def main(argv):
    check_only = "--check" in argv
    kinds = {t[3] for t in TRIBUTES}
    classes = {t[4] for t in TRIBUTES}
    if kinds != set(range(7)) or classes != {"1", "2", "3", "4"}:
        raise refcsv.TableError("Tributos: every kind 0-6 and every class 1-4 must be present")
    if ("105", "ICMS Complementação de Alíquota", "90", 4, "2") not in TRIBUTES:
        raise refcsv.TableError("Tributos: the row of revenue 105 differs from the one the start-up inserts")
    for t in TRIBUTES:
        if len(t[2]) != 2 or not t[2].isdigit():
            raise refcsv.TableError(f"Tributos: {t[0]} needs a two-digit ID")
    calendar = calendar_rows()
    for y, m, d in calendar:
        due = datetime.date.fromisoformat(d)
        following = (int(y) + 1, 1) if m == "12" else (int(y), int(m) + 1)
        if (due.year, due.month) != following:
            raise refcsv.TableError(f"CalendarioFiscal: {m}/{y} is not due in the following month")
    paths = [
        refcsv.write_table("Tributos", ["CodigoID", "Descricao", "ID", "Tipo", "Distribuicao"],
                           [list(t) for t in TRIBUTES], ["CodigoID"],
                           widths={"CodigoID": 5, "Descricao": 80, "ID": 2, "Distribuicao": 1},
                           check_only=check_only),
        refcsv.write_table("CalendarioFiscal", ["Ano", "Mes", "DataVencimento"], calendar, ["Ano", "Mes"],
                           check_only=check_only),
    ]
    for path in paths:
        print(("checked " if check_only else "wrote ") + os.path.relpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
