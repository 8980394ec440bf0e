#!/usr/bin/env python3
"""Writes examples/vexa-exemplo.txt, a sample accounting-system file.

Five made-up businesses of the state QX and the two accountants who sign
their declarations, January to March 2024: a supermarket, a filling station,
a Simples Nacional bakery, a furniture factory holding a TARE and a road
haulier. Every amount is derived here from the operations of the month, in
whole cents, so that the file passes the import's checks and the export's
consistency checks: the entries and outputs by CFOP (B) add up to the
movement by state (D), the items 5.1 and 6.1 to the tax of the B records,
item 7.3 to the ICMS to pay (E), the rate-differential lists to their items,
and so on.

The file is code page 1252 with CR LF line ends, layout "10.00".

    python3 examples/make-sample.py            # rewrites examples/vexa-exemplo.txt
    python3 examples/make-sample.py --check    # fails when the file is not up to date
    python3 examples/make-sample.py -o FILE
"""

import argparse
import datetime
import os
import sys

HOME_UF = "29"  # numeric code of the state QX


# ---- registration numbers --------------------------------------------------

def ie_qx(base8):
    """An IE of QX: eight digits starting with 29 and the mod-11 check digit."""
    assert len(base8) == 8 and base8.startswith("29")
    total = sum(int(d) * w for d, w in zip(base8, range(9, 1, -1)))
    r = total % 11
    return base8 + str(0 if r < 2 else 11 - r)


def _mod11(digits, weights):
    r = sum(int(d) * w for d, w in zip(digits, weights)) % 11
    return "0" if r < 2 else str(11 - r)


def cnpj(base12):
    d1 = _mod11(base12, [5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2])
    d2 = _mod11(base12 + d1, [6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2])
    return base12 + d1 + d2


def cpf(base9):
    d1 = _mod11(base9, range(10, 1, -1))
    d2 = _mod11(base9 + d1, range(11, 1, -1))
    return base9 + d1 + d2


# ---- the registries ----------------------------------------------------------
# examples/run-main-job.sh registers the same taxpayers and accountants.

ACCOUNTANTS = {
    "helena": dict(crc="QX014512", uf="QX", name="MARIA HELENA SOUZA", phone="6532214455",
                   cpf=cpf("529982247"), email="helena@contabilverdal.qx"),
    "joao": dict(crc="QX020871", uf="QX", name="JOÃO PEDRO ALVES", phone="6533047810",
                 cpf=cpf("168995350"), email="joao.alves@escritorioalves.qx"),
}

TAXPAYERS = {
    "mercado": dict(ie=ie_qx("29310452"), name="SUPERMERCADO BOA COLHEITA LTDA", doc=cnpj("183456720001"),
                    activity="4711302", municipality="2900013", ibge=2945202, regime="N", kind="M",
                    books="C", tare=False, ecf=True, accountant="helena",
                    responsible=(cpf("275318640"), "CARLOS EDUARDO MENDES")),
    "posto": dict(ie=ie_qx("29411783"), name="AUTO POSTO VEREDA LTDA", doc=cnpj("274519830001"),
                  activity="4731800", municipality="2900005", ibge=2942001, regime="N", kind="U",
                  books="F", tare=False, ecf=True, accountant="helena",
                  responsible=(cpf("381274956"), "ANA LÚCIA FERREIRA")),
    "padaria": dict(ie=ie_qx("29522064"), name="PADARIA PÃO DOURADO LTDA ME", doc=cnpj("316207450001"),
                    activity="1091102", municipality="2900009", ibge=2943603, regime="S", kind="U",
                    books="F", tare=False, ecf=True, accountant="joao",
                    responsible=(cpf("492615037"), "JOSÉ ANTÔNIO RIBEIRO")),
    "moveis": dict(ie=ie_qx("29633125"), name="SERRA AZUL INDÚSTRIA DE MÓVEIS S.A.", doc=cnpj("427380160001"),
                   activity="3101200", municipality="2900025", ibge=2950004, regime="N", kind="M",
                   books="C", tare=True, ecf=False, accountant="joao",
                   responsible=(cpf("503726148"), "RENATA CAMPOS OLIVEIRA"),
                   tare_number="20230417", tare_expiry=datetime.date(2026, 12, 31)),
    "transportes": dict(ie=ie_qx("29744306"), name="TRANSPORTES RIO CLARO LTDA", doc=cnpj("538491270001"),
                        activity="4930202", municipality="2900018", ibge=2947208, regime="N", kind="U",
                        books="C", tare=False, ecf=False, accountant="helena",
                        responsible=(cpf("614837259"), "PAULO ROBERTO DINIZ")),
}

# Other businesses of QX named in the declarations (item 16: suppliers of
# goods with deferred ICMS), a fuel distributor and the municipalities used.
RURAL_SUPPLIERS = [(ie_qx("29850071"), 2941201), (ie_qx("29861130"), 2949600)]
DISTRIBUTOR_CNPJ = cnpj("649502380001")
CITY = {"Alto Bonito": 2941201, "Bacaba": 2943603, "Cachoeira Grande": 2947208}

PERIODS = [(2024, 1), (2024, 2), (2024, 3)]
# Month-to-month variation of the amounts.
FACTOR = {1: 1.00, 2: 0.94, 3: 1.07}


# ---- fields --------------------------------------------------------------------

def cents(reais):
    return int(round(reais * 100))


def scaled(c, month):
    return int(round(c * FACTOR[month]))


def tax(base_cents, rate_percent):
    return int(round(base_cents * rate_percent / 100.0))


def amt(c):
    """The 14-digit amount: cents, zero-filled, no sign."""
    assert 0 <= c < 10 ** 14
    return "%014d" % c


def num(value, width):
    s = "%0*d" % (width, value)
    assert len(s) == width
    return s


def text(value, width):
    assert len(value) <= width, value
    return value.ljust(width)


def date8(d):
    return d.strftime("%d%m%Y") if d else " " * 8


def rate4(percent):
    return "%04d" % int(round(percent * 100))


class Record:
    """A record of the accounting layout: the header, then fields at their positions."""

    def __init__(self, segment, key, width):
        ie, year, month, ret = key
        self.width = width
        self.chars = [" "] * width
        self.put(1, segment).put(2, ie).put(13, "%02d%04d" % (month, year)).put(19, ret)

    def put(self, pos, value):
        assert pos - 1 + len(value) <= self.width, (pos, value)
        self.chars[pos - 1:pos - 1 + len(value)] = list(value)
        return self

    def line(self):
        return "".join(self.chars)


# ---- operations of a month -------------------------------------------------------

class Month:
    """The operations of one taxpayer in one month, turned into records."""

    def __init__(self, key, taxpayer):
        self.key = key
        self.t = taxpayer
        self.moves = []          # operations by CFOP and state
        self.stock = None        # ten amounts
        self.to_pay = []         # (kind, due date, cents)
        self.pumps = []          # (serial, nozzle, product, opening, closing)
        self.tanks = []          # (tank, product, litres)
        self.alcohol = []        # (note, issued, cnpj, uf, unit cents, litres)
        self.tares = []          # (number, expiry)
        self.credits = []        # K: (law, cents)
        self.deductions = []     # L: (law, due, average, deduction)
        self.by_city = []        # M: (ibge, book value, returns)
        self.suppliers = []      # N with its O: (ie, ibge, [(note, cents)])
        self.rates = {"P": [], "Q": [], "S": []}   # (uf, book value, base, value, rate[, origin, destination])
        self.debits = []         # R: (law, cents)
        self.items8 = [0, 0, 0, 0, 0]
        self.cash = (0, 0)
        self.meter_kind = " "
        self.remarks = ""

    # Entries ("0") and outputs ("1") by CFOP and state; outputs to non-taxpayers
    # go into the B columns of the movement by state.
    def move(self, cfop, uf, base=0, exempt=0, others=0, st=0, rate=0, taxpayer_buyer=True):
        self.moves.append(dict(es="0" if cfop[0] in "123" else "1", cfop=cfop, uf=uf, base=base, exempt=exempt,
                               others=others, st=st, tax=tax(base, rate), contrib=taxpayer_buyer))

    def tax_of(self, es):
        return sum(m["tax"] for m in self.moves if m["es"] == es)

    def simples(self):
        return self.t["regime"] == "S"

    def differential(self, letter):
        return sum(r[3] for r in self.rates[letter])

    def tax_to_pay(self):
        """Item 7.3: debits less credits less deductions (never below zero)."""
        debit = self.tax_of("1") + sum(v for _, v in self.debits)
        credit = self.tax_of("0") + sum(v for _, v in self.credits)
        return max(0, debit - credit) - sum(d[3] for d in self.deductions)

    def due(self, day=None):
        year, month = self.key[1], self.key[2]
        nxt = datetime.date(year + (month == 12), month % 12 + 1, 1)
        return nxt.replace(day=day or 10)

    def records(self):
        ie, year, month, ret = key = self.key
        t, acc = self.t, ACCOUNTANTS[self.t["accountant"]]
        out = []

        # A: the declaration, its taxpayer and accountant.
        a = Record("A", key, 783)
        a.put(21, t["activity"]).put(28, t["kind"]).put(29, "S" if t["tare"] else "N").put(30, t["books"])
        a.put(31, amt(self.cash[0])).put(45, amt(self.cash[1])).put(59, "S" if t["ecf"] else "N")
        a.put(60, t["responsible"][0]).put(71, text(t["responsible"][1], 50))
        a.put(121, text(acc["crc"], 10)).put(131, acc["uf"]).put(133, text(acc["name"], 50))
        a.put(183, text(acc["phone"], 20))
        s74 = self.differential("P")
        items = [0 if self.simples() else self.tax_of("1"), 0, 0, 0 if self.simples() else self.tax_of("0"),
                 0, 0, 0, 0, s74 if s74 >= 5000 else 0] + self.items8
        for i, v in enumerate(items):
            a.put(203 + 14 * i, amt(v))
        a.put(399, text(t.get("tare_number", ""), 20)).put(419, "10.00")
        a.put(424, date8(t.get("tare_expiry")))
        a.put(432, amt(0)).put(446, amt(0)).put(460, self.meter_kind).put(461, text(self.remarks, 255))
        a.put(716, amt(0)).put(730, amt(0)).put(744, "N")
        out.append(a.line())

        # B: entries and outputs by CFOP.
        by_cfop = {}
        for m in self.moves:
            row = by_cfop.setdefault((m["es"], m["cfop"]), dict(base=0, exempt=0, others=0, st=0, tax=0))
            for f in ("base", "exempt", "others", "st", "tax"):
                row[f] += m[f]
        for (es, cfop), r in sorted(by_cfop.items(), key=lambda kv: (kv[0][1], kv[0][0])):
            book = r["base"] + r["exempt"] + r["others"] + r["st"]
            b = Record("B", key, 110).put(21, es).put(22, cfop)
            for pos, v in zip(range(26, 110, 14), (r["base"], r["exempt"], r["others"], r["st"], book, r["tax"])):
                b.put(pos, amt(v))
            out.append(b.put(110, "A").line())

        # C: stock at the start and the end of the month.
        if self.stock:
            c = Record("C", key, 160)
            for i, v in enumerate(self.stock):
                c.put(21 + 14 * i, amt(v))
            out.append(c.line())

        # D: the same operations by state; outputs to non-taxpayers in the B columns.
        by_state = {}
        for m in self.moves:
            d = by_state.setdefault((m["es"], m["uf"]), [0] * 9)
            book = m["base"] + m["exempt"] + m["others"] + m["st"]
            if m["es"] == "0" or m["contrib"]:
                d[0] += m["base"]; d[5] += book; d[7] += m["tax"]
            else:
                d[1] += m["base"]; d[6] += book; d[8] += m["tax"]
            d[2] += m["exempt"]; d[3] += m["others"]; d[4] += m["st"]
        for (es, uf), d in sorted(by_state.items()):
            r = Record("D", key, 150).put(21, es).put(22, uf)
            for i, v in enumerate(d):
                r.put(24 + 14 * i, amt(v))
            out.append(r.put(150, "A").line())

        # E: ICMS to pay.
        for kind, due, value in self.to_pay:
            out.append(Record("E", key, 43).put(21, kind).put(22, date8(due)).put(30, amt(value)).line())

        # G, H, I: pump meters, tank stock, alcohol purchases.
        for serial, nozzle, product, opening, closing in self.pumps:
            out.append(Record("G", key, 92).put(21, text(serial, 20)).put(41, num(nozzle, 2))
                       .put(43, num(product, 10)).put(53, num(opening, 10)).put(63, num(closing, 10))
                       .put(73, num(closing - opening, 10)).put(83, num(0, 10)).line())
        for tank, product, litres in self.tanks:
            out.append(Record("H", key, 44).put(21, num(tank, 4)).put(25, num(product, 10))
                       .put(35, num(litres, 10)).line())
        for note, issued, sender, uf, unit, litres in self.alcohol:
            out.append(Record("I", key, 78).put(21, num(note, 10)).put(31, date8(issued)).put(39, sender)
                       .put(53, uf).put(55, amt(unit)).put(69, num(litres, 10)).line())

        # J: TARE; K: other credits; L: deductions.
        for number, expiry in self.tares:
            out.append(Record("J", key, 48).put(21, text(number, 20)).put(41, date8(expiry)).line())
        for law, value in self.credits:
            out.append(Record("K", key, 36).put(21, num(law, 2)).put(23, amt(value)).line())
        for law, due, average, deduction in self.deductions:
            out.append(Record("L", key, 64).put(21, num(law, 2)).put(23, amt(due)).put(37, amt(average))
                       .put(51, amt(deduction)).line())

        # M: outputs and entries by municipality of origin (item 15).
        for ibge, book, returns in self.by_city:
            out.append(Record("M", key, 63).put(21, text(str(ibge), 14)).put(35, "A").put(36, amt(book))
                       .put(50, amt(returns)).line())

        # N and O: suppliers of other municipalities with deferred ICMS, and their invoices (item 16).
        for supplier, ibge, notes in self.suppliers:
            out.append(Record("N", key, 51).put(21, supplier).put(30, "A").put(31, num(ibge, 7))
                       .put(38, amt(sum(v for _, v in notes))).line())
        for supplier, ibge, notes in self.suppliers:
            for note, value in notes:
                out.append(Record("O", key, 51).put(21, supplier).put(30, "A").put(31, num(note, 7))
                           .put(38, amt(value)).line())

        # P, Q: rate differential and complement of entries; R: other debits; S: final consumers.
        for letter in ("P", "Q"):
            for uf, book, base, value, rate in self.rates[letter]:
                out.append(Record(letter, key, 69).put(21, "A").put(22, uf).put(24, amt(book)).put(38, amt(base))
                           .put(52, amt(value)).put(66, rate4(rate)).line())
        for law, value in self.debits:
            out.append(Record("R", key, 36).put(21, num(law, 2)).put(23, amt(value)).line())
        for uf, book, base, value, rate, origin, destination in self.rates["S"]:
            out.append(Record("S", key, 97).put(21, "A").put(22, uf).put(24, amt(book)).put(38, amt(base))
                       .put(52, amt(value)).put(66, rate4(rate)).put(70, amt(origin)).put(84, amt(destination))
                       .line())

        # Z: the lines of the declaration, A to Z.
        out.append(Record("Z", key, 23).put(21, num(len(out) + 1, 3)).line())
        return out


# ---- the five businesses -------------------------------------------------------------

def stock(prev, first_opening, closing):
    """Item 10: the month opens with the last month's closing stock."""
    opening = prev.stock[5:9] if prev else first_opening
    return list(opening) + [sum(opening)] + list(closing) + [sum(closing)]


def supermarket(key, month, prev):
    m = Month(key, TAXPAYERS["mercado"])
    s = lambda reais: scaled(cents(reais), month)
    m.move("1102", HOME_UF, base=s(182450.00), rate=17)
    m.move("1102", HOME_UF, exempt=s(23180.40))                 # fruit and vegetables
    m.move("1403", HOME_UF, st=s(48920.00))
    m.move("2102", "26", base=s(64300.00), rate=7)
    m.move("2102", "14", base=s(27850.00), rate=7)
    m.move("2556", "26", others=s(3480.00))                     # shelving and cold room parts
    m.move("5102", HOME_UF, base=s(298760.00), exempt=s(31420.70), rate=17, taxpayer_buyer=False)
    m.move("5102", HOME_UF, base=s(18400.00), rate=17)          # restaurants and snack bars
    m.move("5405", HOME_UF, st=s(76540.00), taxpayer_buyer=False)
    m.credits = [(5, s(612.35))]                                # 1/48 of the fixed assets' ICMS
    m.debits = [(2, s(1084.90))]                                # goods spoiled in the month
    p_base = s(3480.00)
    m.rates["P"] = [("26", p_base, p_base, tax(p_base, 17 - 7), 7)]
    products, base = s(18000.00), s(24480.00)
    m.items8 = [products, base, tax(base, 17), tax(products, 12), 0]
    m.stock = stock(prev, [cents(398615.20), cents(31890.15), 0, cents(182310.40)],
                    [s(418230.10), s(36215.80), 0, s(171904.45)])
    m.suppliers = [(RURAL_SUPPLIERS[0][0], RURAL_SUPPLIERS[0][1], [(1200 + 3 * month, s(4200.00)),
                                                                   (1201 + 3 * month, s(3150.00))]),
                   (RURAL_SUPPLIERS[1][0], RURAL_SUPPLIERS[1][1], [(88 + month, s(2675.40))])]
    m.cash = (prev.cash[1] if prev else cents(45312.18), s(48906.72))
    m.to_pay = [("N", m.due(), m.tax_to_pay()), ("D", m.due(), m.differential("P")), ("S", m.due(), m.items8[2] - m.items8[3])]
    return m


def filling_station(key, month, prev):
    m = Month(key, TAXPAYERS["posto"])
    s = lambda reais: scaled(cents(reais), month)
    m.move("1652", HOME_UF, st=s(412380.00))
    m.move("1102", HOME_UF, base=s(9640.00), rate=17)
    m.move("1403", HOME_UF, st=s(6210.00))
    m.move("5656", HOME_UF, st=s(498715.40), taxpayer_buyer=False)
    m.move("5405", HOME_UF, st=s(8930.00), taxpayer_buyer=False)
    m.move("5102", HOME_UF, base=s(15870.00), rate=17, taxpayer_buyer=False)
    # Four nozzles on two pumps; each month starts where the last one ended.
    volumes = [31000, 17500, 22000, 15500]
    readings = [r[4] for r in prev.pumps] if prev else [1843210, 962480, 2207315, 1408890]
    nozzles = [("GLB-2207-0193", 1, 1), ("GLB-2207-0193", 2, 2), ("GLB-2207-0194", 3, 1), ("GLB-2207-0194", 4, 3)]
    m.pumps = [(serial, n, product, start, start + int(round(v * FACTOR[month])))
               for (serial, n, product), start, v in zip(nozzles, readings, volumes)]
    m.tanks = [(1, 1, 18430 - 210 * month), (2, 2, 9870 + 340 * month), (3, 3, 12215 - 95 * month)]
    m.alcohol = [(40210 + 10 * month, datetime.date(key[1], key[2], 4), DISTRIBUTOR_CNPJ, HOME_UF, 318, 15000),
                 (40215 + 10 * month, datetime.date(key[1], key[2], 18), DISTRIBUTOR_CNPJ, HOME_UF, 322, 12000)]
    m.meter_kind = "E"
    m.remarks = "Encerrantes eletrônicos das bombas 0193 e 0194 lidos no último dia do mês."
    m.stock = stock(prev, [cents(8410.00), 0, 0, cents(148010.00)], [s(8120.35), 0, 0, s(151880.90)])
    m.cash = (prev.cash[1] if prev else cents(22408.90), s(24115.37))
    m.to_pay = [("N", m.due(), m.tax_to_pay())]
    return m


def bakery(key, month, prev):
    # Simples Nacional: no debit or credit of its own; the rate complement on
    # purchases from other states is paid apart.
    m = Month(key, TAXPAYERS["padaria"])
    s = lambda reais: scaled(cents(reais), month)
    m.move("1102", HOME_UF, others=s(18240.00))
    m.move("2102", "14", others=s(8400.00))
    m.move("5101", HOME_UF, others=s(61380.00), taxpayer_buyer=False)
    base = s(8400.00)
    m.rates["Q"] = [("14", base, base, tax(base, 17 - 7), 7)]
    m.cash = (prev.cash[1] if prev else cents(6130.45), s(6874.10))
    m.to_pay = [("C", m.due(20), m.differential("Q"))]
    return m


def furniture(key, month, prev):
    m = Month(key, TAXPAYERS["moveis"])
    s = lambda reais: scaled(cents(reais), month)
    m.move("1101", HOME_UF, base=s(96400.00), rate=17)
    m.move("2101", "22", base=s(54700.00), rate=7)
    m.move("5101", HOME_UF, base=s(168900.00), rate=17)
    m.move("6101", "26", base=s(142300.00), rate=12)
    m.move("6108", "05", base=s(12000.00), rate=12, taxpayer_buyer=False)
    m.tares = [(m.t["tare_number"], m.t["tare_expiry"])]
    m.credits = [(13, s(4250.00))]                               # PROINDÚSTRIA presumed credit
    # PROSPERAR: 75% of the ICMS above the average, less 5% of that; the
    # increment is kept to whole multiples of 80 cents so the deduction has no half cent.
    due = s(9800.00)
    increment = s(3500.00) // 80 * 80
    m.deductions = [(1, due, due - increment, increment * 57 // 80)]
    base = s(12000.00)
    value = tax(base, 19 - 12)
    m.rates["S"] = [("05", base, base, value, 19, 0, value)]
    m.cash = (prev.cash[1] if prev else cents(131540.00), s(127302.66))
    m.to_pay = [("N", m.due(), m.tax_to_pay()), ("F", m.due(15), m.differential("S")),
                ("P", m.due(15), tax(base, 2))]
    return m


def haulier(key, month, prev):
    m = Month(key, TAXPAYERS["transportes"])
    s = lambda reais: scaled(cents(reais), month)
    fretes_qx, fretes_sp = s(84600.00), s(51200.00)
    m.move("5352", HOME_UF, base=fretes_qx, rate=17)
    m.move("6352", "26", base=fretes_sp, rate=12)
    subcontracted = s(12300.00)
    m.move("1353", HOME_UF, base=subcontracted, rate=17)
    m.move("1653", HOME_UF, st=s(28470.00))                      # diesel for the fleet
    m.credits = [(3, tax(m.tax_of("1"), 20))]                    # 20% presumed credit on transport
    # Item 15: the freight by municipality where it started, and the subcontracted freight.
    first, second = int(fretes_qx * 0.52), int(fretes_sp * 0.61)
    books = [fretes_qx - first + fretes_sp - second, first, second]
    returns = [int(subcontracted * 0.66), subcontracted - int(subcontracted * 0.66), 0]
    m.by_city = list(zip([CITY["Cachoeira Grande"], CITY["Alto Bonito"], CITY["Bacaba"]], books, returns))
    m.cash = (prev.cash[1] if prev else cents(18775.02), s(20410.55))
    m.to_pay = [("N", m.due(), m.tax_to_pay())]
    return m


BUSINESSES = [("mercado", supermarket, PERIODS), ("posto", filling_station, PERIODS),
              ("padaria", bakery, PERIODS[1:]), ("moveis", furniture, PERIODS[1:]),
              ("transportes", haulier, PERIODS[1:])]


def declarations():
    months = []
    for name, make, periods in BUSINESSES:
        prev = None
        for year, month in periods:
            prev = make((TAXPAYERS[name]["ie"], year, month, "00"), month, prev)
            months.append(prev)
    # The file lists the months in order, the businesses in each month.
    months.sort(key=lambda m: (m.key[1], m.key[2]))
    for m in months:
        tp = m.tax_to_pay()
        assert tp == 0 or tp >= 5000, (m.key, tp)
        for kind, _, value in m.to_pay:
            assert value >= 5000, (m.key, kind, value)
    return months


def sample_bytes():
    lines = [line for m in declarations() for line in m.records()]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", default=os.path.join(here, "vexa-exemplo.txt"))
    parser.add_argument("--check", action="store_true", help="only check that the file is up to date")
    args = parser.parse_args()
    data = sample_bytes()
    if args.check:
        with open(args.output, "rb") as f:
            if f.read() != data:
                print("%s is not up to date: run python3 examples/make-sample.py" % args.output, file=sys.stderr)
                return 1
        return 0
    with open(args.output, "wb") as f:
        f.write(data)
    print("%s: %d declarations, %d lines" % (args.output, len(declarations()), data.count(b"\r\n")))
    return 0


if __name__ == "__main__":
    sys.exit(main())
