// Items 11 and 12: what the state column stores, the state check, the
// book-value questions by regime and direction, duplicates, the twins of a
// change of domicile, and the totals by domicile.
#include "declaration/topay/DeclarationFixture.h"

#include "declaration/StateMovementRules.h"
#include "declaration/StateMovementStore.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;
using A = StateAmount;

class StateMovementTest : public DeclarationFixture {
protected:
    // A row as the grid fills it: the typed state and the amounts in table order.
    static StateRow typed(Direction direction, const QString& state, std::initializer_list<std::pair<A, double>> amounts = {}) {
        StateRow row = newStateRow(direction);
        row.uf = stateCodeFromTyped(state);
        for (const auto& [a, v] : amounts) row.setAmount(a, v);
        return row;
    }
    StatePostOutcome post(const OperationContext& ctx, Direction direction, const StateRow& row,
                          const std::optional<StateRow>& original = std::nullopt) {
        return postStateRow(ctx, direction, row, original, prompter_);
    }
    int rowsOf(const OperationContext& ctx, Direction direction, const QString& uf, const QString& domicile) {
        return rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key,
                      QStringLiteral("EntradaSaida = ? AND UF = ? AND DomicilioFiscal = ?"),
                      {QString::number(int(direction)), uf, domicile});
    }
};

TEST_F(StateMovementTest, StateColumnStoresTheTwoDigitCode) {
    declaration();
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("qx")), QStringLiteral("29"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("QX")), QStringLiteral("29"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("ex")), QStringLiteral("90"));
    // A picker entry gives its code.
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("QX 29")), QStringLiteral("29"));
    const QStringList picker = statePickerEntries();
    ASSERT_EQ(picker.size(), 28);
    for (const QString& entry : picker) EXPECT_EQ(stateCodeFromTyped(entry), entry.mid(3, 2)) << entry.toStdString();
    // Numbers are codes as they stand; unknown letters stay visible.
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("07")), QStringLiteral("07"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("00")), QStringLiteral("00"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("zz")), QStringLiteral("ZZ"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("  ")), QString());
    // Letter codes never reach the SQL text.
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("'")), QStringLiteral("'"));
}

TEST_F(StateMovementTest, InvalidOrEmptyStatesAreNotStored) {
    const OperationContext ctx = declaration();
    const StatePostOutcome qx = post(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("qx")));
    ASSERT_TRUE(qx.posted()) << qx.message.toStdString();
    EXPECT_EQ(rowsOf(ctx, Direction::Entry, QStringLiteral("29"), kDomicileA), 1);

    for (const QString& bad : {QStringLiteral("00"), QStringLiteral("09"), QStringLiteral("zz"), QStringLiteral("5")}) {
        prompter_.clear();
        const StatePostOutcome out = post(ctx, Direction::Entry, typed(Direction::Entry, bad, {{A::ValorContabilA, 10}}));
        EXPECT_EQ(out.status, PostStatus::Refused) << bad.toStdString();
        EXPECT_EQ(out.field, state_field::Uf);
        EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: UF informada inválida!!!")});
    }
    // No state at all: the row goes without a word.
    prompter_.clear();
    EXPECT_EQ(post(ctx, Direction::Output, typed(Direction::Output, QString(), {{A::Outras, 5}})).status,
              PostStatus::Discarded);
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key), 1);
}

TEST_F(StateMovementTest, BookValueQuestionsOfTheNormalRegime) {
    const OperationContext ctx = declaration();
    // Entries: book value against base + exempt + other + substitution.
    StateRow entry = typed(Direction::Entry, QStringLiteral("SP"),
                           {{A::ValorContabilA, 100}, {A::BaseCalculoA, 60}, {A::CredDebImpostoA, 7.2},
                            {A::IsentasNaoTributadas, 10}, {A::Outras, 20}, {A::SubsTributaria, 9.99}});
    prompter_.queueAnswer(false);
    const StatePostOutcome no = post(ctx, Direction::Entry, entry);
    EXPECT_EQ(no.status, PostStatus::Refused);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: ") + state_msg::DivergenciaNormal});
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key), 0);
    prompter_.queueAnswer(true);
    EXPECT_TRUE(post(ctx, Direction::Entry, entry).posted());

    // Outputs: taxpayers' and non-taxpayers' book values adding up to the five columns ask nothing.
    prompter_.clear();
    const StateRow output = typed(Direction::Output, QStringLiteral("ba"),
                                  {{A::ValorContabilA, 700}, {A::ValorContabilB, 300.01}, {A::BaseCalculoA, 500},
                                   {A::BaseCalculoB, 200}, {A::CredDebImpostoA, 60}, {A::CredDebImpostoB, 24},
                                   {A::IsentasNaoTributadas, 100}, {A::Outras, 150}, {A::SubsTributaria, 50.01}});
    EXPECT_TRUE(post(ctx, Direction::Output, output).posted());
    EXPECT_TRUE(prompter_.log().isEmpty());
    // A difference that rounds to zero is none.
    StateRow tiny = typed(Direction::Entry, QStringLiteral("MG"), {{A::ValorContabilA, 10.004}, {A::Outras, 10}});
    EXPECT_TRUE(stateBookValueQuestion(QStringLiteral("N"), Direction::Entry, tiny).isEmpty());
    tiny.setAmount(A::ValorContabilA, 10.01);
    EXPECT_EQ(stateBookValueQuestion(QStringLiteral("N"), Direction::Entry, tiny), state_msg::DivergenciaNormal);
    // The non-taxpayers' base counts only for outputs.
    StateRow baseB = typed(Direction::Entry, QStringLiteral("MG"), {{A::ValorContabilA, 10}, {A::BaseCalculoB, 10}});
    EXPECT_EQ(stateBookValueQuestion(QStringLiteral("N"), Direction::Entry, baseB), state_msg::DivergenciaNormal);
    EXPECT_TRUE(stateBookValueQuestion(QStringLiteral("N"), Direction::Output, baseB).isEmpty());
}

TEST_F(StateMovementTest, BookValueQuestionsOfSimplesNacional) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("S"));
    // Book value equal to other + substitution posts without a question, outputs too.
    EXPECT_TRUE(post(ctx, Direction::Output, typed(Direction::Output, QStringLiteral("PE"),
                                                   {{A::ValorContabilA, 80}, {A::ValorContabilB, 20},
                                                    {A::Outras, 30}, {A::SubsTributaria, 70}}))
                    .posted());
    EXPECT_TRUE(prompter_.log().isEmpty());

    const StateRow entry = typed(Direction::Entry, QStringLiteral("PE"),
                                 {{A::ValorContabilA, 100}, {A::BaseCalculoA, 100}});
    const StatePostOutcome e = post(ctx, Direction::Entry, entry);
    EXPECT_EQ(e.status, PostStatus::Refused);
    EXPECT_EQ(e.field, state_field::ValorContabil);
    EXPECT_EQ(prompter_.last(), QStringLiteral("ask: ") + state_msg::DivergenciaSimplesEntradas);
    EXPECT_EQ(stateBookValueQuestion(QStringLiteral("S"), Direction::Output, entry), state_msg::DivergenciaSimplesSaidas);

    // The regime decides what may be typed.
    for (A a : {A::BaseCalculoA, A::BaseCalculoB, A::CredDebImpostoA, A::CredDebImpostoB, A::IsentasNaoTributadas}) {
        EXPECT_FALSE(isStateAmountEditable(a, QStringLiteral("S")));
        EXPECT_TRUE(isStateAmountEditable(a, QStringLiteral("N")));
    }
    for (A a : {A::ValorContabilA, A::ValorContabilB, A::Outras, A::SubsTributaria})
        EXPECT_TRUE(isStateAmountEditable(a, QStringLiteral("S")));
}

TEST_F(StateMovementTest, DuplicateStatesAreDiscarded) {
    const OperationContext ctx = declaration();
    ASSERT_TRUE(post(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("SP"), {{A::ValorContabilA, 1}, {A::Outras, 1}})).posted());
    ASSERT_TRUE(post(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("RJ"), {{A::ValorContabilA, 2}, {A::Outras, 2}})).posted());
    const QString sp = stateCodeFromTyped(QStringLiteral("SP"));
    const QString rj = stateCodeFromTyped(QStringLiteral("RJ"));

    // A new row of a state the grid holds.
    const StatePostOutcome again = post(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("sp")));
    EXPECT_EQ(again.status, PostStatus::Discarded);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Já existe um registro cadastrado para a UF ") + sp);
    // The same state in the other direction is another row.
    EXPECT_TRUE(post(ctx, Direction::Output, typed(Direction::Output, QStringLiteral("sp"))).posted());

    // An edit that moves RJ onto SP is discarded; RJ keeps its amounts.
    const StateRow storedRj = *findStateRow(ctx.key, Direction::Entry, rj, kDomicileA);
    StateRow moved = storedRj;
    moved.uf = sp;
    EXPECT_EQ(post(ctx, Direction::Entry, moved, storedRj).status, PostStatus::Discarded);
    EXPECT_DOUBLE_EQ(findStateRow(ctx.key, Direction::Entry, rj, kDomicileA)->amount(A::ValorContabilA), 2);
    // An edit that keeps its state only changes amounts.
    StateRow changed = storedRj;
    changed.setAmount(A::ValorContabilA, 3);
    changed.setAmount(A::Outras, 3);
    EXPECT_TRUE(post(ctx, Direction::Entry, changed, storedRj).posted());
    EXPECT_DOUBLE_EQ(findStateRow(ctx.key, Direction::Entry, rj, kDomicileA)->amount(A::ValorContabilA), 3);

    // Typing a state the grid holds moves to its row.
    EXPECT_TRUE(existingStateRow(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("sp")), std::nullopt));
    EXPECT_FALSE(existingStateRow(ctx, Direction::Entry, changed, storedRj));
    EXPECT_FALSE(existingStateRow(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("AM")), std::nullopt));
}

TEST_F(StateMovementTest, EachARowHasAZeroBTwinWhenTheDomicileChanged) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    ASSERT_TRUE(ctx.mudaDomicilio);
    const StatePostOutcome out = post(ctx, Direction::Output, typed(Direction::Output, QStringLiteral("AL"),
                                                                    {{A::ValorContabilA, 40}, {A::Outras, 40}}));
    ASSERT_TRUE(out.posted());
    EXPECT_TRUE(out.twinCreated);
    const QString al = stateCodeFromTyped(QStringLiteral("AL"));
    const auto twin = findStateRow(ctx.key, Direction::Output, al, kDomicileB);
    ASSERT_TRUE(twin.has_value());
    for (A a : allStateAmounts()) EXPECT_DOUBLE_EQ(twin->amount(a), 0.0);

    // A new code for the A row takes its twin along.
    const StateRow storedAl = *findStateRow(ctx.key, Direction::Output, al, kDomicileA);
    StateRow renamed = storedAl;
    renamed.uf = stateCodeFromTyped(QStringLiteral("SE"));
    const StatePostOutcome moved = post(ctx, Direction::Output, renamed, storedAl);
    ASSERT_TRUE(moved.posted());
    EXPECT_TRUE(moved.twinRenamed);
    EXPECT_EQ(rowsOf(ctx, Direction::Output, renamed.uf, kDomicileB), 1);
    EXPECT_EQ(rowsOf(ctx, Direction::Output, al, kDomicileB), 0);

    // Deleting either deletes both.
    QString error;
    ASSERT_TRUE(deleteStateRowWithTwin(ctx, Direction::Output, *findStateRow(ctx.key, Direction::Output, renamed.uf, kDomicileB), &error));
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key), 0);

    // Without a change of domicile no twin is made and a delete takes one row.
    const OperationContext plain = declaration(QStringLiteral("2024"), QStringLiteral("04"));
    const StatePostOutcome single = post(plain, Direction::Entry, typed(Direction::Entry, QStringLiteral("AL")));
    ASSERT_TRUE(single.posted());
    EXPECT_FALSE(single.twinCreated);
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), plain.key), 1);
}

TEST_F(StateMovementTest, TotalsByDomicileToTheCent) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    EXPECT_EQ(stateTotals(ctx.key, Direction::Output), StateTotals{});
    ScriptedPrompter yes(true);
    auto store = [&](const QString& uf, const QString& domicile, double book, double outras) {
        StateRow row = typed(Direction::Output, uf, {{A::ValorContabilA, book}, {A::Outras, outras}});
        row.domicilioFiscal = domicile;
        ASSERT_TRUE(postStateRow(ctx, Direction::Output, row, std::nullopt, yes).posted());
    };
    store(QStringLiteral("SP"), kDomicileA, 0.1, 0.1);
    store(QStringLiteral("RJ"), kDomicileA, 0.2, 0.2);
    // The twins of SP and RJ exist; a B row of its own, with amounts.
    const QString mg = stateCodeFromTyped(QStringLiteral("MG"));
    StateRow b = typed(Direction::Output, mg, {{A::ValorContabilA, 1000000.05}, {A::Outras, 1000000.05}});
    b.domicilioFiscal = kDomicileB;
    ASSERT_TRUE(postStateRow(ctx, Direction::Output, b, std::nullopt, yes).posted());
    ASSERT_TRUE(post(ctx, Direction::Entry, typed(Direction::Entry, QStringLiteral("SP"), {{A::ValorContabilA, 7}, {A::Outras, 7}})).posted());

    const StateTotals t = stateTotals(ctx.key, Direction::Output);
    EXPECT_DOUBLE_EQ(t.a[A::ValorContabilA], 0.3);
    EXPECT_DOUBLE_EQ(t.b[A::ValorContabilA], 1000000.05);
    EXPECT_DOUBLE_EQ(t.total[A::ValorContabilA], 1000000.35);
    EXPECT_DOUBLE_EQ(t.total[A::Outras], 1000000.35);
    EXPECT_DOUBLE_EQ(t.total[A::BaseCalculoA], 0.0);
    EXPECT_DOUBLE_EQ(stateTotals(ctx.key, Direction::Entry).a[A::ValorContabilA], 7.0);
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key, QStringLiteral("DomicilioFiscal = 'B'")), 4);
}

} // namespace
} // namespace vexa::test
