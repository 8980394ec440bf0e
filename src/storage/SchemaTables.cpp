// The tables of the database, as the program reads and writes them.
#include "storage/Schema.h"

namespace vexa::storage::schema {

namespace {

Column text(const char* name, int width) { return {QString::fromLatin1(name), Type::Text, width, {}}; }
Column real(const char* name) { return {QString::fromLatin1(name), Type::Float, 0, {}}; }
Column realZero(const char* name) { return {QString::fromLatin1(name), Type::Float, 0, QStringLiteral("0")}; }
Column integer(const char* name) { return {QString::fromLatin1(name), Type::Integer, 0, {}}; }
Column smallint(const char* name) { return {QString::fromLatin1(name), Type::SmallInt, 0, {}}; }
Column boolean(const char* name) { return {QString::fromLatin1(name), Type::Boolean, 0, {}}; }
Column date(const char* name) { return {QString::fromLatin1(name), Type::Date, 0, {}}; }
Column memo(const char* name) { return {QString::fromLatin1(name), Type::Memo, 0, {}}; }

QStringList fields(const char* list) {
    return QString::fromLatin1(list).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

Index index(const char* name, const char* list) { return {QString::fromLatin1(name), fields(list)}; }

// The four fields that identify a declaration; every child table starts with them.
QList<Column> declarationKey() {
    return {text("IE", 11), text("Ano", 4), text("Mes", 2), text("Retificacao", 2)};
}

const char* const kDecl = "IE;Ano;Mes;Retificacao";

QStringList declKeyPlus(const char* more) {
    QStringList k = fields(kDecl);
    k += fields(more);
    return k;
}

QList<Table> buildTables() {
    QList<Table> t;

    // --- registries -------------------------------------------------------
    t.append({QStringLiteral("Contribuintes"),
              {text("RazaoSocial", 50), text("IE", 11), text("CGC_CPF", 14), text("MunicipioID", 7),
               text("Senha", 4), text("NovaSenha", 4), text("AtividadeEconomicaPrincip", 7),
               text("CNAE1", 7), text("TipoEstabelecimento", 1), boolean("PortadorTare"),
               text("TipoEscrituracao", 1), text("Fone", 11), boolean("UsuarioECF"), text("CPF", 50),
               text("Nome", 50), text("NTare", 30), date("DataVctoTARE"), text("TipoRegime", 1),
               text("EmailCont", 60), text("UF", 2)},
              fields("IE"),
              {index("idxRazaoSocial", "RazaoSocial")}});

    t.append({QStringLiteral("Declarante"),
              {text("Nome", 50), text("CRC", 50), text("UF", 2), text("Telefone", 50),
               text("CPFCGC", 11), text("email", 60)},
              fields("CRC;UF"),
              {index("idxNome", "Nome")}});

    // --- reference tables ---------------------------------------------------
    t.append({QStringLiteral("Atividades"),
              {text("Codigo", 7), text("Descricao", 248)},
              fields("Codigo"),
              {index("idxAtividadesDescricao", "Descricao")}});

    t.append({QStringLiteral("atividades2"),
              {text("ATVCOD", 7), text("ATVDESC", 255)},
              fields("ATVCOD"),
              {}});

    t.append({QStringLiteral("CNAE15"), {text("CNAE", 7)}, fields("CNAE"), {}});

    t.append({QStringLiteral("Municipios"),
              {text("CodigoID", 7), text("Descricao", 50), text("ID", 3), integer("CodIBGE"),
               text("UF", 2)},
              fields("CodigoID"),
              {index("idxDescricao", "Descricao"), index("idxCodIBGE", "CodIBGE")}});

    t.append({QStringLiteral("UF"),
              {text("Codigo", 2), text("UF", 2)},
              fields("Codigo"),
              {index("idxUF", "UF")}});

    t.append({QStringLiteral("AliquotaUF"),
              {text("CodigoUF", 2), real("Aliquota"), real("AliquotaN"), real("AliquotaCF")},
              fields("CodigoUF"),
              {}});

    const QList<Column> lawColumns = {integer("CodLei"), text("Tipo", 20), text("DescLei", 255),
                                      date("PerRLeiIni"), date("PerRLeiFim")};
    t.append({QStringLiteral("Leis"), lawColumns, fields("CodLei"), {index("idxDescLei", "DescLei")}});
    t.append({QStringLiteral("LeisD"), lawColumns, fields("CodLei"), {index("idxDescLeiD", "DescLei")}});
    t.append({QStringLiteral("LeisDeb"), lawColumns, fields("CodLei"),
              {index("idxDescLeiDeb", "DescLei")}});

    t.append({QStringLiteral("cfop"),
              {smallint("CFOP"), integer("Ano"), memo("Descricao")},
              fields("CFOP;Ano"),
              {}});

    t.append({QStringLiteral("Operacoes44"),
              {text("EntradaSaida", 1), text("CodigoOperacao", 2), text("TipoOperacao", 1),
               text("CFOP", 50), text("Descricao", 50), text("CodigoOperacaoExibir", 2)},
              fields("EntradaSaida;CodigoOperacao"),
              {}});

    t.append({QStringLiteral("CFOP153"), {integer("CodigoOperacao")}, fields("CodigoOperacao"), {}});
    t.append({QStringLiteral("CFOP154"), {integer("CodigoOperacao")}, fields("CodigoOperacao"), {}});

    t.append({QStringLiteral("Tributos"),
              {text("CodigoID", 5), text("Descricao", 80), text("ID", 2), smallint("Tipo"),
               text("Distribuicao", 1)},
              fields("CodigoID"),
              {index("idxTributosDescricao", "Descricao")}});

    t.append({QStringLiteral("CalendarioFiscal"),
              {text("Ano", 4), text("Mes", 2), date("DataVencimento")},
              fields("Ano;Mes"),
              {}});

    t.append({QStringLiteral("IndicesEconomicos"),
              {integer("CodigoIndice"), date("Data"), real("Valor")},
              fields("CodigoIndice;Data"),
              {index("idxDataDesc", "Data")}});

    // --- control and work tables --------------------------------------------
    t.append({QStringLiteral("Controle"), {text("Versao", 3)}, fields("Versao"), {}});

    t.append({QStringLiteral("Aliquota2"),
              declarationKey() + QList<Column>{text("UF", 2), text("DomicilioFiscal", 1),
                                               real("VlrContabil"), real("VlrBaseCalculo"),
                                               real("VlrDifAliquota"), integer("CidadeID")},
              {},
              {}});

    // --- the declaration and its sheets ---------------------------------------
    t.append({QStringLiteral("Vexas"),
              declarationKey() +
                  QList<Column>{realZero("SaldoInicialCaixa"), realZero("SaldoFinalCaixa"),
                                text("CRCContador", 10), text("UF", 2), text("CPF", 50),
                                text("NomeResponsavel", 50), realZero("C51"), realZero("C52"),
                                realZero("C53"), realZero("C79"), realZero("C710"), realZero("C61"),
                                realZero("C62"), realZero("C63"), realZero("C64"), realZero("C72"),
                                realZero("C76"), realZero("C77"), realZero("C81"), realZero("C82"),
                                realZero("C83"), realZero("C84"), realZero("C85"),
                                text("TipoEncerrante", 1), realZero("C74"), text("ObsEncerrantes", 255),
                                text("MudaDomicilio", 1), integer("CidadeB"), date("DtIniA"),
                                date("DtFimA"), date("DtIniB"), date("DtFimB"),
                                {QStringLiteral("Importado"), Type::Boolean, 0, QStringLiteral("1")},
                                realZero("C713"), realZero("C714"), realZero("C716"),
                                // the change stamp: one more at every save of the row
                                {QStringLiteral("VersaoRegistro"), Type::Integer, 0, QStringLiteral("0")}},
              fields(kDecl),
              {}});

    t.append({QStringLiteral("MovimentacaoPorOperacoes42"),
              declarationKey() +
                  QList<Column>{integer("CodigoOperacao"), text("DomicilioFiscal", 1),
                                text("EntradaSaida", 1), integer("CidadeID"), text("TipoOperacao", 1),
                                real("BaseCalculo"), real("IsentasNaoTributadas"), real("Outras"),
                                real("SubstituicaoTributaria"), real("ValorContabil"),
                                real("ImpostoCreditado")},
              declKeyPlus("CodigoOperacao;DomicilioFiscal"),
              {}});

    t.append({QStringLiteral("MovimentacaoPorUF"),
              declarationKey() +
                  QList<Column>{text("EntradaSaida", 1), text("UF", 2), text("DomicilioFiscal", 1),
                                real("ValorContabilA"), real("ValorContabilB"), real("BaseCalculoA"),
                                real("BaseCalculoB"), real("CredDebImpostoA"), real("CredDebImpostoB"),
                                real("IsentasNaoTributadas"), real("Outras"), real("SubsTributaria")},
              declKeyPlus("EntradaSaida;UF;DomicilioFiscal"),
              {}});

    t.append({QStringLiteral("DemostrativoEstoque"),
              declarationKey() +
                  QList<Column>{real("EITributadas"), real("EIIsentasNaoTributadas"), real("EIOutras"),
                                real("EISubstituicaoTributaria"), real("EFTributadas"),
                                real("EFIsentasNaoTributadas"), real("EFOutras"),
                                real("EFSubstituicaoTributaria"), real("EFTotal"), real("EITotal")},
              fields(kDecl),
              {}});

    t.append({QStringLiteral("ICMSRecolher"),
              declarationKey() + QList<Column>{text("TipoApuracao", 1), date("DtVencimento"), real("Valor")},
              declKeyPlus("TipoApuracao;DtVencimento"),
              {}});

    // The municipality list of item 15 is shown in the order it was typed: Seq.
    t.append({QStringLiteral("SaidasMun"),
              declarationKey() +
                  QList<Column>{integer("MunicipioID"), text("DomicilioFiscal", 1), realZero("VlrContabil"),
                                realZero("Devolucoes"), real("Total"), integer("CIdadeID")},
              declKeyPlus("MunicipioID;DomicilioFiscal"),
              {index("idxSaidasMunSeq", "IE;Ano;Mes;Retificacao;Seq")},
              true});

    t.append({QStringLiteral("MercadMuni"),
              declarationKey() +
                  QList<Column>{text("IEEmpresa", 12), text("DomicilioFiscal", 1), integer("MunicipioID"),
                                real("Valor"), integer("CidadeID")},
              declKeyPlus("IEEmpresa;DomicilioFiscal"),
              {}});

    t.append({QStringLiteral("NotasFiscal"),
              declarationKey() +
                  QList<Column>{text("IEEmpresa", 12), text("DomicilioFiscal", 1), integer("Num_nota"),
                                realZero("Valor")},
              declKeyPlus("IEEmpresa;DomicilioFiscal;Num_nota"),
              {}});

    t.append({QStringLiteral("Encerrantes"),
              declarationKey() +
                  QList<Column>{text("NSerieBomba", 0), integer("NBico"), integer("PRODUTO"),
                                integer("LeituraInicial"), integer("LeituraFinal"),
                                integer("VolComSemInterv"), integer("VolComCemInterv"),
                                integer("LeituraInicialProdAnt"), integer("LeituraFinalProdAnt"),
                                integer("ProdutoAnt"), date("DataAlteracao")},
              declKeyPlus("NSerieBomba;NBico"),
              {index("idxEncerrantesBico", "IE;Ano;Mes;Retificacao;NBico")}});

    t.append({QStringLiteral("EstTanque"),
              declarationKey() + QList<Column>{integer("EstTanque"), integer("PRODUTO"), integer("EstQuantidade")},
              declKeyPlus("EstTanque"),
              {}});

    t.append({QStringLiteral("InfoAlcool"),
              declarationKey() +
                  QList<Column>{integer("NNotaFiscal"), date("DtEmissaoNota"), text("CnpjRemetente", 18),
                                text("UfOrigem", 2), real("ValorUnitario"), real("Quantidade")},
              declKeyPlus("CnpjRemetente;NNotaFiscal"),
              {}});

    t.append({QStringLiteral("OutrosCred"), declarationKey() + QList<Column>{integer("CodLei"), real("Valor")},
              declKeyPlus("CodLei"), {}});
    t.append({QStringLiteral("OutrosDeb"), declarationKey() + QList<Column>{integer("CodLei"), real("Valor")},
              declKeyPlus("CodLei"), {}});
    t.append({QStringLiteral("Deducoes"),
              declarationKey() +
                  QList<Column>{real("ICMSDevido"), real("MediaICMS"), real("VlrDeducao"), integer("CodLei")},
              declKeyPlus("CodLei"),
              {}});

    t.append({QStringLiteral("Aliquota"),
              declarationKey() +
                  QList<Column>{text("UF", 2), real("Aliquota"), text("DomicilioFiscal", 1),
                                real("VlrContabil"), real("VlrBaseCalculo"), real("VlrDifAliquota"),
                                integer("CidadeID")},
              declKeyPlus("UF;DomicilioFiscal;Aliquota"),
              {}});

    t.append({QStringLiteral("AliquotaComp"),
              declarationKey() +
                  QList<Column>{text("UF", 2), real("AliquotaComp"), real("VlrContabil"),
                                real("VlrBaseCalculo"), real("VlrComAliquota"), text("DomicilioFiscal", 1),
                                integer("CidadeID")},
              declKeyPlus("UF;DomicilioFiscal;AliquotaComp"),
              {}});

    t.append({QStringLiteral("AliquotaConsumidor"),
              declarationKey() +
                  QList<Column>{text("UF", 2), text("DomicilioFiscal", 1), real("AliquotaConsumidor"),
                                real("VlrContabil"), real("VlrBaseCalculo"), real("VlrDifAliquota"),
                                integer("CidadeID"), real("Origem"), real("Destino")},
              declKeyPlus("UF;DomicilioFiscal;AliquotaConsumidor"),
              {}});

    t.append({QStringLiteral("Tare"),
              {text("IE", 11), text("ANO", 4), text("MES", 2), text("RETIFICACAO", 2),
               text("NumeroTare", 20), date("DataVencto")},
              fields("IE;ANO;MES;RETIFICACAO;NumeroTare"),
              {}});

    // A declaration holds any number of cash registers: the declaration key
    // finds them but does not tell them apart, so each row has its own Seq.
    t.append({QStringLiteral("ECF"),
              declarationKey() +
                  QList<Column>{text("NECF", 20), text("NFabricacao", 20), text("Marca", 20), text("Modelo", 20)},
              {},
              {index("idxECF", kDecl)},
              true});

    // --- payment slips -------------------------------------------------------
    t.append({QStringLiteral("dare"),
              declarationKey() +
                  QList<Column>{text("CodigoTributo", 5), text("Obs1", 40), text("Obs2", 40), text("Obs3", 40),
                                text("Doc_Origem", 30), date("DataPgto")},
              fields(kDecl),
              {}});

    t.append({QStringLiteral("DareAvulsas"),
              {text("IE", 11), text("Ano", 4), text("Mes", 2), text("CodigoTributo", 5), integer("Seq"),
               date("DataVencimento"), real("ValorReceita"), real("Multa"), real("Juros"),
               real("AtualizacaoFinaceira"), real("TSE"), text("Obs1", 40), text("Obs2", 40),
               text("Obs3", 40), text("Doc_Origem", 30), text("NumeroDoc", 20), text("TipoDoc", 255),
               text("Objeto", 1)},
              fields("IE;Ano;Mes;CodigoTributo;Seq"),
              {}});

    return t;
}

} // namespace

const QList<Table>& tables() {
    static const QList<Table> all = buildTables();
    return all;
}

} // namespace vexa::storage::schema
