#pragma once
// "Cadastro de SELIC" (FrmSelic) and "Cadastro de IGP-DI" (FrmIGPDI): the
// months of one index, latest first, read-only, with "&Atualizar" and
// "&Retornar". Atualizar on the SELIC screen runs the web-service update
// (indices/SelicUpdate.h) behind a wait dialog that can cancel it; on the
// IGP-DI screen it only says the table is complete.

#include "common/Prompter.h"
#include "indices/SelicUpdate.h"

#include <QDialog>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

class QProgressDialog;
class QPushButton;
class QTableView;

namespace vexa::indices::ui {

class IndexTableModel;

class FrmIndices : public QDialog {
    Q_OBJECT
public:
    using WaitObserver = std::function<void(QProgressDialog& wait)>;

    FrmIndices(int code, Prompter& prompter, QWidget* parent = nullptr);

    // Open the screens modally over parent, messages in message boxes.
    static void openSelic(QWidget* parent);
    static void openIgpDi(QWidget* parent);

    int code() const { return code_; }
    const IndexTableModel* model() const { return model_; }

    // Replacements for tests: the endpoint (by default the program folder's
    // settings), the call's time limit, and an observer told when the wait
    // dialog is up (it may cancel it).
    void setServiceUrl(const QUrl& url) { url_ = url; }
    void setCallTimeout(std::chrono::milliseconds limit) { timeout_ = limit; }
    void setWaitObserver(WaitObserver observer) { waitObserver_ = std::move(observer); }

    // The commands, as their buttons run them.
    void atualizar();

    bool isUpdating() const { return updating_; }
    // What the last update on this screen came to.
    std::optional<SelicUpdateResult> lastUpdate() const { return lastUpdate_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildScreen();
    bool reload();
    void updateSelic();

    int code_;
    Prompter& prompter_;
    std::optional<QUrl> url_;
    std::chrono::milliseconds timeout_ = kSelicCallTimeout;
    WaitObserver waitObserver_;
    bool shown_ = false;
    bool updating_ = false;
    std::optional<SelicUpdateResult> lastUpdate_;

    IndexTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* btnAtualizar_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
};

} // namespace vexa::indices::ui
