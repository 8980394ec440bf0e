// The desktop's message boxes: titled "VEXA Eletrônica", line breaks from
// carriage returns, text shown as written, answers "Sim"/"Não".
#include "common/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace vexa;

namespace {

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Looks at the box the prompter opens, then presses the button with the given text.
SeenBox answerNextBox(const QString& press, const std::function<void()>& open) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        seen = {box->windowTitle(), box->text(), box->textFormat(), box->icon(), {}};
        QAbstractButton* toPress = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons << b->text();
            if (QString(b->text()).remove(QLatin1Char('&')) == QString(press).remove(QLatin1Char('&'))) toPress = b;
        }
        ASSERT_TRUE(toPress);
        toPress->click();
    });
    open();
    return seen;
}

} // namespace

TEST(MessageBoxPrompter, QuestionAnswersSimOrNao) {
    MessageBoxPrompter prompter;
    bool answer = false;
    SeenBox box = answerNextBox(QStringLiteral("&Sim"), [&] { answer = prompter.ask(QStringLiteral("Confirma Exclusão???")); });
    EXPECT_TRUE(answer);
    EXPECT_EQ(box.title, QStringLiteral("VEXA Eletrônica"));
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons.size(), 2);
    EXPECT_TRUE(box.buttons.contains(QStringLiteral("&Não")));

    answerNextBox(QStringLiteral("&Não"), [&] { answer = prompter.ask(QStringLiteral("Confirma Exclusão???")); });
    EXPECT_FALSE(answer);
}

TEST(MessageBoxPrompter, CarriageReturnsBreakLinesAndMarkupIsShownAsWritten) {
    MessageBoxPrompter prompter;
    const SeenBox box = answerNextBox(QStringLiteral("OK"), [&] {
        prompter.warn(QStringLiteral("Instalação VEXA Eletrônica está incompleta. \rFavor instalar versão completa.\rerro: 3"));
    });
    EXPECT_EQ(box.text, QStringLiteral("Instalação VEXA Eletrônica está incompleta. \nFavor instalar versão completa.\nerro: 3"));
    EXPECT_EQ(box.icon, QMessageBox::Warning);

    const SeenBox markup = answerNextBox(QStringLiteral("OK"), [&] { prompter.error(QStringLiteral("<b>0 < 50</b>")); });
    EXPECT_EQ(markup.format, Qt::PlainText);
    EXPECT_EQ(markup.icon, QMessageBox::Critical);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);   // the cursor from before is back
}
