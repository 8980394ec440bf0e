#pragma once
// The import of the previous version's database: the user picks, with a
// drive list and a folder tree, the folder of the VEXA 9.6 tables; the file
// list shows which of "Contribuintes.db;Declarante.db;Vexas.db" it holds, and
// a 200-millisecond timer enables "Importar" while it shows one. The run
// itself is declfile/PreviousVersion.h; the screen shows the table being
// read and the outcome.

#include "common/Prompter.h"
#include "declfile/PreviousVersion.h"

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QTreeView;

namespace vexa::declfile::ui {

class FrmImportaVersao96 : public QDialog {
    Q_OBJECT
public:
    explicit FrmImportaVersao96(Prompter& prompter, QWidget* parent = nullptr);
    ~FrmImportaVersao96() override;

    // Opens the screen modally over parent on the usual folder of the 9.6
    // tables (C:\VEXA90\DB) when there is one, messages in message boxes.
    static void open(QWidget* parent);

    // The chosen folder: the drive list, the tree and the file list follow it.
    void setFolder(const QString& path);
    QString folder() const { return folder_; }
    // The names the file list shows.
    QStringList files() const;

    // "Importar": the run over the chosen folder.
    void importar();
    // The timer's tick: "Importar" is enabled while the file list shows a file.
    void tick();

    QTimer* timer() const { return timer_; }
    bool running() const { return running_; }
    const PreviousImportResult& lastResult() const { return result_; }
    // The reader of the tables (tests).
    void setImportOptions(const PreviousImportOptions& options) { options_ = options; }

private:
    void buildScreen();
    void fillFiles();
    void onProgress(const PreviousImportProgress& progress);

    Prompter& prompter_;
    PreviousImportOptions options_;
    PreviousImportResult result_;
    QString folder_;
    bool running_ = false;

    QComboBox* drives_ = nullptr;
    QTreeView* folders_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* btnImportar_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace vexa::declfile::ui
