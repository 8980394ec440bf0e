#pragma once
// The key every declaration row and child row carries: IE (9 digits),
// Ano ("YYYY"), Mes ("MM") and Retificacao ("00" for the first filing of a
// period, "01", "02", ... for its rectifications).

#include <QSqlQuery>
#include <QString>

namespace vexa::decl {

struct DeclarationKey {
    QString ie;
    QString ano;
    QString mes;
    QString retificacao = QStringLiteral("00");

    bool isComplete() const { return !ie.isEmpty() && ano.size() == 4 && mes.size() == 2 && retificacao.size() == 2; }
    QString yyyymm() const { return ano + mes; }      // compared as text against thresholds
    QString mmyyyy() const { return mes + ano; }      // lists, queries and the file name
    QString display() const { return mes + QLatin1Char('/') + ano; }
    bool isDecember() const { return mes == QLatin1String("12"); }
    int month() const { return mes.toInt(); }
    int year() const { return ano.toInt(); }

    // The same taxpayer's previous month: December of the previous year for January.
    // Retificacao is left empty: the caller picks the highest stored one.
    DeclarationKey previousMonth() const;

    // Binds :ie, :ano, :mes, :retificacao on a prepared query.
    void bind(QSqlQuery& q) const;

    // "IE = :ie AND Ano = :ano AND Mes = :mes AND Retificacao = :retificacao"
    static QString whereClause();

    friend bool operator==(const DeclarationKey&, const DeclarationKey&) = default;
};

// Month as two digits ("%2.2d"): 3 -> "03".
QString twoDigitMonth(int month);

} // namespace vexa::decl
