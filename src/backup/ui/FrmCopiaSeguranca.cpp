#include "backup/ui/FrmCopiaSeguranca.h"

#include "common/ui/MessageBoxPrompter.h"
#include "storage/DataModule.h"
#include "storage/Database.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace vexa::backup::ui {

namespace {

QString documentsFolder() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dir.isEmpty() ? QDir::homePath() : dir;
}

QString defaultSave(QWidget* parent, const QString& proposedName) {
    QFileDialog dialog(parent, QStringLiteral("Cópia de Segurança"), documentsFolder(), msg::FiltroBackup);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bak"));
    dialog.selectFile(proposedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString defaultOpen(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Restaurar Cópia"), documentsFolder(), msg::FiltroBackup);
}

// While a message is up the pointer is the normal one, wait cursor or not.
class NormalCursor {
public:
    NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

class FrmCopiaSeguranca::CursorPrompter : public Prompter {
public:
    explicit CursorPrompter(Prompter& inner) : inner_(inner) {}
    void warn(const QString& m) override {
        NormalCursor normal;
        inner_.warn(m);
    }
    bool ask(const QString& q) override {
        NormalCursor normal;
        return inner_.ask(q);
    }
    void error(const QString& m) override {
        NormalCursor normal;
        inner_.error(m);
    }
    void info(const QString& m) override {
        NormalCursor normal;
        inner_.info(m);
    }

private:
    Prompter& inner_;
};

// The index rebuild after a restore shows its gauge on the screen's bar.
class FrmCopiaSeguranca::BarRebuildProgress : public storage::RebuildProgress {
public:
    BarRebuildProgress(QLabel* text, QProgressBar* bar) : text_(text), bar_(bar) {}
    void begin(int total) override {
        text_->setText(QStringLiteral("Aguarde Criando Índices..."));
        bar_->setRange(0, std::max(total, 1));
        bar_->setValue(0);
        bar_->show();
        text_->repaint();
        bar_->repaint();
    }
    void step(int done) override {
        bar_->setValue(std::min(done, bar_->maximum()));
        bar_->repaint();
    }
    void end() override {
        text_->clear();
        bar_->hide();
    }

private:
    QLabel* text_;
    QProgressBar* bar_;
};

FrmCopiaSeguranca::FrmCopiaSeguranca(Prompter& prompter, const ProgramFolder& folder, QWidget* parent)
    : QDialog(parent),
      prompter_(std::make_unique<CursorPrompter>(prompter)),
      side_(makeDatabaseSide(folder)),
      run_(*side_, *prompter_, *this),
      saveChooser_(defaultSave),
      openChooser_(defaultOpen),
      ender_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("FrmCopiaSeguranca"));
    setWindowTitle(QStringLiteral("Cópia de Segurança"));
    setModal(true);
    buildScreen();
    rebuildBar_ = std::make_unique<BarRebuildProgress>(lblTexto_, pbProgresso_);
}

FrmCopiaSeguranca::~FrmCopiaSeguranca() {
    while (busy_ > 0) setBusy(false);
}

void FrmCopiaSeguranca::open(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmCopiaSeguranca screen(prompter, storage::currentFolder(), parent);
    screen.exec();
}

void FrmCopiaSeguranca::buildScreen() {
    auto button = [this](const QString& caption, const char* name, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setToolTip(hint);
        b->setMinimumSize(130, 40);
        return b;
    };
    btnIniciar_ = button(QStringLiteral("Iniciar Cópia"), "btnIniciar",
                         QStringLiteral("Grava os arquivos do banco de dados em uma cópia de segurança"));
    btnRestaurar_ = button(QStringLiteral("Restaurar Cópia"), "btnRestaurar",
                           QStringLiteral("Substitui os dados do sistema pelos de uma cópia de segurança"));
    btnRetornar_ = button(QStringLiteral("Retornar"), "btnRetornar", QStringLiteral("Fecha esta tela"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnIniciar_);
    buttons->addWidget(btnRestaurar_);
    buttons->addWidget(btnRetornar_);

    lblTexto_ = new QLabel(this);
    lblTexto_->setObjectName(QStringLiteral("lblTexto"));
    lblTexto_->setMinimumWidth(420);
    lblTexto_->setTextFormat(Qt::PlainText);
    pbProgresso_ = new QProgressBar(this);
    pbProgresso_->setObjectName(QStringLiteral("pbProgresso"));
    pbProgresso_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addSpacing(8);
    layout->addWidget(lblTexto_);
    layout->addWidget(pbProgresso_);
    layout->addStretch(1);
    // The bar's place is kept while it is hidden, so the screen does not jump.
    QSizePolicy keep = pbProgresso_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    pbProgresso_->setSizePolicy(keep);

    connect(btnIniciar_, &QPushButton::clicked, this, &FrmCopiaSeguranca::iniciarCopia);
    connect(btnRestaurar_, &QPushButton::clicked, this, &FrmCopiaSeguranca::restaurarCopia);
    connect(btnRetornar_, &QPushButton::clicked, this, &FrmCopiaSeguranca::retornar);
}

void FrmCopiaSeguranca::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    run_.listFiles();
}

void FrmCopiaSeguranca::iniciarCopia() {
    if (isBusy()) return;
    if (!shown_) run_.listFiles();
    lastOutcome_ = run_.iniciarCopia();
}

void FrmCopiaSeguranca::restaurarCopia() {
    if (isBusy()) return;
    lastOutcome_ = run_.restaurarCopia();
}

void FrmCopiaSeguranca::retornar() {
    if (isBusy()) {
        // Only the writing or reading of the archive can be stopped midway.
        if (run_.isRunning() && prompter_->ask(msg::AbortarOperacao)) run_.cancel();
        return;
    }
    QDialog::reject();
}

void FrmCopiaSeguranca::reject() { retornar(); }

void FrmCopiaSeguranca::closeEvent(QCloseEvent* event) {
    if (isBusy()) {
        event->ignore();
        retornar();
        return;
    }
    QDialog::closeEvent(event);
}

QString FrmCopiaSeguranca::chooseArchiveToSave(const QString& proposedName) {
    NormalCursor normal;
    return saveChooser_(this, proposedName);
}

QString FrmCopiaSeguranca::chooseArchiveToOpen() {
    NormalCursor normal;
    return openChooser_(this);
}

void FrmCopiaSeguranca::setBusy(bool busy) {
    if (busy) {
        if (busy_++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            btnIniciar_->setEnabled(false);
            btnRestaurar_->setEnabled(false);
            sincePoll_.start();
        }
    } else if (busy_ > 0 && --busy_ == 0) {
        QApplication::restoreOverrideCursor();
        btnIniciar_->setEnabled(true);
        btnRestaurar_->setEnabled(true);
    }
}

void FrmCopiaSeguranca::showStep(const QString& text, int value, int maximum) {
    lblTexto_->setText(text);
    if (pbProgresso_->maximum() != maximum) pbProgresso_->setRange(0, maximum);
    pbProgresso_->setValue(value);
    if (!pbProgresso_->isVisible()) pbProgresso_->show();
}

void FrmCopiaSeguranca::clearStep() {
    lblTexto_->clear();
    pbProgresso_->hide();
}

void FrmCopiaSeguranca::poll() {
    // A few times a second is enough for the bar and for "Retornar".
    if (pollHook_) pollHook_();
    if (sincePoll_.isValid() && sincePoll_.elapsed() < 50) return;
    sincePoll_.start();
    QCoreApplication::processEvents();
}

bool FrmCopiaSeguranca::nextVolume(int number) { return prompter_->ask(msg::proximoDisco(number)); }

storage::RebuildProgress* FrmCopiaSeguranca::rebuildProgress() { return rebuildBar_.get(); }

void FrmCopiaSeguranca::endProgram() {
    accept();
    if (ender_) ender_();
}

} // namespace vexa::backup::ui
