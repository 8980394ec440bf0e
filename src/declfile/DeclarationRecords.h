#pragma once
// A declaration turned into its records, in the file's order: one A, the B
// records, at most one C, then D, E, G, H, I, J, K, L, M, N, O, P, Q, R, S and
// one Z counting the records from A to the last S. Several declarations follow
// one another in the submission text, every record ended by CR LF.

#include "declaration/DeclarationKey.h"
#include "declfile/DeclarationData.h"
#include "declfile/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::declfile {

// The Z record has three digits for the count.
inline constexpr int kMaxRecordsPerDeclaration = 999;

struct DeclarationRecords {
    decl::DeclarationKey key;
    QList<QByteArray> lines;   // A .. S then Z, code page 1252, without CR LF

    // The records A to S (what Z counts).
    int count() const { return lines.isEmpty() ? 0 : int(lines.size()) - 1; }
};

// A declaration that cannot be written: which declaration, which field and why.
struct RecordsRefusal {
    decl::DeclarationKey key;
    FieldRefusal field;        // segment 'Z' and field "registros" for too many records
    QString message;           // the whole message for the user
};

struct RecordsResult {
    DeclarationRecords records;
    std::optional<RecordsRefusal> refusal;   // set: nothing of the declaration may be written
    bool ok() const { return !refusal.has_value(); }
};

// The records of one declaration read by DeclarationReader.
RecordsResult buildRecords(const DeclarationData& data);

// "A VEXA da Inscrição Estadual 29.000.000-9, período 03/2024, retificação 00
// não pode ser gravada: ..." naming the field and the reason.
QString refusalMessage(const decl::DeclarationKey& key, const FieldRefusal& field);

// Appends the declaration's records, each followed by CR LF.
void appendRecords(QByteArray& text, const DeclarationRecords& records);
// The whole text of a file holding these declarations in this order.
QByteArray submissionText(const QList<DeclarationRecords>& declarations);

} // namespace vexa::declfile
