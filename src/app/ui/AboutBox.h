#pragma once
// "Sobre o Sistema": the program's name, version, the tax authority, the
// state government and the date of this version.

#include <QDialog>

namespace vexa::app {

inline const QString kTaxAuthorityName = QStringLiteral("KORVA - Secretaria de Estado da Fazenda");
inline const QString kGovernmentName = QStringLiteral("Governo do Estado do Verdalena");
inline const QString kVersionDate = QStringLiteral("07.03.2024");

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace vexa::app
