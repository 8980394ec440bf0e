#pragma once
// The desktop application: every error that escapes an event handler (a
// button, a timer, a key) ends in the application-wide handler, which logs it
// and shows it; the program then carries on with the next user action.

#include <QApplication>

namespace vexa::app {

class VexaApplication : public QApplication {
    Q_OBJECT
public:
    VexaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vexa::app
