#include "ParadoxWriter.h"

#include "common/Cp1252.h"
#include "declfile/ParadoxTable.h"
#include "storage/Schema.h"

#include <QDate>
#include <cstring>

extern "C" {
#include <paradox.h>
}

namespace vexa::test::px {

namespace pt = declfile::paradox;
using storage::schema::Type;

QList<Column> layoutOf(const QString& table, const QStringList& without) {
    QList<Column> out;
    const auto* t = storage::schema::findTable(table);
    if (!t) return out;
    for (const auto& c : t->columns) {
        if (without.contains(c.name, Qt::CaseInsensitive)) continue;
        switch (c.type) {
        case Type::Text: out << Column{c.name, pt::Alpha, c.width > 0 ? c.width : 100}; break;
        case Type::Memo: out << Column{c.name, pt::Alpha, 255}; break;
        case Type::Float: out << Column{c.name, pt::Number, 8}; break;
        case Type::Integer: out << Column{c.name, pt::Long, 4}; break;
        case Type::SmallInt: out << Column{c.name, pt::Short, 2}; break;
        case Type::Date: out << Column{c.name, pt::Date, 4}; break;
        case Type::Boolean: out << Column{c.name, pt::Logical, 1}; break;
        }
    }
    return out;
}

namespace {
QVariant valueOf(const Values& row, const QString& name) {
    for (auto it = row.begin(); it != row.end(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) return it.value();
    return {};
}
} // namespace

bool writeTable(const QString& path, const QList<Column>& columns, const QList<Values>& rows) {
    pxdoc_t* doc = PX_new();
    if (!doc) return false;
    // pxlib takes the field list over and frees it with its own allocator.
    auto* fields = static_cast<pxfield_t*>(doc->malloc(doc, sizeof(pxfield_t) * size_t(columns.size()), "fields"));
    for (int i = 0; i < columns.size(); ++i) {
        fields[i].px_fname = PX_strdup(doc, columns[i].name.toLatin1().constData());
        fields[i].px_ftype = char(columns[i].type);
        fields[i].px_flen = columns[i].length;
        fields[i].px_fdc = 0;
    }
    if (PX_create_file(doc, fields, int(columns.size()), path.toLocal8Bit().constData(), pxfFileTypNonIndexDB) < 0) {
        PX_delete(doc);
        return false;
    }
    std::vector<char> record(size_t(PX_get_recordsize(doc)));
    for (const Values& row : rows) {
        std::fill(record.begin(), record.end(), '\0');
        char* at = record.data();
        for (const Column& c : columns) {
            const QVariant v = valueOf(row, c.name);
            if (!v.isNull()) {
                switch (c.type) {
                case pt::Alpha: {
                    QByteArray bytes = cp1252::encode(v.toString());
                    bytes.truncate(c.length);
                    PX_put_data_alpha(doc, at, c.length, bytes.data());
                    break;
                }
                case pt::Number:
                case pt::Currency: PX_put_data_double(doc, at, c.length, v.toDouble()); break;
                case pt::Short: PX_put_data_short(doc, at, c.length, short(v.toInt())); break;
                case pt::Date: PX_put_data_long(doc, at, c.length, int(v.toDate().toJulianDay() - 1721425)); break;
                case pt::Logical: PX_put_data_byte(doc, at, c.length, char(v.toBool() ? 1 : 0)); break;
                default: PX_put_data_long(doc, at, c.length, v.toInt()); break;
                }
            }
            at += c.length;
        }
        if (PX_put_record(doc, record.data()) < 0) {
            PX_close(doc);
            PX_delete(doc);
            return false;
        }
    }
    PX_close(doc);
    PX_delete(doc);
    return true;
}

} // namespace vexa::test::px
