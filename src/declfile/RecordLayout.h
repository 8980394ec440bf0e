#pragma once
// The records of the submission file, segment by segment: every record is the
// 20-character header (segment code, IE left-aligned in 11, MMYYYY,
// Retificacao) followed by its fields at fixed positions. Records are bytes of
// code page 1252 without the line end.
//
// A value that does not fit its slot (an amount of 10^12 or more, a text
// longer than its width, a CodLei above 99, ...) is not written: the builder
// keeps the first such field as a refusal, and the declaration is refused.

#include "declaration/DeclarationKey.h"
#include "declfile/DeclarationData.h"
#include "declfile/FieldForms.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vexa::declfile {

// Widths of the records (characters, without CR LF).
inline constexpr int kHeaderWidth = 20;
inline constexpr int kWidthA = 951;
inline constexpr int kWidthB = 110;
inline constexpr int kWidthC = 160;
inline constexpr int kWidthD = 150;
inline constexpr int kWidthE = 43;
inline constexpr int kWidthG = 130;
inline constexpr int kWidthH = 44;
inline constexpr int kWidthI = 78;
inline constexpr int kWidthJ = 48;
inline constexpr int kWidthK = 36;
inline constexpr int kWidthL = 64;
inline constexpr int kWidthM = 70;
inline constexpr int kWidthN = 44;
inline constexpr int kWidthO = 54;
inline constexpr int kWidthP = 76;
inline constexpr int kWidthQ = 76;
inline constexpr int kWidthR = 36;
inline constexpr int kWidthS = 104;
inline constexpr int kWidthZ = 23;

// The field of a record that could not be written.
struct FieldRefusal {
    char segment = 0;    // 'A' .. 'S', 'Z'
    QString field;       // the column ("NTare", "CodLei", "C51", ...)
    QString value;       // the value as stored, for the message
    QString reason;      // why it does not fit, in the user's words
};

// Builds one record field by field.
class RecordBuilder {
public:
    RecordBuilder(char segment, const decl::DeclarationKey& key, int expectedWidth);

    RecordBuilder& amount(double value, const char* field);
    RecordBuilder& text(const QString& value, int width, const char* field);
    RecordBuilder& raw(const QString& value, int usualWidth, const char* field);
    RecordBuilder& integer(qint64 value, int width, const char* field);
    RecordBuilder& date(const QDate& value, const char* field);
    RecordBuilder& dateOrBlank(const QDate& value, const char* field);
    RecordBuilder& flag(bool value);
    RecordBuilder& rate(double value, const char* field);
    RecordBuilder& right9(const QString& value, const char* field);
    RecordBuilder& literal(const char* text);

    const QByteArray& bytes() const { return bytes_; }
    const std::optional<FieldRefusal>& refusal() const { return refusal_; }

private:
    void put(const FieldText& f, const char* field, const QString& value, const QString& reason);

    char segment_;
    QByteArray bytes_;
    std::optional<FieldRefusal> refusal_;
};

// The 20-character record header.
QByteArray recordHeader(char segment, const decl::DeclarationKey& key);

// Item 7.4 / 7.16 as record A writes them: S when S >= 50 or December, else 0.
double dueWhenNotSmall(double s, const decl::DeclarationKey& key);

// One record per row; a refused field leaves *refusal set (the first one kept).
QByteArray recordA(const decl::DeclarationKey& key, const DeclarationHeader& h, std::optional<FieldRefusal>& refusal);
QByteArray recordB(const decl::DeclarationKey& key, const OperationRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordC(const decl::DeclarationKey& key, const StockRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordD(const decl::DeclarationKey& key, const StateRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordE(const decl::DeclarationKey& key, const ToPayRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordG(const decl::DeclarationKey& key, const PumpRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordH(const decl::DeclarationKey& key, const TankRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordI(const decl::DeclarationKey& key, const AlcoholRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordJ(const decl::DeclarationKey& key, const TareRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordK(const decl::DeclarationKey& key, const LawAmountRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordL(const decl::DeclarationKey& key, const DeductionRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordM(const decl::DeclarationKey& key, const MunicipalityRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordN(const decl::DeclarationKey& key, const GoodsRecordRow& r, std::optional<FieldRefusal>& refusal);
QByteArray recordO(const decl::DeclarationKey& key, const NoteRecordRow& r, std::optional<FieldRefusal>& refusal);
// P, Q and S share their first fields; `segment` is 'P', 'Q' or 'S'.
QByteArray recordRate(char segment, const decl::DeclarationKey& key, const RateRecordRow& r,
                      std::optional<FieldRefusal>& refusal);
QByteArray recordR(const decl::DeclarationKey& key, const LawAmountRecordRow& r, std::optional<FieldRefusal>& refusal);
// Z: the count of the declaration's records from A to its last S ("%3.3d").
QByteArray recordZ(const decl::DeclarationKey& key, int count, std::optional<FieldRefusal>& refusal);

} // namespace vexa::declfile
