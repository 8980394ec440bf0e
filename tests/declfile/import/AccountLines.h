#pragma once
// Builders of accounting-system file lines for the tests: each builder gives
// a correct record of its segment from plain values, so that a test changes
// only the field it is about. The segments that equal the submission file's
// are written by the submission file's own record builders.

#include "declaration/DeclarationKey.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace vexa::test {

// A record of `width` characters: the header, blanks, then fields put at their positions.
class Record {
public:
    Record(char segment, const decl::DeclarationKey& key, int width);
    Record& put(int pos, const QString& text);              // overwrites from pos
    Record& amount(int pos, double value);                  // the 14-digit amount
    Record& number(int pos, qint64 value, int width);       // zero-filled digits
    Record& date(int pos, const QDate& day);                // ddmmyyyy
    QByteArray bytes() const;                               // code page 1252

private:
    QString text_;
};

// Segment A's values, correct for the fixture's taxpayer and accountant.
struct SegmentA {
    QString activity = QStringLiteral("4711302");
    QString kind = QStringLiteral("M");
    QString tare = QStringLiteral("N");
    QString books = QStringLiteral("C");
    double saldoInicial = 1500.0;
    double saldoFinal = 1750.25;
    QString ecf = QStringLiteral("S");
    QString cpf = QStringLiteral("12345678909");
    QString nome = QStringLiteral("JOSÉ RESPONSÁVEL");
    QString crc = QStringLiteral("QX012345");
    QString crcUf = QStringLiteral("QX");
    QString contador = QStringLiteral("MARIA CONTADORA");
    QString fone = QStringLiteral("6532101234");
    // items 5.1, 5.2, 5.3, 6.1, 6.2, 6.3, 6.4, 7.2, 7.4, 8.1 .. 8.5
    double items[14] = {1000.0, 0, 0, 400.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QString nTare;
    QString version = QStringLiteral("10.00");
    QString tareExpiry = QStringLiteral("        ");   // ddmmyyyy or blanks
    double c76 = 0;
    double c77 = 0;
    QString encerrante = QStringLiteral("E");
    QString obs = QStringLiteral("sem observações");
    double c79 = 0;
    double c713 = 0;
    QString muda = QStringLiteral("N");
    QString cidadeB;            // 7 characters
    QString dtIniA, dtFimA, dtIniB, dtFimB;   // ddmmyyyy
    bool shortForm = false;     // 743 characters: without fields 41 to 46
};
QByteArray lineA(const decl::DeclarationKey& key, const SegmentA& a = {});

// Segments equal to the submission file's, through its record builders.
QByteArray lineB(const decl::DeclarationKey& key, const QString& entradaSaida, int cfop, double base, double exempt,
                 double others, double substitution, double bookValue, double tax, const QString& domicile = "A");
QByteArray lineC(const decl::DeclarationKey& key, double first = 100.0);
QByteArray lineD(const decl::DeclarationKey& key, const QString& entradaSaida, const QString& uf,
                 const QString& domicile = "A", double bookValue = 300.0);
QByteArray lineE(const decl::DeclarationKey& key, const QString& kind, const QDate& due, double value);
QByteArray lineH(const decl::DeclarationKey& key, int tank, int product, int quantity);
QByteArray lineJ(const decl::DeclarationKey& key, const QString& number, const QDate& expiry);
QByteArray lineK(const decl::DeclarationKey& key, int law, double value);
QByteArray lineL(const decl::DeclarationKey& key, int law, double due, double average, double deduction);
QByteArray lineR(const decl::DeclarationKey& key, int law, double value);
// G as the submission file writes it (130 characters, with the former product and the change date).
QByteArray lineG130(const decl::DeclarationKey& key, const QString& serial, int nozzle, int product, int opening,
                    int closing);

// Segments of the accounting layout.
QByteArray lineG(const decl::DeclarationKey& key, const QString& serial, int nozzle, int product, int opening,
                 int closing, int without = 0, int with = 0);
QByteArray lineI(const decl::DeclarationKey& key, int note, const QDate& issued, const QString& cnpj,
                 const QString& uf, double unitValue, int quantity);
QByteArray lineM(const decl::DeclarationKey& key, qint64 ibge, const QString& domicile, double bookValue,
                 double returns);
QByteArray lineN(const decl::DeclarationKey& key, const QString& company, const QString& domicile,
                 const QString& municipality, double value);
QByteArray lineO(const decl::DeclarationKey& key, const QString& company, const QString& domicile, int note,
                 double value);
// P, Q or S; origin and destination only for S.
QByteArray lineRate(char segment, const decl::DeclarationKey& key, const QString& domicile, const QString& uf,
                    double bookValue, double base, double value, double rate, double origin = 0,
                    double destination = 0);
QByteArray lineZ(const decl::DeclarationKey& key, int count);

// A file of declarations: each begun by its A line, ended by a Z with its
// line count (A to Z inclusive) unless another count is given.
class AccountText {
public:
    AccountText& begin(const QByteArray& a);
    AccountText& add(const QByteArray& record);
    AccountText& end(int count = -1);          // the Z record
    AccountText& raw(const QByteArray& bytes); // bytes as they are, no line end
    QByteArray bytes(const QByteArray& lineEnd = "\r\n") const;
    bool save(const QString& path, const QByteArray& lineEnd = "\r\n") const;

private:
    struct Piece {
        QByteArray bytes;
        bool line = true;   // followed by the line end
    };
    QList<Piece> pieces_;
    decl::DeclarationKey key_;
    int count_ = 0;
};

} // namespace vexa::test
