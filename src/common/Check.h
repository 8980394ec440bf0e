#pragma once
// The answer of a check: empty message when it passes; otherwise the exact
// message to show and the name of the field at fault (where the screen puts
// the focus after the message).

#include <QString>

namespace vexa {

struct CheckResult {
    QString message;
    QString field;

    bool ok() const { return message.isEmpty(); }
    explicit operator bool() const { return ok(); }

    static CheckResult pass() { return {}; }
    static CheckResult fail(QString msg, QString fieldName = {}) {
        return {std::move(msg), std::move(fieldName)};
    }
};

} // namespace vexa
