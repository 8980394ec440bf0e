#!/usr/bin/env python3
"""Writes IndicesEconomicos.csv under data/reference/: the IGP-DI (code 4) and
the SELIC (code 5), one row per month dated on its first day.

IGP-DI: the FGV index number, base August 1994 = 100, January 2008 to April
2023 (no debt is corrected beyond April 2023).  The monthly changes below are
the published ones as far as known; within each calendar year they are nudged
by one common amount (never more than two hundredths of a point) so that the
year's product equals the published annual change, and the level is chained
onto August 1994 = 100 through the annual changes of 1994 to 2007.  Only
ratios of two months are used, so the month-to-month path is what matters.

SELIC: the rate accumulated in each month, as the federal revenue service
publishes it for late-payment interest, written as a fraction (1,13 % a month
is 0.0113).  Each month was checked against the rate compounded over that
month's business days from the Copom target history (target less 0.10 point);
all agree to the published two decimals.  Later months come through the
program's web-service update.

Run with --check to validate without writing.
"""

import datetime
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import refcsv  # noqa: E402

IGPDI = 4
SELIC = 5

# Monthly change of the IGP-DI in percent, January to December.
IGPDI_MONTHLY = """
2008  0.99  0.38  0.70  1.12  1.88  1.89  1.12 -0.38  0.36  1.09  0.07 -0.44
2009  0.01 -0.13 -0.84  0.04  0.18 -0.32 -0.64  0.09  0.25 -0.04  0.07 -0.11
2010  1.01  1.09  0.63  0.72  1.57  0.34  0.22  1.10  1.10  1.03  1.58  0.38
2011  0.98  0.96  0.61  0.50  0.01 -0.13 -0.05  0.61  0.75  0.40  0.43 -0.16
2012  0.30  0.07  0.56  1.02  0.91  0.69  1.52  1.29  0.88 -0.31  0.25  0.66
2013  0.31  0.20  0.31 -0.06  0.32  0.76  0.14  0.46  1.36  0.63  0.28  0.69
2014  0.40  0.85  1.48  0.45 -0.45 -0.63 -0.55  0.06  0.02  0.59  1.14  0.38
2015  0.67  0.53  1.21  0.92  0.40  0.68  0.58  0.40  1.42  1.76  1.19  0.44
2016  1.53  0.79  0.43  0.36  1.13  1.63 -0.39  0.43  0.03  0.13 -0.03  0.83
2017  0.43  0.06 -0.38 -1.24 -0.51 -0.96 -0.30  0.24  0.62  0.10  0.80  0.74
2018  0.58  0.15  0.56  0.93  1.64  1.48  0.44  0.68  1.79  0.26 -1.14 -0.45
2019  0.07  1.25  1.07  0.90  0.40  0.63 -0.01 -0.51  0.50  0.55  0.85  1.74
2020  0.09  0.01  1.64  0.05  1.07  1.60  2.34  3.87  3.30  3.68  2.64  0.76
2021  2.91  2.71  2.17  1.50  3.40  0.11  1.45  0.44 -0.55  1.60 -0.58  1.25
2022  2.01  1.50  2.37  0.41  0.69  0.62 -0.38 -0.55 -1.22 -0.62 -0.18  0.31
2023  0.06  0.04 -0.34 -1.01
"""

# Published annual change of the IGP-DI in percent (December over December).
IGPDI_ANNUAL = {
    1995: 14.78, 1996: 9.34, 1997: 7.48, 1998: 1.71, 1999: 19.99, 2000: 9.80, 2001: 10.40,
    2002: 26.41, 2003: 7.66, 2004: 12.13, 2005: 1.22, 2006: 3.79, 2007: 7.89,
    2008: 9.10, 2009: -1.43, 2010: 11.30, 2011: 5.00, 2012: 8.10, 2013: 5.53, 2014: 3.78,
    2015: 10.70, 2016: 7.15, 2017: -0.42, 2018: 7.10, 2019: 7.70, 2020: 23.08, 2021: 17.74,
    2022: 5.03,
}
# September to December 1994, after the base month.
IGPDI_1994_TAIL = [1.55, 2.55, 2.47, 0.57]
LARGEST_NUDGE = 0.02

# SELIC accumulated in the month, in percent, January to December.
SELIC_MONTHLY = """
2009 1.05 0.86 0.97 0.84 0.77 0.76 0.79 0.69 0.69 0.69 0.66 0.73
2010 0.66 0.59 0.76 0.67 0.75 0.79 0.86 0.89 0.85 0.81 0.81 0.93
2011 0.86 0.84 0.92 0.84 0.99 0.96 0.97 1.07 0.94 0.88 0.86 0.91
2012 0.89 0.75 0.82 0.71 0.74 0.64 0.68 0.69 0.54 0.61 0.55 0.55
2013 0.60 0.49 0.55 0.61 0.60 0.61 0.72 0.71 0.71 0.81 0.72 0.79
2014 0.85 0.79 0.77 0.82 0.87 0.82 0.95 0.87 0.91 0.95 0.84 0.96
2015 0.94 0.82 1.04 0.95 0.99 1.07 1.18 1.11 1.11 1.11 1.06 1.16
2016 1.06 1.00 1.16 1.06 1.11 1.16 1.11 1.22 1.11 1.05 1.04 1.12
2017 1.09 0.87 1.05 0.79 0.93 0.81 0.80 0.80 0.64 0.64 0.57 0.54
2018 0.58 0.47 0.53 0.52 0.52 0.52 0.54 0.57 0.47 0.54 0.49 0.49
2019 0.54 0.49 0.47 0.52 0.54 0.47 0.57 0.50 0.46 0.48 0.38 0.37
2020 0.38 0.29 0.34 0.28 0.24 0.21 0.19 0.16 0.16 0.16 0.15 0.16
2021 0.15 0.13 0.20 0.21 0.27 0.31 0.36 0.43 0.44 0.49 0.59 0.77
2022 0.73 0.76 0.93 0.83 1.03 1.02 1.03 1.17 1.07 1.02 1.02 1.12
2023 1.12 0.92 1.17 0.92 1.12 1.07 1.07 1.14 0.97 1.00 0.92 0.89
2024 0.97 0.80 0.83 0.89 0.83 0.79 0.91 0.87 0.84 0.93 0.79 0.93
2025 1.01 0.99 0.96 1.06 1.14 1.10 1.28
"""


def parse(text):
    table = {}
    for line in text.strip().splitlines():
        parts = line.split()
        table[int(parts[0])] = [float(v) for v in parts[1:]]
    return table


def product(changes):
    f = 1.0
    for v in changes:
        f *= 1 + v / 100
    return f


def nudged(changes, annual):
    """The year's changes moved by one common amount so that their product is the annual change."""
    target = 1 + annual / 100
    low, high = -1.0, 1.0
    for _ in range(200):
        mid = (low + high) / 2
        if product([v + mid for v in changes]) < target:
            low = mid
        else:
            high = mid
    delta = (low + high) / 2
    if abs(delta) > LARGEST_NUDGE:
        raise refcsv.TableError(f"IGP-DI: the monthly changes miss the annual change by {delta:.4f} a month")
    return [v + delta for v in changes]


def igpdi_rows():
    monthly = parse(IGPDI_MONTHLY)
    level = 100.0 * product(IGPDI_1994_TAIL)
    for year in range(1995, 2008):
        level *= 1 + IGPDI_ANNUAL[year] / 100
    rows = []
    for year in sorted(monthly):
        changes = monthly[year]
        if year in IGPDI_ANNUAL:
            changes = nudged(changes, IGPDI_ANNUAL[year])
        for month, change in enumerate(changes, 1):
            level *= 1 + change / 100
            rows.append([IGPDI, datetime.date(year, month, 1).isoformat(), f"{level:.3f}"])
    return rows


def selic_rows():
    rows = []
    for year, values in sorted(parse(SELIC_MONTHLY).items()):
        for month, value in enumerate(values, 1):
            if not 0 < value < 3:
                raise refcsv.TableError(f"SELIC {month:02d}/{year}: {value} is not a monthly rate in percent")
            rows.append([SELIC, datetime.date(year, month, 1).isoformat(), f"{value / 100:.4f}"])
    return rows


def main(argv):
    check_only = "--check" in argv
    igp, selic = igpdi_rows(), selic_rows()
    if igp[0][1] != "2008-01-01" or igp[-1][1] != "2023-04-01" or len(igp) != 184:
        raise refcsv.TableError("IGP-DI: expected every month from 01/2008 to 04/2023")
    if selic[0][1] != "2009-01-01":
        raise refcsv.TableError("SELIC: expected to begin in 01/2009")
    for series in (igp, selic):
        dates = [datetime.date.fromisoformat(r[1]) for r in series]
        for a, b in zip(dates, dates[1:]):
            if (b.year * 12 + b.month) - (a.year * 12 + a.month) != 1:
                raise refcsv.TableError(f"a month is missing after {a}")
    path = refcsv.write_table("IndicesEconomicos", ["CodigoIndice", "Data", "Valor"], igp + selic,
                              ["CodigoIndice", "Data"], check_only=check_only)
    print(("checked " if check_only else "wrote ") + os.path.relpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
