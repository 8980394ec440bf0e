#pragma once
// A program folder with a few rows in its tables, a fixed clock, a scripted
// view of the backup run, and the whole database as sorted text lines to
// compare before and after.

#include "ArchiveBuilder.h"

#include "backup/CopiaSeguranca.h"
#include "backup/DatabaseSide.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "storage/Database.h"
#include "storage/Engine.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace vexa::test {

class ScriptedBackupView : public backup::BackupView {
public:
    QString save, open;          // the files the dialogs answer (empty: cancelled)
    QString proposed;            // the name the save dialog was given
    QStringList steps;           // "text value/maximum" as shown
    std::function<void()> onPoll;
    bool ended = false;

    QString chooseArchiveToSave(const QString& name) override {
        proposed = name;
        return save;
    }
    QString chooseArchiveToOpen() override { return open; }
    void showStep(const QString& text, int value, int maximum) override {
        steps << QStringLiteral("%1 %2/%3").arg(text).arg(value).arg(maximum);
    }
    void poll() override {
        if (onPoll) onPoll();
    }
    void endProgram() override { ended = true; }
};

class BackupTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    QTemporaryDir elsewhere;
    FixedClock clock{QDateTime(QDate(2024, 3, 15), QTime(10, 30, 41))};
    ScriptedPrompter prompter;
    ScriptedBackupView view;
    std::unique_ptr<backup::DatabaseSide> sideOfFolder = backup::makeDatabaseSide(folder.folder());
    backup::DatabaseSide& side = *sideOfFolder;

    void SetUp() override { Clock::setInstance(&clock); }
    void TearDown() override { Clock::setInstance(nullptr); }

    QString archivePath() const { return elsewhere.filePath(QStringLiteral("copia.bak")); }
    bool reopen() {
        QString error;
        const bool ok = storage::open(folder.folder(), &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return ok;
    }
    static void exec(const QString& sql) {
        QSqlQuery q(storage::db());
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
    }
    static void storeSomeRows() {
        exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, UF, TipoRegime, EmailCont) VALUES "
                            "('290000011', 'Padaria D''Ávila & Filhos', '11222333000181', 'QX', 'N', 'a@b.qx'), "
                            "('290000022', 'Mercado São João', '52998224725', 'QX', 'S', 'c@d.qx')"));
        exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61) VALUES "
                            "('290000011', '2024', '02', '00', 1234.56, 0.01), ('290000011', '2024', '02', '01', 99, 7)"));
        exec(QStringLiteral("DELETE FROM Vexas WHERE Retificacao = '01'"));   // a deleted row the packing removes
    }
    // Every row of every table, as sorted lines.
    static QStringList snapshot() {
        QStringList lines;
        QSqlDatabase db = storage::db();
        for (const QString& table : db.tables()) {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(table)));
            while (q.next()) {
                QStringList values{table};
                for (int i = 0; i < q.record().count(); ++i)
                    values << (q.isNull(i) ? QStringLiteral("<null>") : q.value(i).toString());
                lines << values.join(QLatin1Char('|'));
            }
        }
        lines.sort();
        return lines;
    }
    static int indexCount() {
        QSqlQuery q(storage::db());
        const QString sql = storage::engineOf(storage::db()) == storage::Engine::SQLite
                                ? QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index'")
                                : QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = current_schema()");
        return q.exec(sql) && q.next() ? q.value(0).toInt() : 0;
    }
    bool onServer() const { return storage::isOnServer(folder.folder()); }
    // The database as it stands, to compare: the bytes of the file on a single
    // PC (the connection closed for the read), every row on a server. The
    // connection is left as it was found.
    QStringList databaseState() {
        const bool wasOpen = storage::isOpen();
        QStringList state;
        if (onServer()) {
            if (!wasOpen) reopen();
            state = snapshot();
            if (!wasOpen) storage::close();
        } else {
            storage::close();
            state << QString::fromLatin1(fileBytes(folder.folder().dbFile()).toBase64());
            if (wasOpen) reopen();
        }
        return state;
    }
    // What DB/ holds at rest (a single PC's database closed, so without its
    // log): the database file, or the server's connection file.
    QStringList dbFolderEntries() {
        const bool reopenAfter = !onServer() && storage::isOpen();
        if (reopenAfter) storage::close();
        const QStringList entries =
            QDir(folder.folder().dbDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (reopenAfter) reopen();
        return entries;
    }
    QStringList dbFolderAtRest() const {
        return onServer() ? QStringList{QStringLiteral("conexao.ini")} : QStringList{QStringLiteral("vexa.db")};
    }
    // A small SQLite file, with the declaration table or without it.
    QByteArray sqliteFile(bool withVexas) const {
        const QString path = elsewhere.filePath(withVexas ? QStringLiteral("small.db") : QStringLiteral("foreign.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("BackupTestSmall"));
            db.setDatabaseName(path);
            EXPECT_TRUE(db.open());
            const QString table = withVexas ? QStringLiteral("Vexas") : QStringLiteral("Outra");
            QSqlQuery q(db);
            q.exec(QStringLiteral("CREATE TABLE %1 (IE TEXT, Ano TEXT)").arg(table));
            q.exec(QStringLiteral("INSERT INTO %1 VALUES ('290000011', '2024')").arg(table));
            q = QSqlQuery();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("BackupTestSmall"));
        return fileBytes(path);
    }
};

} // namespace vexa::test
