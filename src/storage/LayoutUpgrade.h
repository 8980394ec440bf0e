#pragma once
// The start-up steps that bring a database of an earlier layout up to date:
// missing columns, the two rate tables whose key gained the rate, the values
// that older rows lack, the layout version row and the two reference rows
// that must exist. Each step works on the "Vexa" connection; a step that
// fails answers false and keeps the engine's message in error().

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace vexa::storage {

class LayoutUpgrade {
public:
    LayoutUpgrade();                           // on the "Vexa" connection
    explicit LayoutUpgrade(QSqlDatabase db);   // on another connection of either engine

    // Every step from addImportedFlag to addTaxpayerEmail, in their order.
    bool upgradeColumnsAndTables();

    bool addImportedFlag();            // Vexas.Importado, true for every old declaration
    bool addRateDifferential();        // Aliquota.VlrDifAliquota
    bool rebuildRateDifferential();    // Aliquota keyed with its rate
    bool rebuildRateComplement();      // AliquotaComp keyed with its rate
    bool fillMissingRates();           // null rates from AliquotaUF
    bool addRateComplementItems();     // Vexas.C79, Vexas.C710
    bool addLawPeriods();              // Leis.PerRLeiIni, Leis.PerRLeiFim
    bool fillDeclarationDefaults();    // zero C72, C76, C62, C74; drop rows without IE
    bool addTaxpayerState();           // Contribuintes.UF, "QX" for old rows
    bool addTaxpayerRegime();          // Contribuintes.TipoRegime, "N" for old rows
    bool addAccountantEmail();         // Declarante.email
    bool addTaxpayerEmail();           // Contribuintes.EmailCont
    bool addRowVersion();              // Vexas.VersaoRegistro, 0 for old rows
    bool hasLayoutVersion(bool* has);  // the "979" row of Controle
    bool writeLayoutVersion();         // in one transaction
    bool ensureItem15Activity();       // CNAE15 "3511501"
    bool ensureRateComplementRevenue(); // Tributos "105"

    const QString& error() const { return error_; }

private:
    bool exec(const QString& sql, const QVariantList& values = {});
    bool lacks(const QString& table, const QString& column, bool* lacking);
    // "alter table T add C <type>" when the column is missing, then the fills.
    bool addColumnIfMissing(const QString& table, const QString& column, const QString& type,
                            const QStringList& fills = {});
    bool copyIntoWorkTable(const QString& table, const QString& amountColumn);
    bool copyBackFromWorkTable(const QString& table, const QString& amountColumn);
    bool rebuildRateTable(const QString& table, const QString& rateColumn, const QString& amountColumn,
                          const QString& createStatement);
    bool fillRates(const QString& table, const QString& rateColumn);

    QSqlDatabase database() const;

    QSqlDatabase db_;
    bool onVexa_ = false;
    QString error_;
};

} // namespace vexa::storage
