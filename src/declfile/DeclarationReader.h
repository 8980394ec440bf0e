#pragma once
// Reads a declaration for the submission file: the joined row of record A and
// the rows of records B to S, each table with one bound statement, in the
// order the records are written. The statements are prepared once per reader,
// so a run over many declarations keeps one reader.

#include "declfile/DeclarationData.h"

#include <QString>
#include <memory>

namespace vexa::declfile {

class DeclarationReader {
public:
    DeclarationReader();
    ~DeclarationReader();
    DeclarationReader(const DeclarationReader&) = delete;
    DeclarationReader& operator=(const DeclarationReader&) = delete;

    // Fills `data` for the key. A declaration whose joined row is missing is
    // not a failure (header.found false). False only when the engine refuses
    // a statement; *error then holds its message and `data` is incomplete.
    bool read(const decl::DeclarationKey& key, DeclarationData& data, QString* error);

private:
    struct Statements;
    std::unique_ptr<Statements> st_;
};

// One declaration with a reader of its own.
bool readDeclaration(const decl::DeclarationKey& key, DeclarationData& data, QString* error);

} // namespace vexa::declfile
