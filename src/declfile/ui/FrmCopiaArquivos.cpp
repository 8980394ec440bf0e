#include "declfile/ui/FrmCopiaArquivos.h"

#include "common/Clock.h"
#include "common/ErrorLog.h"
#include "common/Masks.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "declfile/ExportList.h"
#include "declfile/Validation.h"
#include "declfile/ui/FrmValidacao.h"
#include "storage/Database.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace vexa::declfile::ui {

namespace {

// Dialogs shown in the middle of the run get the normal cursor back.
class NormalCursor {
public:
    NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QApplication::restoreOverrideCursor(); }
};

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The presenter the run calls, with the normal cursor while a report is up.
class CursorPresenter : public ReportPresenter {
public:
    explicit CursorPresenter(ReportPresenter& inner) : inner_(inner) {}
    void showErrors(const QString& path) override {
        NormalCursor normal;
        inner_.showErrors(path);
    }
    bool askToContinue(const QString& path) override {
        NormalCursor normal;
        return inner_.askToContinue(path);
    }

private:
    ReportPresenter& inner_;
};

// The headings over the list, each over its column of the item text (the IE
// at character 0, the name at 14, the Retificacao at 70), past the tick box.
class HeadingStrip : public QWidget {
public:
    HeadingStrip(const QFont& itemFont, int indent, QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("lblCabecalho"));
        const int ch = QFontMetrics(itemFont).horizontalAdvance(QLatin1Char('M'));
        const struct {
            const char16_t* text;
            int column;
            int span;
        } headings[] = {{u"Inscrição Estadual", 0, 13}, {u"Nome ou Razão Social", 14, 55}, {u"Retificação", 70, 12}};
        QList<QLabel*> labels;
        int height = 0;
        for (const auto& h : headings) {
            auto* l = new QLabel(QString::fromUtf16(h.text), this);
            // A heading wider than its column breaks into lines within it.
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            l->setFixedWidth(h.span * ch);
            l->setFixedHeight(l->heightForWidth(h.span * ch));
            height = std::max(height, l->height() + 4);
            labels << l;
        }
        for (int i = 0; i < labels.size(); ++i)
            labels[i]->move(indent + headings[i].column * ch, height - 2 - labels[i]->height());
        setFixedHeight(height);
        setMinimumWidth(indent + 74 * ch);
    }
};

// Starts in the folder chosen last in any of the program's dialogs, else the program folder.
QString defaultChoose(QWidget* parent, const QString& proposedName) {
    return vexa::ui::saveFileName(parent, QStringLiteral("Gravar Arquivo"), proposedName,
                            QStringLiteral("Arquivo VEXA (*.qx);;Todos os arquivos (*)"), QFileDialog::DontConfirmOverwrite);
}

} // namespace

FrmCopiaArquivos::FrmCopiaArquivos(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), chooser_(defaultChoose) {
    setObjectName(QStringLiteral("FrmCopiaArquivos"));
    setWindowTitle(QStringLiteral("Cópia de Arquivos"));
    setModal(true);
    buildScreen();
    EnterAsTab::install(this);
    connect(qApp, &QApplication::focusChanged, this, &FrmCopiaArquivos::onFocusChanged);
}

FrmCopiaArquivos::~FrmCopiaArquivos() = default;

void FrmCopiaArquivos::open(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmCopiaArquivos screen(prompter, parent);
    screen.exec();
}

void FrmCopiaArquivos::buildScreen() {
    auto* top = new QHBoxLayout;
    auto* lblPeriodo = new QLabel(QStringLiteral("Período"), this);
    edtPeriodo_ = new MaskedLineEdit(MaskedLineEdit::Kind::Period, this);
    edtPeriodo_->setObjectName(QStringLiteral("EdtPeriodo"));
    edtPeriodo_->setFixedWidth(edtPeriodo_->fontMetrics().horizontalAdvance(QStringLiteral("00/00000")) + 16);
    edtPeriodo_->installEventFilter(this);
    lblPeriodo->setBuddy(edtPeriodo_);

    auto button = [this](const QString& caption, const char* name, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setStatusTip(hint);
        return b;
    };
    btnAtualizar_ = button(QStringLiteral("Atualizar"), "btnAtualizar",
                           QStringLiteral("Lista as VEXAs do período informado"));
    btnMarcarTodas_ = button(QStringLiteral("Marcar Todas"), "btnMarcarTodas", QStringLiteral("Marca todas as VEXAs"));
    btnDesmarcarTodas_ = button(QStringLiteral("Desmarcar Todas"), "btnDesmarcarTodas",
                                QStringLiteral("Desmarca todas as VEXAs"));
    btnGravarArquivo_ = button(QStringLiteral("Gravar Arquivo"), "btnGravarArquivo",
                               QStringLiteral("Verifica as VEXAs marcadas e grava o arquivo"));
    btnRetornar_ = button(QStringLiteral("Retornar"), "btnRetornar", QStringLiteral("Fecha esta tela"));

    top->addWidget(lblPeriodo);
    top->addWidget(edtPeriodo_);
    top->addWidget(btnAtualizar_);
    top->addStretch(1);
    top->addWidget(btnMarcarTodas_);
    top->addWidget(btnDesmarcarTodas_);
    top->addWidget(btnGravarArquivo_);
    top->addWidget(btnRetornar_);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lstDeclaracoes_ = new QListWidget(this);
    lstDeclaracoes_->setObjectName(QStringLiteral("lstDeclaracoes"));
    lstDeclaracoes_->setFont(fixed);
    lstDeclaracoes_->setUniformItemSizes(true);
    const int indent = lstDeclaracoes_->frameWidth() + style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
    auto* headings = new HeadingStrip(fixed, indent, this);
    const int textWidth = QFontMetrics(fixed).horizontalAdvance(QString(74, QLatin1Char('M')));
    lstDeclaracoes_->setMinimumSize(textWidth + indent + 24, 260);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    statusBar_->addWidget(statusPanel_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(headings);
    layout->addWidget(lstDeclaracoes_, 1);
    layout->addWidget(statusBar_);

    setTabOrder(edtPeriodo_, btnAtualizar_);
    setTabOrder(btnAtualizar_, lstDeclaracoes_);
    setTabOrder(lstDeclaracoes_, btnMarcarTodas_);
    setTabOrder(btnMarcarTodas_, btnDesmarcarTodas_);
    setTabOrder(btnDesmarcarTodas_, btnGravarArquivo_);
    setTabOrder(btnGravarArquivo_, btnRetornar_);

    connect(btnAtualizar_, &QPushButton::clicked, this, &FrmCopiaArquivos::atualizar);
    connect(btnMarcarTodas_, &QPushButton::clicked, this, &FrmCopiaArquivos::marcarTodas);
    connect(btnDesmarcarTodas_, &QPushButton::clicked, this, &FrmCopiaArquivos::desmarcarTodas);
    connect(btnGravarArquivo_, &QPushButton::clicked, this, &FrmCopiaArquivos::gravarArquivo);
    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmCopiaArquivos::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The month before: today minus 30 days, as MMYYYY.
    edtPeriodo_->setDigits(Clock::instance().today().addDays(-30).toString(QStringLiteral("MMyyyy")));
    refresh(true);
    setStatus({});
    edtPeriodo_->setFocus(Qt::OtherFocusReason);
}

bool FrmCopiaArquivos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtPeriodo_) {
        if (event->type() == QEvent::FocusIn) {
            setStatus(export_msg::HintPeriodo);
        } else if (event->type() == QEvent::KeyPress) {
            // Every key typed lists the period as the field holds it before the key.
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->text().isEmpty() || key->key() == Qt::Key_Delete) {
                lstDeclaracoes_->clear();
                setStatus({});
                fillList(edtPeriodo_->digits());
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmCopiaArquivos::onFocusChanged(QWidget* old, QWidget* now) {
    // Leaving the period field for another control of the screen, other than
    // the list. Going to "Retornar" is leaving the screen: no list, no
    // warning that would bring the focus back and swallow the click.
    if (old != edtPeriodo_ || !now || now == lstDeclaracoes_ || now == btnRetornar_ || !isAncestorOf(now)) return;
    if (!isVisible()) return;
    atualizar();
}

void FrmCopiaArquivos::setStatus(const QString& text) { statusPanel_->setText(text); }

bool FrmCopiaArquivos::event(QEvent* event) {
    // The hint of the control under the mouse goes to the status panel.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) setStatus(tip);
        return true;
    }
    return QDialog::event(event);
}

void FrmCopiaArquivos::fillList(const QString& period) {
    QStringList texts;
    QString error;
    if (!exportListItems(period, texts, &error)) {
        handleUnhandledError(storage::currentFolder(), error, objectName(), prompter_);
        return;
    }
    for (const QString& t : texts) {
        auto* item = new QListWidgetItem(t, lstDeclaracoes_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

void FrmCopiaArquivos::atualizar() { refresh(false); }

void FrmCopiaArquivos::refresh(bool showing) {
    const QString period = edtPeriodo_->digits();
    if (period.trimmed().size() > 5) {
        lstDeclaracoes_->clear();
        setStatus({});
        fillList(period);
        if (lstDeclaracoes_->count() == 0) {
            if (!showing) prompter_.warn(export_msg::NenhumaVexaNoPeriodo);
            edtPeriodo_->setFocus(Qt::OtherFocusReason);
            edtPeriodo_->selectAll();
        }
        return;
    }
    prompter_.warn(export_msg::InformePeriodo);
    edtPeriodo_->setFocus(Qt::OtherFocusReason);
}

void FrmCopiaArquivos::marcarTodas() {
    for (int i = 0; i < lstDeclaracoes_->count(); ++i) lstDeclaracoes_->item(i)->setCheckState(Qt::Checked);
}

void FrmCopiaArquivos::desmarcarTodas() {
    for (int i = 0; i < lstDeclaracoes_->count(); ++i) lstDeclaracoes_->item(i)->setCheckState(Qt::Unchecked);
}

QStringList FrmCopiaArquivos::itemTexts() const {
    QStringList out;
    for (int i = 0; i < lstDeclaracoes_->count(); ++i) out << lstDeclaracoes_->item(i)->text();
    return out;
}

QStringList FrmCopiaArquivos::tickedTexts() const {
    QStringList out;
    for (int i = 0; i < lstDeclaracoes_->count(); ++i)
        if (lstDeclaracoes_->item(i)->checkState() == Qt::Checked) out << lstDeclaracoes_->item(i)->text();
    return out;
}

bool FrmCopiaArquivos::onProgress(int index, int count, const ExportItem& item) {
    if (observer_ && !observer_(index, count, item)) cancelled_ = true;
    if (progress_) {
        progress_->setMaximum(count + 1);
        progress_->setLabelText(index < count ? QStringLiteral("Verificando a VEXA %1 de %2:\n%3  %4")
                                                    .arg(index + 1)
                                                    .arg(count)
                                                    .arg(formatIE(item.ie), item.name.trimmed())
                                              : QStringLiteral("Compactando o arquivo..."));
        progress_->setValue(index);
        QCoreApplication::processEvents();
        if (progress_->wasCanceled()) cancelled_ = true;
    }
    return !cancelled_;
}

void FrmCopiaArquivos::gravarArquivo() {
    lastFile_.clear();
    lastStatus_ = ExportStatus::Failed;
    const QStringList ticked = tickedTexts();
    if (ticked.isEmpty()) {
        prompter_.warn(export_msg::NenhumaSelecionada);
        edtPeriodo_->setFocus(Qt::OtherFocusReason);
        return;
    }

    ExportRequest request;
    request.period = edtPeriodo_->digits();
    for (const QString& t : ticked) request.items << exportItemFromText(t);

    const ProgramFolder folder = storage::currentFolder();
    DeclarationChecker* checker = checker_;
    if (!checker) {
        if (!ownChecker_) ownChecker_ = std::make_unique<ConsistencyChecker>(folder);
        checker = ownChecker_.get();
    }
    ReportPresenter* inner = presenter_;
    if (!inner) {
        if (!ownPresenter_) ownPresenter_ = std::make_unique<FrmValidacaoPresenter>(this);
        inner = ownPresenter_.get();
    }
    CursorPresenter presenter(*inner);

    ExportOutcome out;
    {
        WaitCursor wait;
        QProgressDialog dialog(this);
        dialog.setObjectName(QStringLiteral("ProgressoCopia"));
        dialog.setWindowTitle(QStringLiteral("Cópia de Arquivos"));
        dialog.setCancelButtonText(QStringLiteral("Cancelar"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(400);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setRange(0, int(request.items.size()) + 1);
        progress_ = &dialog;
        cancelled_ = false;
        out = runExport(request, folder, *checker, presenter, prompter_,
                        [this](int index, int count, const ExportItem& item) { return onProgress(index, count, item); });
        progress_ = nullptr;
    }
    lastStatus_ = out.status;

    switch (out.status) {
    case ExportStatus::Ready:
    case ExportStatus::Checked:
        break;
    case ExportStatus::Refused:
        prompter_.warn(out.message);
        return;
    case ExportStatus::Failed:
        // A database or file error: logged and shown as any error no screen handles.
        handleUnhandledError(folder, out.message, objectName(), prompter_);
        return;
    case ExportStatus::Cancelled:
        setStatus(QStringLiteral("Cópia cancelada: nenhum arquivo foi gravado."));
        return;
    case ExportStatus::Errors:
    case ExportStatus::AlertsDeclined:
        return;
    }

    const QString path = chooser_(this, proposedFileName(request.period));
    if (path.isEmpty()) return;
    QString error;
    bool written = false;
    {
        WaitCursor wait;
        written = writeSubmissionFile(path, out.container, &error);
    }
    if (!written) {
        lastStatus_ = ExportStatus::Failed;
        prompter_.error(error);
        return;
    }
    lastFile_ = path;
    prompter_.info(kExportSuccess);
}

} // namespace vexa::declfile::ui
