#!/usr/bin/env python3
"""Writes the legal grounds under data/reference/:

  Leis.csv     grounds for other credits (item 6.2.1)
  LeisD.csv    grounds for deductions (item 7.2.1)
  LeisDeb.csv  grounds for other debits (item 5.2.1)

Codes are 1 to 99 (the declaration file holds them in two digits).  Fixed roles:
credit 98 is the tax to pay below R$ 50,00 carried to the next period, debit 98
the same amount brought back from the previous one; deduction 99 is the only
deduction that does not come from a TARE.  Deductions of kind "PROSPERAR" are
computed by the program (75 % of the increase over the average ICMS, less 5 %);
codes 3 to 6 and 99 are typed.  Grounds of kind "TARE" among the credits ask
for the TARE details of item 3.4.1.  Run with --check to validate only.

The state's legislation cited here:
  Lei nº 1.287/2001     Código Tributário do Estado de Verdalena
  Decreto nº 2.912/2006 Regulamento do ICMS (RICMS/QX)
  Lei nº 1.385/2003     Programa de Desenvolvimento Econômico PROSPERAR and the TARE
  Lei nº 2.104/2009     PROINDÚSTRIA/QX
  Lei nº 3.210/2019     centrais de distribuição, after the reinstatement of incentives
                        under Lei Complementar nº 160/2017 and Convênio ICMS 190/2017
  Portaria KORVA nº 916/2005  small balances carried to the next period
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import refcsv  # noqa: E402

OPEN = None

# (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim)
CREDITS = [
    (1, "CRÉDITO PRESUMIDO",
     "Art. 9º, inciso I, do RICMS/QX - crédito presumido nas saídas internas de carne e produtos comestíveis "
     "resultantes do abate de bovinos, bufalinos e suínos", "2007-01-01", OPEN),
    (2, "CRÉDITO PRESUMIDO",
     "Art. 9º, inciso II, do RICMS/QX - crédito presumido de 20% do imposto devido nas saídas de leite "
     "pasteurizado e derivados lácteos", "2007-01-01", "2016-12-31"),
    (3, "CRÉDITO PRESUMIDO",
     "Art. 9º, inciso V, do RICMS/QX - crédito presumido de 20% do imposto devido na prestação de serviço "
     "de transporte, em substituição aos créditos efetivos", "2007-01-01", OPEN),
    (4, "ESTORNO DE DÉBITO",
     "Art. 37 do RICMS/QX - estorno de débito do imposto destacado a maior ou indevidamente em documento fiscal",
     "2007-01-01", OPEN),
    (5, "ATIVO IMOBILIZADO",
     "Art. 29, § 6º, do RICMS/QX - crédito de 1/48 do imposto das entradas de bens do ativo imobilizado "
     "(CIAP), na forma do art. 20, § 5º, da Lei Complementar nº 87/1996", "2007-01-01", OPEN),
    (6, "TRANSFERÊNCIA",
     "Art. 43 do RICMS/QX - saldo credor recebido por transferência de outro estabelecimento do mesmo titular",
     "2007-01-01", OPEN),
    (7, "RESSARCIMENTO",
     "Art. 61 do RICMS/QX - ressarcimento do imposto retido por substituição tributária, nas saídas "
     "interestaduais ou isentas de mercadoria recebida com retenção", "2007-01-01", OPEN),
    (8, "DEVOLUÇÃO",
     "Art. 38 do RICMS/QX - crédito do imposto debitado na saída de mercadoria devolvida por consumidor final "
     "não contribuinte", "2007-01-01", OPEN),
    (9, "CRÉDITO EXTEMPORÂNEO",
     "Art. 31, § 2º, do RICMS/QX - crédito extemporâneo autorizado pela KORVA em processo administrativo",
     "2007-01-01", OPEN),
    (10, "TARE",
     "Lei nº 1.385/2003, art. 2º - crédito presumido outorgado em Termo de Acordo de Regime Especial (TARE) "
     "a estabelecimento industrial", "2007-01-01", OPEN),
    (11, "TARE",
     "Lei nº 1.385/2003, art. 3º - crédito presumido outorgado em TARE a estabelecimento atacadista ou "
     "distribuidor", "2007-01-01", "2019-12-31"),
    (12, "TARE",
     "Lei nº 3.210/2019, art. 4º - crédito outorgado em TARE a central de distribuição, nas saídas "
     "interestaduais", "2020-01-01", OPEN),
    (13, "TARE",
     "Lei nº 2.104/2009 (PROINDÚSTRIA/QX), art. 6º - crédito presumido nas saídas de produtos industrializados "
     "no Estado, conforme TARE", "2009-07-01", OPEN),
    (14, "CRÉDITO PRESUMIDO",
     "Convênio ICMS 106/1996 e art. 9º, inciso VII, do RICMS/QX - crédito presumido de 20% para empresas de "
     "transporte aéreo", "2007-01-01", "2017-12-31"),
    (15, "ENERGIA ELÉTRICA",
     "Art. 29, inciso III, do RICMS/QX - crédito da energia elétrica consumida no processo de industrialização, "
     "apurado em laudo técnico", "2007-01-01", OPEN),
    (98, "OUTROS",
     "Imposto a Recolher inferior a R$ 50,00 a ser transportado para o período seguinte (Portaria KORVA nº 916, "
     "de 15 de junho de 2005, art. 2º, inciso I)", "2005-07-01", OPEN),
    (99, "OUTROS",
     "Outros créditos previstos na legislação tributária estadual, não especificados nos demais códigos",
     "2007-01-01", OPEN),
]

DEDUCTIONS = [
    (1, "PROSPERAR",
     "Lei nº 1.385/2003 (programa \"PROSPERAR\"), art. 4º, inciso I - financiamento de 75% do ICMS incremental, implantação de "
     "indústria", "2007-01-01", OPEN),
    (2, "PROSPERAR",
     "Lei nº 1.385/2003, art. 4º, inciso II - financiamento de 75% do ICMS incremental, ampliação ou "
     "modernização de indústria", "2007-01-01", OPEN),
    (3, "TARE",
     "Lei nº 1.385/2003, art. 5º - dedução do valor investido em infraestrutura de uso público, conforme TARE",
     "2007-01-01", OPEN),
    (4, "TARE",
     "Lei nº 1.385/2003, art. 6º - dedução da contribuição ao Fundo de Desenvolvimento Econômico do Estado, "
     "conforme TARE", "2007-01-01", "2017-12-31"),
    (5, "TARE",
     "Lei nº 2.104/2009 (PROINDÚSTRIA/QX), art. 8º - dedução de parcela do imposto fixada em TARE",
     "2009-07-01", OPEN),
    (6, "TARE",
     "Lei nº 3.210/2019, art. 6º - dedução de parcela do imposto fixada em TARE, central de distribuição",
     "2020-01-01", OPEN),
    (7, "PROSPERAR",
     "Lei nº 1.385/2003, art. 4º, inciso III - financiamento de 75% do ICMS incremental, agroindústria",
     "2007-01-01", "2019-12-31"),
    (8, "PROSPERAR",
     "Lei nº 3.210/2019, art. 2º - financiamento de 75% do ICMS incremental, agroindústria (reinstituído)",
     "2020-01-01", OPEN),
    (99, "OUTRAS DEDUÇÕES",
     "Outras deduções previstas na legislação tributária estadual, não vinculadas a TARE", "2007-01-01", OPEN),
]

DEBITS = [
    (1, "ESTORNO DE CRÉDITO",
     "Art. 32, inciso I, do RICMS/QX - estorno do crédito de mercadoria ou serviço objeto de saída ou "
     "prestação isenta ou não tributada", "2012-09-01", OPEN),
    (2, "ESTORNO DE CRÉDITO",
     "Art. 32, inciso IV, do RICMS/QX - estorno do crédito de mercadoria perecida, deteriorada, extraviada, "
     "furtada ou roubada", "2012-09-01", OPEN),
    (3, "ESTORNO DE CRÉDITO",
     "Art. 32, § 3º, do RICMS/QX - estorno proporcional do crédito do ativo imobilizado (CIAP) pelas saídas "
     "isentas ou não tributadas", "2012-09-01", OPEN),
    (4, "TARE",
     "Lei nº 1.385/2003, art. 8º - imposto devido pelo descumprimento de condição do Termo de Acordo de "
     "Regime Especial (TARE)", "2012-09-01", OPEN),
    (5, "TRANSFERÊNCIA",
     "Art. 43 do RICMS/QX - saldo credor transferido a outro estabelecimento do mesmo titular",
     "2012-09-01", OPEN),
    (6, "ANTECIPAÇÃO",
     "Art. 50 do RICMS/QX - complemento do imposto antecipado nas entradas interestaduais de mercadoria "
     "para comercialização", "2012-09-01", "2018-12-31"),
    (7, "COMPLEMENTO",
     "Art. 47 do RICMS/QX - complemento do imposto por reajuste de preço ou diferença de quantidade apurada "
     "após a saída", "2012-09-01", OPEN),
    (98, "OUTROS DÉBITOS",
     "Imposto a Recolher inferior a R$ 50,00 transportado do período anterior (Portaria KORVA nº 916, de 15 "
     "de junho de 2005, art. 2º, inciso I)", "2012-09-01", OPEN),
    (99, "OUTROS DÉBITOS",
     "Outros débitos previstos na legislação tributária estadual, não especificados nos demais códigos",
     "2012-09-01", OPEN),
]

HEADER = ["CodLei", "Tipo", "DescLei", "PerRLeiIni", "PerRLeiFim"]
WIDTHS = {"Tipo": 20, "DescLei": 255}


def check(name, rows, fixed):
    for code, kind, text, start, end in rows:
        if not 1 <= code <= 99:
            raise refcsv.TableError(f"{name}: code {code} does not fit the file's two digits")
        if not kind or not text:
            raise refcsv.TableError(f"{name}: code {code} without kind or description")
        if end is not None and end < start:
            raise refcsv.TableError(f"{name}: code {code} ends before it starts")
    codes = {r[0] for r in rows}
    if not fixed <= codes:
        raise refcsv.TableError(f"{name}: missing the codes {sorted(fixed - codes)}")


def main(argv):
    check_only = "--check" in argv
    check("Leis", CREDITS, {98})
    check("LeisD", DEDUCTIONS, {99})
    check("LeisDeb", DEBITS, {98})
    if not any(r[1] == "TARE" for r in CREDITS):
        raise refcsv.TableError("Leis: no TARE ground")
    paths = [refcsv.write_table(name, HEADER, [list(r) for r in rows], ["CodLei"], WIDTHS, check_only=check_only)
             for name, rows in (("Leis", CREDITS), ("LeisD", DEDUCTIONS), ("LeisDeb", DEBITS))]
    for path in paths:
        print(("checked " if check_only else "wrote ") + os.path.relpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
