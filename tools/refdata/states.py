#!/usr/bin/env python3
"""Writes the state and municipality tables under data/reference/:

  UF.csv          the 27 federative units and abroad, letter and numeric codes
  AliquotaUF.csv  the ICMS rates the program accepts per state
  Municipios.csv  the municipalities of the home state and the main cities of the others

The home state is Verdalena ("QX", numeric code "29").  It takes the place of
Mato Grosso in the national list; the other 26 units keep the numbering of the
old alphabetical list of units (by name, "09" and "11" left unused), with
Mato Grosso's place taken out.  Run with --check to validate without writing.
"""

import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import refcsv  # noqa: E402

HOME = "QX"

# Letter code, numeric code, name; in the order of the numeric codes.
UNITS = [
    ("AC", "01", "Acre"), ("AL", "02", "Alagoas"), ("AP", "03", "Amapá"), ("AM", "04", "Amazonas"),
    ("BA", "05", "Bahia"), ("CE", "06", "Ceará"), ("DF", "07", "Distrito Federal"),
    ("ES", "08", "Espírito Santo"), ("GO", "10", "Goiás"), ("MA", "12", "Maranhão"),
    ("MS", "13", "Mato Grosso do Sul"), ("MG", "14", "Minas Gerais"), ("PA", "15", "Pará"),
    ("PB", "16", "Paraíba"), ("PR", "17", "Paraná"), ("PE", "18", "Pernambuco"), ("PI", "19", "Piauí"),
    ("RJ", "20", "Rio de Janeiro"), ("RN", "21", "Rio Grande do Norte"), ("RS", "22", "Rio Grande do Sul"),
    ("RO", "23", "Rondônia"), ("RR", "24", "Roraima"), ("SC", "25", "Santa Catarina"),
    ("SP", "26", "São Paulo"), ("SE", "27", "Sergipe"), ("TO", "28", "Tocantins"),
    ("QX", "29", "Verdalena"), ("EX", "90", "Exterior"),
]

NUMERIC_CODES = [f"{n:02d}" for n in list(range(1, 9)) + [10] + list(range(12, 30))] + ["90"]

# --- Rates ------------------------------------------------------------------
# Aliquota: the rate on goods that come from the state into Verdalena: 7 % from
# the South and Southeast (Espírito Santo excepted), 12 % from the others
# (Senate Resolution 22/1989); for Verdalena itself its internal rate, 17 %.
# AliquotaN: 4 % on imported goods (Senate Resolution 13/2012), accepted from 2013.
# AliquotaCF: the state's internal rate for operations with final consumers
# (rate differential of Constitutional Amendment 87/2015) as in force in 2022,
# before the increases of 2023; rates of the poverty funds are not included.
SEVEN_PERCENT_ORIGINS = {"MG", "PR", "RJ", "RS", "SC", "SP"}
HOME_INTERNAL_RATE = 17
IMPORTED_GOODS_RATE = 4

INTERNAL_RATE_2022 = {
    "AC": 17, "AL": 17, "AP": 18, "AM": 18, "BA": 18, "CE": 18, "DF": 18, "ES": 17, "GO": 17,
    "MA": 18, "MS": 17, "MG": 18, "PA": 17, "PB": 18, "PR": 18, "PE": 18, "PI": 18, "RJ": 18,
    "RN": 18, "RS": 17, "RO": 17.5, "RR": 17, "SC": 17, "SP": 18, "SE": 18, "TO": 18,
    "QX": HOME_INTERNAL_RATE,
}


def number(v):
    return f"{v:g}"


def rate_rows():
    rows = []
    for letters, code, _ in UNITS:
        if letters == "EX":
            continue  # no interstate or final-consumer rate applies abroad
        if letters == HOME:
            rate, second = HOME_INTERNAL_RATE, HOME_INTERNAL_RATE
        else:
            rate = 7 if letters in SEVEN_PERCENT_ORIGINS else 12
            second = IMPORTED_GOODS_RATE
        rows.append([code, number(rate), number(second), number(INTERNAL_RATE_2022[letters])])
    return rows


# --- Municipalities -----------------------------------------------------------
# Verdalena: capital first, then the others; the order of the list does not matter.
HOME_MUNICIPALITIES = """
Nova Verdalena
Água Boa do Verdal
Águas Claras do Norte
Alto Bonito
Alto Paraíso do Verdal
Alvorada da Serra
Angical do Verdal
Araguaci
Arraial das Pedras
Bacaba
Bacuri do Norte
Barra do Corrente
Barreiro Branco
Bela Vista do Verdal
Boa Esperança do Sul
Bom Jardim da Serra Azul
Buriti do Verdal
Buritizal
Cachoeira Grande
Campo Alegre do Verdal
Campos Verdes do Norte
Canabrava
Capão Bonito do Norte
Carnaubal do Sul
Cerrado Alto
Chapada das Emas
Colinas do Verdal
Conceição do Tapuio
Coqueiral do Norte
Córrego Fundo
Cristalina do Verdal
Curral Novo
Divinópolis do Verdal
Dom Bosco do Verdal
Esperantina do Sul
Estrela do Araguaci
Fazenda Nova
Figueirópolis do Norte
Flor da Serra
Formosa do Verdal
Fortaleza do Tapuio
Glória do Verdal
Guaporé do Sul
Ibiraci do Verdal
Igarapé Grande
Independência
Ipameri do Norte
Itaguaçu do Verdal
Itapirema
Itaporã do Araguaci
Jacarezinho do Verdal
Jardim do Cerrado
Jatobá
Juruena do Sul
Lagoa Dourada
Lagoa Santa do Norte
Lajeado das Pedras
Luzilândia do Verdal
Marajá do Sul
Mata Verde
Mirador do Norte
Monte Alegre do Verdal
Morro Azul
Nazaré do Tapuio
Nossa Senhora da Guia
Nova Aliança
Nova Brasilândia do Norte
Nova Canaã
Nova Esperança do Araguaci
Nova Fronteira
Nova Olinda do Sul
Novo Horizonte do Verdal
Olhos d'Água do Verdal
Ouro Verde
Palmeiras do Tapuio
Paraíso do Araguaci
Pau d'Arco do Norte
Pedra Branca
Pindorama do Verdal
Piracema
Planalto da Serra Verde
Ponte Alta do Verdal
Porto Alegre do Araguaci
Porto Esperança
Porto Seguro do Verdal
Pouso Alegre do Sul
Primavera do Verdal
Quatro Bocas
Queimada Nova
Riachão do Verdal
Ribeirão das Antas
Ribeirão Verde
Rio Branco do Verdal
Rio Claro do Tapuio
Rio dos Bois
Rio Sono do Sul
Rosário do Verdal
Santa Cruz do Araguaci
Santa Fé do Verdal
Santa Luzia do Tapuio
Santa Maria do Verdal
Santa Rita do Araguaci
Santa Teresa do Norte
Santana do Verdal
Santo Antônio do Cerrado
São Bento do Verdal
São Félix do Tapuio
São Francisco do Verdal
São João das Missões do Sul
São José do Araguaci
São Miguel do Verdal
São Pedro da Serra Azul
São Sebastião do Verdal
São Valério do Norte
Serra Dourada do Verdal
Serra Nova
Sítio Novo
Sucupira do Norte
Tabocão
Tapuio
Taquaruçu do Verdal
Terra Nova do Araguaci
Tesouro
Três Barras do Norte
Tupirama do Verdal
Uirapuru
Vale do Sol
Vargem Grande do Verdal
Várzea Alegre do Norte
Vera Cruz do Verdal
Vila Bela do Araguaci
Vila Rica do Verdal
Xambioá do Sul
Xavantina
"""

# Municipal part of the first IBGE-style code of the home state and the step
# between two municipalities in name order.  The home state's codes begin with
# 29 like Bahia's (which end below 2934000), so they start at 2940000 and never
# meet a real code of that state.
HOME_IBGE_START = 4000
HOME_IBGE_STEP = 40

# The other units: capital first, then further cities, with their IBGE codes.
OTHER_MUNICIPALITIES = {
    "AC": [("Rio Branco", 1200401), ("Cruzeiro do Sul", 1200203)],
    "AL": [("Maceió", 2704302), ("Arapiraca", 2700300)],
    "AP": [("Macapá", 1600303), ("Santana", 1600600)],
    "AM": [("Manaus", 1302603), ("Itacoatiara", 1301902), ("Parintins", 1303403)],
    "BA": [("Salvador", 2927408), ("Feira de Santana", 2910800), ("Vitória da Conquista", 2933307)],
    "CE": [("Fortaleza", 2304400), ("Caucaia", 2303709), ("Juazeiro do Norte", 2307304), ("Sobral", 2312908)],
    "DF": [("Brasília", 5300108)],
    "ES": [("Vitória", 3205309), ("Cariacica", 3201308), ("Serra", 3205002), ("Vila Velha", 3205200)],
    "GO": [("Goiânia", 5208707), ("Anápolis", 5201108), ("Aparecida de Goiânia", 5201405),
           ("Rio Verde", 5218805)],
    "MA": [("São Luís", 2111300), ("Caxias", 2103000), ("Imperatriz", 2105302), ("Timon", 2112209)],
    "MS": [("Campo Grande", 5002704), ("Dourados", 5003702), ("Três Lagoas", 5008305)],
    "MG": [("Belo Horizonte", 3106200), ("Betim", 3106705), ("Contagem", 3118601), ("Juiz de Fora", 3136702),
           ("Montes Claros", 3143302), ("Uberlândia", 3170206)],
    "PA": [("Belém", 1501402), ("Ananindeua", 1500800), ("Marabá", 1504208), ("Parauapebas", 1505536),
           ("Santarém", 1506807)],
    "PB": [("João Pessoa", 2507507), ("Bayeux", 2501807), ("Campina Grande", 2504009), ("Patos", 2510808)],
    "PR": [("Curitiba", 4106902), ("Cascavel", 4104808), ("Foz do Iguaçu", 4108304), ("Londrina", 4113700),
           ("Maringá", 4115200), ("Ponta Grossa", 4119905)],
    "PE": [("Recife", 2611606), ("Caruaru", 2604106), ("Jaboatão dos Guararapes", 2607901),
           ("Petrolina", 2611101)],
    "PI": [("Teresina", 2211001), ("Parnaíba", 2207702), ("Picos", 2208007)],
    "RJ": [("Rio de Janeiro", 3304557), ("Duque de Caxias", 3301702), ("Macaé", 3302403),
           ("Niterói", 3303302), ("Nova Iguaçu", 3303500), ("São Gonçalo", 3304904)],
    "RN": [("Natal", 2408102), ("Mossoró", 2408003)],
    "RS": [("Porto Alegre", 4314902), ("Canoas", 4304606), ("Caxias do Sul", 4305108), ("Pelotas", 4314407),
           ("Santa Maria", 4316907)],
    "RO": [("Porto Velho", 1100205), ("Ariquemes", 1100023), ("Ji-Paraná", 1100122), ("Vilhena", 1100304)],
    "RR": [("Boa Vista", 1400100), ("Rorainópolis", 1400472)],
    "SC": [("Florianópolis", 4205407), ("Blumenau", 4202404), ("Chapecó", 4204202), ("Itajaí", 4208203),
           ("Joinville", 4209102), ("Palhoça", 4211900)],
    "SP": [("São Paulo", 3550308), ("Campinas", 3509502), ("Guarulhos", 3518800), ("Osasco", 3534401),
           ("Ribeirão Preto", 3543402), ("Santo André", 3547809), ("Santos", 3548500),
           ("São Bernardo do Campo", 3548708), ("São José dos Campos", 3549904), ("Sorocaba", 3552205)],
    "SE": [("Aracaju", 2800308), ("Lagarto", 2803500), ("Nossa Senhora do Socorro", 2804805)],
    "TO": [("Palmas", 1721000), ("Araguaína", 1702109), ("Gurupi", 1709500)],
}

# Abroad: the code that invoices and the national registers use for a foreign place.
ABROAD = ("Exterior", 9999999)

SMALL_WORDS = {"do", "da", "dos", "das", "de", "d'"}


def plain(text):
    """Upper-case letters without accents, for sorting and short codes."""
    decomposed = unicodedata.normalize("NFD", text)
    return "".join(c for c in decomposed if unicodedata.category(c) != "Mn").upper()


def ibge_check_digit(six):
    """Check digit of an IBGE municipality code: weights 1, 2, 1, 2, 1, 2, digits of products summed."""
    total = 0
    for i, ch in enumerate(six):
        p = int(ch) * (1 if i % 2 == 0 else 2)
        total += p if p < 10 else p - 9
    return (10 - total % 10) % 10


def short_code(name, used):
    """A three-letter code from the name's significant words, unique in the table."""
    words = [w for w in plain(name).replace("D'", "D' ").replace("-", " ").split()
             if w.lower() not in SMALL_WORDS and w.isalpha()]
    letters = "".join(words)
    candidates = []
    if len(words) >= 3:
        candidates.append(words[0][0] + words[1][0] + words[2][0])
    if len(words) == 2:
        candidates += [words[0][:2] + words[1][0], words[0][0] + words[1][:2]]
    candidates.append(letters[:3])
    for i in range(1, len(letters)):
        for j in range(i + 1, len(letters)):
            candidates.append(letters[0] + letters[i] + letters[j])
    for c in candidates:
        if len(c) == 3 and c not in used:
            used.add(c)
            return c
    for n in range(10, 100):
        c = letters[0] + str(n)
        if c not in used:
            used.add(c)
            return c
    raise refcsv.TableError(f"no short code left for {name}")


def municipality_rows():
    numeric = {letters: code for letters, code, _ in UNITS}
    used = set()
    rows = []
    home = [n.strip() for n in HOME_MUNICIPALITIES.strip().splitlines()]
    if len(set(home)) != len(home):
        raise refcsv.TableError("Municipios: a home-state name is listed twice")
    for i, name in enumerate(sorted(home, key=plain), 1):
        part = HOME_IBGE_START + HOME_IBGE_STEP * i
        six = f"29{part:04d}"
        code = int(six + str(ibge_check_digit(six)))
        rows.append([f"29{i:05d}", name, short_code(name, used), code, HOME])
    for letters, cities in OTHER_MUNICIPALITIES.items():
        capital, others = cities[0], sorted(cities[1:], key=lambda c: plain(c[0]))
        for i, (name, code) in enumerate([capital] + others, 1):
            s = str(code)
            if len(s) != 7 or int(s[6]) != ibge_check_digit(s[:6]):
                raise refcsv.TableError(f"Municipios: IBGE code {code} of {name} fails its check digit")
            rows.append([f"{numeric[letters]}{i:05d}", name, short_code(name, used), code, letters])
    rows.append([f"{numeric['EX']}00001", ABROAD[0], short_code(ABROAD[0], used), ABROAD[1], "EX"])
    return rows


def check_units():
    letters = [u[0] for u in UNITS]
    codes = [u[1] for u in UNITS]
    if sorted(codes) != sorted(NUMERIC_CODES) or len(set(letters)) != 28:
        raise refcsv.TableError("UF: the codes do not match the numeric code list")
    if dict((u[0], u[1]) for u in UNITS)[HOME] != "29" or dict((u[0], u[1]) for u in UNITS)["EX"] != "90":
        raise refcsv.TableError("UF: QX must be 29 and EX 90")


def main(argv):
    check_only = "--check" in argv
    check_units()
    municipalities = municipality_rows()
    ibge = [r[3] for r in municipalities]
    if len(set(ibge)) != len(ibge):
        raise refcsv.TableError("Municipios: an IBGE code repeats")
    names = [(r[1], r[4]) for r in municipalities]
    if len(set(names)) != len(names):
        raise refcsv.TableError("Municipios: a name repeats within a state")
    missing = {u[0] for u in UNITS} - {r[4] for r in municipalities}
    if missing:
        raise refcsv.TableError(f"Municipios: no municipality for {sorted(missing)}")
    paths = [
        refcsv.write_table("UF", ["Codigo", "UF"], [[u[1], u[0]] for u in UNITS], ["Codigo"],
                           widths={"Codigo": 2, "UF": 2}, check_only=check_only),
        refcsv.write_table("AliquotaUF", ["CodigoUF", "Aliquota", "AliquotaN", "AliquotaCF"], rate_rows(),
                           ["CodigoUF"], widths={"CodigoUF": 2}, check_only=check_only),
        refcsv.write_table("Municipios", ["CodigoID", "Descricao", "ID", "CodIBGE", "UF"], municipalities,
                           ["CodigoID"], widths={"CodigoID": 7, "Descricao": 50, "ID": 3, "UF": 2},
                           check_only=check_only),
    ]
    refcsv.check_rows("Municipios", ["ID"], [[r[2]] for r in municipalities], ["ID"])
    for path in paths:
        print(("checked " if check_only else "wrote ") + os.path.relpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
