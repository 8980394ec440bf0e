#pragma once
// How the post of one row of a declaration's grid ended, for the grids of
// items 13 to 16 and the ECF, TARE and invoice lists. The rules show their
// own warnings and questions through the Prompter; an engine refusal is only
// answered (status Failed, message holding the engine's text) for the
// caller's error handler.

#include "declaration/OperationRules.h"

#include <QString>

namespace vexa::decl {

struct RowPost {
    PostStatus status = PostStatus::Posted;
    QString message;           // the message shown (Refused, Discarded) or the engine's error (Failed)
    QString field;             // the column the focus goes back to; empty to stay
    bool twinCreated = false;  // a domicile-"B" twin was inserted after the post
    bool twinRenamed = false;  // the other domicile's twin followed a changed code

    bool posted() const { return status == PostStatus::Posted; }

    static RowPost refused(QString message = {}, QString field = {}) {
        RowPost r;
        r.status = PostStatus::Refused;
        r.message = std::move(message);
        r.field = std::move(field);
        return r;
    }
    static RowPost discarded(QString message) {
        RowPost r;
        r.status = PostStatus::Discarded;
        r.message = std::move(message);
        return r;
    }
    static RowPost failed(QString error) {
        RowPost r;
        r.status = PostStatus::Failed;
        r.message = std::move(error);
        return r;
    }
};

} // namespace vexa::decl
