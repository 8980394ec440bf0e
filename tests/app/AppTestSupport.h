#pragma once
// A main window over an empty program folder, answering through a scripted
// Prompter, with every modal dialog handed to the test instead of shown.

#include "app/ui/HelpWindow.h"
#include "app/ui/MainWindow.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace vexa::test {

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// What a modal dialog looked like when the main window opened it.
struct SeenDialog {
    QString objectName;
    QString title;
    QString page;           // help window: the file shown
    bool hideBoxVisible = false;
};

class ShellFixture {
public:
    ShellFixture() : folder(dir.path()), window(std::make_unique<app::MainWindow>(folder, prompter)) {
        window->setDialogRunner([this](QDialog& d) {
            SeenDialog seen{d.objectName(), d.windowTitle(), {}, false};
            if (auto* help = qobject_cast<app::HelpWindow*>(&d)) {
                seen.page = help->page();
                seen.hideBoxVisible = help->hideBoxOffered();
            }
            dialogs.push_back(seen);
            if (answer) answer(d);
        });
    }

    // Shows the window and lets what it does on show (the changes page) happen.
    void show() {
        window->show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    QString configPath() const { return folder.file(QStringLiteral("Config")); }

    QTemporaryDir dir;
    ProgramFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<app::MainWindow> window;
    std::vector<SeenDialog> dialogs;
    std::function<void(QDialog&)> answer;   // what the "user" does in each dialog
};

} // namespace vexa::test
