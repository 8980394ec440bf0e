#include "storage/ReferenceData.h"

#include "storage/Csv.h"
#include "storage/Database.h"
#include "storage/Engine.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace vexa::storage {

namespace {

bool matches(const QString& text, const char* pattern) {
    const QRegularExpression re(QString::fromLatin1(pattern));
    return re.match(text).hasMatch();
}

QString shortened(const QString& text) {
    return text.size() > 40 ? text.left(40) + QStringLiteral("...") : text;
}

} // namespace

bool referenceValue(const schema::Column& column, const QString& text, QVariant* value, QString* why) {
    using schema::Type;
    if (text.isEmpty()) {
        *value = QVariant();
        return true;
    }
    switch (column.type) {
    case Type::Text:
        if (column.width > 0 && text.size() > column.width) {
            *why = QStringLiteral("texto de %1 caracteres, o máximo é %2").arg(text.size()).arg(column.width);
            return false;
        }
        *value = text;
        return true;
    case Type::Memo:
        *value = text;
        return true;
    case Type::Float:
        if (!matches(text, R"(^[+-]?(\d+(\.\d*)?|\.\d+)$)")) {
            *why = QStringLiteral("\"%1\" não é um número (ponto decimal, sem separador de milhar)")
                       .arg(shortened(text));
            return false;
        }
        *value = text.toDouble();
        return true;
    case Type::Integer:
    case Type::SmallInt: {
        const qint64 limit = column.type == Type::SmallInt ? 32767 : 2147483647;
        bool ok = matches(text, R"(^[+-]?\d{1,10}$)");
        const qint64 n = ok ? text.toLongLong(&ok) : 0;
        if (!ok || n > limit || n < -limit - 1) {
            *why = QStringLiteral("\"%1\" não é um número inteiro válido").arg(shortened(text));
            return false;
        }
        *value = n;
        return true;
    }
    case Type::Boolean:
        if (text != QLatin1String("0") && text != QLatin1String("1")) {
            *why = QStringLiteral("\"%1\" não é 0 nem 1").arg(shortened(text));
            return false;
        }
        *value = text.toInt();
        return true;
    case Type::Date:
        if (!matches(text, R"(^\d{4}-\d{2}-\d{2}$)") ||
            !QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid()) {
            *why = QStringLiteral("\"%1\" não é uma data aaaa-mm-dd").arg(shortened(text));
            return false;
        }
        *value = text;
        return true;
    }
    *why = QStringLiteral("tipo de coluna desconhecido");
    return false;
}

bool loadReferenceFile(QSqlDatabase db, const QString& path, QString* error) {
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("Dados de referência %1: %2").arg(fileName, why);
        return false;
    };

    const schema::Table* table = schema::findTable(info.completeBaseName());
    if (!table) return fail(QStringLiteral("tabela desconhecida \"%1\"").arg(info.completeBaseName()));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("não foi possível ler o arquivo (%1)").arg(file.errorString()));
    CsvContent csv;
    QString why;
    if (!parseCsv(file.readAll(), &csv, &why)) return fail(why);

    QList<const schema::Column*> columns;
    QStringList names;
    QStringList marks;
    for (const QString& raw : csv.header) {
        const QString name = raw.trimmed();
        const schema::Column* col = schema::findColumn(*table, name);
        if (!col)
            return fail(QStringLiteral("coluna desconhecida \"%1\" na tabela %2").arg(name, table->name));
        if (columns.contains(col)) return fail(QStringLiteral("coluna \"%1\" repetida no cabeçalho").arg(name));
        columns << col;
        names << identifier(engineOf(db), col->name);
        marks << QStringLiteral("?");
    }

    // All rows of the file or none, inside or outside a transaction that the caller may hold.
    Transaction unit(db);
    if (!unit.started()) return fail(unit.error());
    auto undo = [&] { unit.rollback(); };

    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(identifier(engineOf(db), table->name), names.join(QLatin1Char(',')),
                                 marks.join(QLatin1Char(','))))) {
        why = insert.lastError().text();
        undo();
        return fail(why);
    }
    for (const CsvRecord& rec : csv.records) {
        for (int i = 0; i < columns.size(); ++i) {
            QVariant value;
            if (!referenceValue(*columns[i], rec.fields[i], &value, &why)) {
                undo();
                return fail(QStringLiteral("linha %1, coluna %2: %3").arg(rec.line).arg(columns[i]->name, why));
            }
            insert.bindValue(i, value);
        }
        if (!insert.exec()) {
            why = insert.lastError().text();
            insert.finish();
            undo();
            return fail(QStringLiteral("linha %1: %2").arg(rec.line).arg(why));
        }
    }
    insert.finish();
    if (!unit.commit()) return fail(unit.error());
    return true;
}

bool loadReferenceFolder(QSqlDatabase db, const QString& dir, QString* error) {
    const QDir folder(dir);
    if (!folder.exists()) {
        if (error) *error = QStringLiteral("Pasta de dados de referência não encontrada: %1").arg(dir);
        return false;
    }
    const QStringList files =
        folder.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);   // any case
    for (const QString& f : files)
        if (!loadReferenceFile(db, folder.filePath(f), error)) return false;
    return true;
}

} // namespace vexa::storage
