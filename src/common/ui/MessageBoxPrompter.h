#pragma once
// Prompter shown as modal message boxes titled "VEXA Eletrônica".
#include "common/Prompter.h"

class QWidget;

namespace vexa {

class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void warn(const QString& message) override;
    bool ask(const QString& question) override;
    void error(const QString& message) override;
    void info(const QString& message) override;

private:
    QWidget* parent_;
};

} // namespace vexa
