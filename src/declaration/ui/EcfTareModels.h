#pragma once
// The grids of the editors "ECF" (3.8.1, the cash registers) and "TARE"
// (3.4.1, the agreements) opened from the declaration's first sheet.

#include "declaration/EcfTare.h"
#include "declaration/ui/SheetModel.h"

namespace vexa::decl::ui {

class EcfModel : public SheetModel<EcfRow> {
    Q_OBJECT
public:
    enum Column { NECF = 0, NFabricacao, Marca, Modelo, ColumnCount };

    explicit EcfModel(DeclarationKey key, QObject* parent = nullptr);
    bool hasTable() const override { return key_.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return NECF; }

    // Asks "Confirma Exclusão?" first.
    bool removeLine(int row, Prompter& prompter) override;

protected:
    bool canAppend() const override { return hasTable(); }
    QList<EcfRow> loadLines() const override { return hasTable() ? loadEcf(key_) : QList<EcfRow>{}; }
    EcfRow newLine() const override { return {}; }
    LineOutcome postLine(const EcfRow& line, const std::optional<EcfRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString&) const override { return -1; }
    bool deleteStored(const EcfRow& line, QString* error) override { return deleteEcfRow(key_, line, error); }

private:
    DeclarationKey key_;
};

class TareModel : public SheetModel<TareRow> {
    Q_OBJECT
public:
    enum Column { NumeroTare = 0, DataVencto, ColumnCount };

    explicit TareModel(DeclarationKey key, QObject* parent = nullptr);
    bool hasTable() const override { return key_.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return NumeroTare; }

    // Asks "Confirma Exclusão do TARE: " + number + "?" first.
    bool removeLine(int row, Prompter& prompter) override;

protected:
    bool canAppend() const override { return hasTable(); }
    QList<TareRow> loadLines() const override { return hasTable() ? loadTare(key_) : QList<TareRow>{}; }
    TareRow newLine() const override { return {}; }
    LineOutcome postLine(const TareRow& line, const std::optional<TareRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const TareRow& line, QString* error) override { return deleteTareRow(key_, line, error); }
    int rowOfPosted(const TareRow& posted) const override;

private:
    DeclarationKey key_;
};

} // namespace vexa::decl::ui
