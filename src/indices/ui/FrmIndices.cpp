#include "indices/ui/FrmIndices.h"

#include "common/ErrorLog.h"
#include "common/TableRoutines.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/MessageBoxPrompter.h"
#include "indices/ui/IndexTableModel.h"
#include "storage/Database.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa::indices::ui {

FrmIndices::FrmIndices(int code, Prompter& prompter, QWidget* parent)
    : QDialog(parent), code_(code), prompter_(prompter) {
    setObjectName(code == kSelic ? QStringLiteral("FrmSelic") : QStringLiteral("FrmIGPDI"));
    setWindowTitle(QStringLiteral("Cadastro de %1").arg(indexName(code)));
    setModal(true);
    buildScreen();
    EnterAsTab::install(this);
}

void FrmIndices::openSelic(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmIndices screen(kSelic, prompter, parent);
    screen.exec();
}

void FrmIndices::openIgpDi(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmIndices screen(kIgpDi, prompter, parent);
    screen.exec();
}

void FrmIndices::buildScreen() {
    auto button = [this](const QString& caption, const char* name, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setToolTip(hint);
        b->setMinimumWidth(90);
        return b;
    };
    btnAtualizar_ = button(QStringLiteral("&Atualizar"), "btnAtualizar",
                           code_ == kSelic ? QStringLiteral("Busca os novos meses no serviço da KORVA")
                                           : QStringLiteral("Verifica se a tabela está completa"));
    btnRetornar_ = button(QStringLiteral("&Retornar"), "btnRetornar", QStringLiteral("Fecha esta tela"));

    model_ = new IndexTableModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("GrdIndices"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab and Enter leave the grid for the next control, as on every keyed form.
    grid_->setTabKeyNavigation(false);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setHighlightSections(false);
    const QFontMetrics fm = grid_->fontMetrics();
    grid_->setColumnWidth(IndexTableModel::Data, fm.horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumSize(fm.horizontalAdvance(QStringLiteral("00/00/00000")) +
                              fm.horizontalAdvance(QStringLiteral("000.000.000,00000")) + 56,
                          fm.height() * 20);

    auto* bar = new QHBoxLayout;
    bar->addWidget(btnAtualizar_);
    bar->addWidget(btnRetornar_);
    bar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);

    setTabOrder(grid_, btnAtualizar_);
    setTabOrder(btnAtualizar_, btnRetornar_);

    connect(btnAtualizar_, &QPushButton::clicked, this, &FrmIndices::atualizar);
    connect(btnRetornar_, &QPushButton::clicked, this, &FrmIndices::reject);
}

void FrmIndices::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    reload();
    grid_->setFocus(Qt::OtherFocusReason);
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, IndexTableModel::Data));
}

bool FrmIndices::reload() {
    const Dataset list{QStringLiteral("IndicesEconomicos"), [this]() {
                           QList<IndexMonth> rows;
                           QString error;
                           if (!readIndex(code_, &rows, &error)) return error.isEmpty() ? QStringLiteral("?") : error;
                           model_->setRows(std::move(rows));
                           return QString();
                       }};
    return OpenTable(list, prompter_);
}

void FrmIndices::atualizar() {
    if (updating_) return;
    if (code_ != kSelic) {
        prompter_.info(indices_msg::IgpDiAtualizado);
        return;
    }
    updateSelic();
}

void FrmIndices::updateSelic() {
    updating_ = true;
    btnAtualizar_->setEnabled(false);
    const ProgramFolder home = storage::currentFolder();
    SelicUpdate update(url_ ? *url_ : selicEndpoint(home));
    update.setTimeout(timeout_);

    QProgressDialog wait(this);
    wait.setObjectName(QStringLiteral("AguardeSelic"));
    wait.setWindowTitle(windowTitle());
    wait.setLabelText(QStringLiteral("Atualizando Índice SELIC pelo serviço da KORVA...\nAguarde."));
    wait.setCancelButtonText(QStringLiteral("Cancelar"));
    wait.setWindowModality(Qt::WindowModal);
    wait.setRange(0, 0);   // no measure of progress: a busy bar
    wait.setMinimumDuration(0);
    wait.setAutoClose(false);
    wait.setAutoReset(false);
    wait.reset();   // stays hidden until the call is out
    // The Cancelar button, and Escape or closing the dialog, end the wait.
    connect(&wait, &QProgressDialog::canceled, &update, &SelicUpdate::cancel);
    connect(&wait, &QDialog::rejected, &update, &SelicUpdate::cancel);
    connect(&update, &SelicUpdate::callStarted, this, [this, &wait] {
        wait.show();
        if (waitObserver_) waitObserver_(wait);
    });

    const SelicUpdateResult result = update.run();
    wait.hide();
    lastUpdate_ = result;
    updating_ = false;
    btnAtualizar_->setEnabled(true);

    if (result.status == SelicUpdateResult::Status::Updated) reload();
    reportSelicUpdate(result, home, objectName(), prompter_);
    btnAtualizar_->setFocus(Qt::OtherFocusReason);
}

void FrmIndices::reject() {
    // The wait dialog owns the keyboard while the call is out; the screen closes after it.
    if (updating_) return;
    QDialog::reject();
}

void FrmIndices::closeEvent(QCloseEvent* event) {
    if (updating_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace vexa::indices::ui
