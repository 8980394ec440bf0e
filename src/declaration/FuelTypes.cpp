#include "declaration/FuelTypes.h"

#include "common/Money.h"
#include "declaration/ChildTables.h"

namespace vexa::decl {

bool isFuelRetailer(const QString& atividade) { return atividade.trimmed() == kFuelRetailActivity; }

const QStringList& productPickerEntries() {
    static const QStringList entries = {QStringLiteral("1 GASOLINA AUTOMOTIVA"),
                                        QStringLiteral("2 ALCOOL CARBURANTE HIDRATADO"),
                                        QStringLiteral("3 OLEO DIESEL")};
    return entries;
}

QString productText(const std::optional<int>& product) {
    if (!product) return {};
    if (isValidProduct(product)) return productPickerEntries().at(*product - 1);
    return QString::number(*product);
}

std::optional<int> productFromTyped(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    const QChar first = t.at(0);
    if (first < QLatin1Char('0') || first > QLatin1Char('9')) return 0;
    return first.digitValue();
}

bool isValidProduct(const std::optional<int>& product) { return product && *product >= 1 && *product <= 3; }

qint64 EncerranteRow::volComSemIntervCalc() const {
    if (volComCemInterv > 0) return 0;
    const qint64 initial = leituraInicial.value_or(0);
    const qint64 final = leituraFinal.value_or(0);
    return final >= initial ? final - initial : 0;
}

bool EncerranteRow::sameStored(const EncerranteRow& o) const {
    return nSerieBomba == o.nSerieBomba && nBico == o.nBico && produto == o.produto &&
           leituraInicial == o.leituraInicial && leituraFinal == o.leituraFinal &&
           volComCemInterv == o.volComCemInterv && leituraInicialProdAnt == o.leituraInicialProdAnt &&
           leituraFinalProdAnt == o.leituraFinalProdAnt && produtoAnt == o.produtoAnt &&
           dataAlteracao == o.dataAlteracao;
}

bool TanqueRow::sameStored(const TanqueRow& o) const {
    return estTanque == o.estTanque && produto == o.produto && estQuantidade == o.estQuantidade;
}

bool AlcoolRow::sameStored(const AlcoolRow& o) const {
    return nNotaFiscal == o.nNotaFiscal && dtEmissaoNota == o.dtEmissaoNota && cnpjRemetente == o.cnpjRemetente &&
           ufOrigem == o.ufOrigem && money::roundTo(valorUnitario, 4) == money::roundTo(o.valorUnitario, 4) &&
           money::same(quantidade, o.quantidade);
}

} // namespace vexa::decl
