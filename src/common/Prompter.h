#pragma once
// The one way core code talks to the user mid-operation: warnings, yes/no
// questions, error and plain notices, all titled with the application title.
// The desktop shows message boxes; tests and the batch program answer from a script.

#include <QString>
#include <QStringList>
#include <deque>

namespace vexa {

inline const QString kAppTitle = QStringLiteral("VEXA Eletrônica");

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void warn(const QString& message) = 0;   // OK box, exclamation icon
    virtual bool ask(const QString& question) = 0;   // Yes/No box; true only for Yes
    virtual void error(const QString& message) = 0;  // OK box, error icon
    virtual void info(const QString& message) = 0;   // OK box, no icon
};

// Answers questions from a queue (then the default answer) and records every
// message shown, in order, as "warn: ...", "ask: ...", "error: ...", "info: ...".
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    void queueAnswers(std::initializer_list<bool> yes) { answers_.insert(answers_.end(), yes); }
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

    void warn(const QString& m) override { log_ << QStringLiteral("warn: ") + m; }
    bool ask(const QString& q) override {
        log_ << QStringLiteral("ask: ") + q;
        if (answers_.empty()) return defaultAnswer_;
        bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    void error(const QString& m) override { log_ << QStringLiteral("error: ") + m; }
    void info(const QString& m) override { log_ << QStringLiteral("info: ") + m; }

    const QStringList& log() const { return log_; }
    QString last() const { return log_.isEmpty() ? QString() : log_.last(); }
    void clear() { log_.clear(); }
    size_t pendingAnswers() const { return answers_.size(); }

private:
    bool defaultAnswer_;
    std::deque<bool> answers_;
    QStringList log_;
};

} // namespace vexa
