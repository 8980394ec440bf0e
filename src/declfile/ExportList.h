#pragma once
// The declarations the export offers for one reference period, and the text
// of a list item, from which the export later takes the declaration back.

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::declfile {

// The export screen's messages and hint.
namespace export_msg {
inline const QString NenhumaVexaNoPeriodo =
    QStringLiteral("Nenhuma VEXA cadastrada para o per&iacute;odo informado!!!");
inline const QString InformePeriodo = QStringLiteral("Informe o Período!");
inline const QString NenhumaSelecionada =
    QStringLiteral("Nenhuma VEXA foi selecionada, informe o período desejado e clique em Atualizar.");
inline const QString HintPeriodo = QStringLiteral("Informe o período no formato MesAno(mmaaaa)");
} // namespace export_msg

// One ticked declaration, as taken back from its item text.
struct ExportItem {
    QString ie;            // SoNumeros of characters 1 to 13
    QString name;          // characters 15 to 64 (the name as listed, blank-padded)
    QString retificacao;   // characters 71 and 72

    bool operator==(const ExportItem&) const = default;
};

// The IE formatted "99.999.999-9" (12 characters), two blanks, the first 51
// characters of the name padded with blanks to 56, and the Retificacao.
QString exportItemText(const QString& ie, const QString& razaoSocial, const QString& retificacao);
ExportItem exportItemFromText(const QString& itemText);

// One item per taxpayer of the period "MMYYYY" (`Mes`+`Ano`): the declarations
// with `Importado` true, grouped by taxpayer name, IE, year and month, with the
// group's highest `Retificacao`; in name then IE order. The period text is
// used as it stands (five digits find nothing). False with the engine's
// message when the statement fails.
bool exportListItems(const QString& mmyyyy, QStringList& items, QString* error);

// "VEXA" + the period's digits + ".qx": VEXA072025.qx.
QString proposedFileName(const QString& periodText);

} // namespace vexa::declfile
