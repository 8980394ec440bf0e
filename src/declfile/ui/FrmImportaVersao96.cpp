#include "declfile/ui/FrmImportaVersao96.h"

#include "common/ErrorLog.h"
#include "common/ui/MessageBoxPrompter.h"
#include "storage/Database.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace vexa::declfile::ui {

namespace {

// Where the previous version kept its tables.
const QString kUsualFolder = QStringLiteral("C:/VEXA90/DB");

QString driveOf(const QString& path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    for (const QFileInfo& d : QDir::drives())
        if (clean.startsWith(d.absoluteFilePath(), Qt::CaseInsensitive)) return d.absoluteFilePath();
    return QDir::rootPath();
}

} // namespace

FrmImportaVersao96::FrmImportaVersao96(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmImportaVersao96"));
    setWindowTitle(QString());   // the screen has no caption
    setModal(true);
    buildScreen();
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &FrmImportaVersao96::tick);
    timer_->start();
    tick();
}

FrmImportaVersao96::~FrmImportaVersao96() = default;

void FrmImportaVersao96::open(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmImportaVersao96 screen(prompter, parent);
    screen.setFolder(QFileInfo(kUsualFolder).isDir() ? kUsualFolder : QDir::homePath());
    screen.exec();
}

void FrmImportaVersao96::buildScreen() {
    auto* lblSelecione1 = new QLabel(QStringLiteral("Selecione a pasta onde encontram-se os arquivos da"), this);
    auto* lblSelecione2 = new QLabel(QStringLiteral("VEXA 9.6 e clique em importar."), this);
    QFont strong = lblSelecione1->font();
    strong.setBold(true);
    lblSelecione1->setFont(strong);
    lblSelecione2->setFont(strong);

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QFileInfo& d : QDir::drives()) drives_->addItem(QDir::toNativeSeparators(d.absoluteFilePath()), d.absoluteFilePath());
    connect(drives_, &QComboBox::activated, this, [this](int index) { setFolder(drives_->itemData(index).toString()); });

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    folders_ = new QTreeView(this);
    folders_->setObjectName(QStringLiteral("DirectoryListBox1"));
    folders_->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c) folders_->hideColumn(c);
    folders_->setHeaderHidden(true);
    folders_->setMinimumSize(260, 220);
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) setFolder(model_->filePath(current));
            });

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("FileListBox1"));
    fileList_->setMinimumWidth(170);
    fileList_->setSelectionMode(QAbstractItemView::NoSelection);
    fileList_->setFocusPolicy(Qt::NoFocus);

    auto* note = new QFrame(this);
    note->setObjectName(QStringLiteral("pnlObservacao"));
    note->setFrameShape(QFrame::StyledPanel);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->setSpacing(0);
    for (const char16_t* line : {u"Esta opção importa os dados dos contribuintes, ", u"contabilistas e VEXAS cadastrados no ",
                                 u"programa ", u"VEXA 9.6."}) {
        auto* l = new QLabel(QString::fromUtf16(line), note);
        noteLayout->addWidget(l);
    }

    btnImportar_ = new QPushButton(QStringLiteral("Importar"), this);
    btnImportar_->setObjectName(QStringLiteral("btnImportar"));
    btnImportar_->setAutoDefault(false);
    btnImportar_->setEnabled(false);
    connect(btnImportar_, &QPushButton::clicked, this, &FrmImportaVersao96::importar);
    btnRetornar_ = new QPushButton(QStringLiteral("Retornar"), this);
    btnRetornar_->setObjectName(QStringLiteral("btnRetornar"));
    btnRetornar_->setAutoDefault(false);
    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::reject);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblProgresso"));

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(drives_);
    left->addWidget(folders_, 1);
    lists->addLayout(left, 3);
    lists->addWidget(fileList_, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnImportar_);
    buttons->addWidget(btnRetornar_);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelecione1);
    layout->addWidget(lblSelecione2);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    layout->addWidget(status_);
    resize(520, 420);
}

void FrmImportaVersao96::setFolder(const QString& path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (clean == folder_) return;
    folder_ = clean;
    const int drive = drives_->findData(driveOf(folder_));
    if (drive >= 0) drives_->setCurrentIndex(drive);
    const QModelIndex index = model_->index(folder_);
    if (index.isValid() && folders_->currentIndex() != index) {
        folders_->setCurrentIndex(index);
        folders_->scrollTo(index);
    }
    fillFiles();
}

void FrmImportaVersao96::fillFiles() {
    fileList_->clear();
    if (!folder_.isEmpty()) fileList_->addItems(previousVersionFiles(folder_));
}

QStringList FrmImportaVersao96::files() const {
    QStringList names;
    for (int i = 0; i < fileList_->count(); ++i) names << fileList_->item(i)->text();
    return names;
}

void FrmImportaVersao96::tick() { btnImportar_->setEnabled(!running_ && fileList_->count() > 0); }

void FrmImportaVersao96::onProgress(const PreviousImportProgress& p) {
    QString text = QStringLiteral("Lendo %1 (%2 de %3)").arg(p.file).arg(p.step).arg(p.steps);
    if (p.rowsRead > 0) text += QStringLiteral(": %1 registros").arg(p.rowsRead);
    status_->setText(text);
    // The screen repaints; the user's input waits for the end of the run.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmImportaVersao96::importar() {
    if (running_ || fileList_->count() == 0) return;
    running_ = true;
    btnImportar_->setEnabled(false);
    btnRetornar_->setEnabled(false);
    folders_->setEnabled(false);
    drives_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    result_ = importPreviousVersion(
        folder_, [this](const PreviousImportProgress& p) { onProgress(p); }, options_);
    QApplication::restoreOverrideCursor();
    running_ = false;
    btnRetornar_->setEnabled(true);
    folders_->setEnabled(true);
    drives_->setEnabled(true);
    status_->clear();
    fillFiles();
    tick();
    if (result_.ok) {
        prompter_.info(kPreviousImportDone);
        return;
    }
    if (storage::isOpen()) appendErrorLog(storage::currentFolder(), result_.error, objectName());
    prompter_.error(result_.error);
}

} // namespace vexa::declfile::ui
