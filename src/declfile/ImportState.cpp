#include "declfile/ImportState.h"

#include "common/Conversions.h"
#include "common/Masks.h"
#include "common/Money.h"
#include "declaration/ChildTables.h"
#include "declaration/DeclSql.h"
#include "storage/Portable.h"
#include "storage/ReferenceLookups.h"

#include <QSqlError>

namespace vexa::declfile::import {

namespace {

QString engineMessage(const QSqlQuery& q) {
    const QString m = q.lastError().text().trimmed();
    return m.isEmpty() ? QStringLiteral("O comando não pôde ser executado.") : m;
}

} // namespace

// ---- result text -------------------------------------------------------------------

void ResultText::add(const QString& message) {
    if (cut_) return;
    if (text_.size() + message.size() > kResultLimit) {
        text_ += kResultCut;
        cut_ = true;
        return;
    }
    text_ += message;
}

// ---- statements --------------------------------------------------------------------

QSqlQuery& Statements::prepared(const QString& statement, QSqlDatabase db) {
    if (!db.isValid()) db = storage::db();
    const std::string key = (db.connectionName() + QLatin1Char('|') + statement).toStdString();
    auto it = cache_.find(key);
    if (it != cache_.end()) return *it->second;
    auto q = std::make_unique<QSqlQuery>(db);
    q->setForwardOnly(true);
    if (!q->prepare(statement)) throw ImportHalt(engineMessage(*q));
    return *cache_.emplace(key, std::move(q)).first->second;
}

namespace {
void bindAll(QSqlQuery& q, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
}
} // namespace

qint64 Statements::write(const QString& statement, const QVariantList& values, QSqlDatabase db) {
    QSqlQuery& q = prepared(statement, db);
    bindAll(q, values);
    QString error;
    if (!decl::sql::exec(q, &error))
        throw ImportHalt(storage::isConnectionLoss(q.lastError()) ? storage::connectionLostMessage() : error);
    const qint64 changed = q.numRowsAffected();
    q.finish();
    return changed;
}

qint64 Statements::count(const QString& statement, const QVariantList& values, QSqlDatabase db) {
    QSqlQuery& q = prepared(statement, db);
    bindAll(q, values);
    if (!q.exec()) throw ImportHalt(engineMessage(q));
    const qint64 n = q.next() ? q.value(0).toLongLong() : 0;
    q.finish();
    return n;
}

QSqlRecord Statements::firstRow(const QString& statement, const QVariantList& values) {
    QSqlQuery& q = prepared(statement);
    bindAll(q, values);
    if (!q.exec()) throw ImportHalt(engineMessage(q));
    QSqlRecord row;
    if (q.next()) row = q.record();
    q.finish();
    return row;
}

Run::Run(Prompter& p) : staged(decl::childTables()), prompter(p) {}

void Run::begin() {
    if (transaction) return;
    transaction = std::make_unique<storage::Transaction>();
    if (!transaction->started()) {
        const QString message = transaction->error();
        transaction.reset();
        throw ImportHalt(QStringLiteral("Não foi possível iniciar a transação da declaração. ") + message);
    }
}

// ---- lookups -----------------------------------------------------------------------

bool Lookups::taxpayerExists(const QString& ie) {
    return taxpayer.get(ie, [&] { return storage::TaxpayerExists(ie); });
}

QString Lookups::stateName(const QString& numericCode) {
    return stateLetters.get(numericCode, [&] { return storage::LetterStateCode(numericCode); });
}

// ---- helpers -----------------------------------------------------------------------

// Control characters (a NUL byte, say) shown as '?', so that the message
// prints and logs cleanly.
QString quoted(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char('?');
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void addTo(double& sum, double value) { sum = money::round2(sum + value); }

AccountAmount amountAt(const AccountLine& line, int pos, const QString& field) {
    const QString characters = line.field(pos, kAmountCharacters);
    const std::optional<AccountAmount> amount = readAmount(characters);
    if (!amount)
        throw ImportHalt(QStringLiteral("o campo ") + field + QStringLiteral(" (posições %1 a %2), ").arg(pos).arg(pos + 13) +
                         quoted(characters) + QStringLiteral(", não é um valor numérico."));
    return *amount;
}

AccountAmount amountAt(const AccountLine& line, int pos, QChar segment, int field) {
    const std::optional<AccountAmount> amount = readAmount(line.field(pos, kAmountCharacters));
    if (amount) return *amount;
    return amountAt(line, pos, QString(segment) + QString::number(field));
}

int integerOf(const QString& text, const QString& field) {
    const std::optional<int> n = toInteger(text);
    if (!n) throw ImportHalt(QStringLiteral("o campo ") + field + QStringLiteral(", ") + quoted(text) +
                             QStringLiteral(", não é um número inteiro."));
    return *n;
}

QString formattedIE(const QString& ie) { return applyMask(QStringLiteral("99.999.999-9;0;"), ie); }

QString lineCite(const AccountLine& line) {
    const QChar s = line.segment();
    QString cite = QStringLiteral("linha %1").arg(line.number);
    if (!s.isNull() && s.unicode() >= 0x20) cite += QStringLiteral(" (segmento ") + s + QLatin1Char(')');
    return cite;
}

} // namespace vexa::declfile::import
