#pragma once
// "Ajuda Vexa Eletrônica": a help page of the program folder in an HTML view,
// with "&Fechar" and, for the changes page shown at start, the check box
// "Não exibir esta janela novamente" that stops it from opening again.

#include "common/ProgramFolder.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QTextBrowser;

namespace vexa::app {

inline const QString kChangesPage = QStringLiteral("Quemudou.htm");
inline const QString kGuidancePage = QStringLiteral("Orientacoes.htm");
inline const QString kLayoutPage = QStringLiteral("Leiautevexa10.0.htm");

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // page: a file name in the program folder. showHideBox: the changes page at start.
    HelpWindow(const ProgramFolder& folder, const QString& page, bool showHideBox, QWidget* parent = nullptr);

    QString page() const { return page_; }
    QTextBrowser* browser() const { return browser_; }
    QCheckBox* hideBox() const { return hideBox_; }
    // Whether the check box is offered (the changes page at start only).
    bool hideBoxOffered() const;
    QAction* closeAction() const { return closeAction_; }

    // "&Fechar": with the box ticked, Config becomes the single line "EXIBIR=1".
    void closeClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramFolder folder_;
    QString page_;
    QTextBrowser* browser_;
    QCheckBox* hideBox_;
    QAction* hideBoxAction_;
    QAction* closeAction_;
};

} // namespace vexa::app
