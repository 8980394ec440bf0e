// What the declaration screen enables as its states change, and its title.

#include "declaration/ui/FrmVexasState.h"

#include <gtest/gtest.h>

using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

ScreenState state(DeclState decl, Sheet sheet = Sheet::Itens2a39, TableState table = TableState::Browse,
                  bool atFirst = false, bool atLast = false) {
    return {decl, table, sheet, atFirst, atLast};
}

TEST(FrmVexasState, FollowsTheDeclarationThroughSearchInsertBrowseAndEdit) {
    ControlStates states;
    // Opening: the key is typed, nothing to act on.
    Controls c = states.apply(state(DeclState::Search));
    EXPECT_FALSE(c.gravar || c.cancelar || c.excluir || c.dare || c.retificar || c.imprimir || c.anterior ||
                 c.proxima);
    EXPECT_TRUE(c.novo && c.localizar && c.keyFields);

    // A new declaration: only Save and Cancel; print stays as it was (off).
    c = states.apply(state(DeclState::Insert, Sheet::Itens2a39, TableState::Insert, true, true));
    EXPECT_TRUE(c.gravar && c.cancelar);
    EXPECT_FALSE(c.novo || c.excluir || c.localizar || c.dare || c.retificar || c.anterior || c.proxima ||
                 c.keyFields || c.imprimir);

    // Stored, the first of all: previous off, next on.
    c = states.apply(state(DeclState::Browse, Sheet::Itens2a39, TableState::Browse, true, false));
    EXPECT_FALSE(c.gravar || c.cancelar || c.anterior);
    EXPECT_TRUE(c.novo && c.excluir && c.localizar && c.dare && c.retificar && c.imprimir && c.proxima &&
                c.keyFields);

    // Editing a stored one: print keeps its state, the rest as for a new one.
    c = states.apply(state(DeclState::Edit, Sheet::Itens5a87, TableState::Edit));
    EXPECT_TRUE(c.gravar && c.cancelar && c.imprimir);
    EXPECT_FALSE(c.novo || c.excluir || c.localizar || c.anterior || c.proxima || c.keyFields);

    // Back to the key: actions on a declaration off; moving keeps its state (it
    // moves from the declaration shown before).
    c = states.apply(state(DeclState::Browse, Sheet::Itens2a39, TableState::Browse, false, true));
    EXPECT_TRUE(c.anterior);
    EXPECT_FALSE(c.proxima);
    c = states.apply(state(DeclState::Search));
    EXPECT_FALSE(c.imprimir || c.retificar || c.excluir || c.dare || c.gravar || c.proxima);
    EXPECT_TRUE(c.localizar && c.keyFields && c.anterior);

    // A new declaration given up: the key can be typed again.
    states.apply(state(DeclState::Insert, Sheet::Itens2a39, TableState::Insert, true, true));
    c = states.apply(state(DeclState::Closed));
    EXPECT_TRUE(c.keyFields && c.localizar);
    EXPECT_FALSE(c.gravar || c.cancelar || c.anterior || c.proxima);
}

TEST(FrmVexasState, NewFollowsTheSheetAndItsTable) {
    ControlStates states;
    const auto novo = [&](Sheet sheet, TableState table, DeclState decl = DeclState::Browse) {
        return states.apply(state(decl, sheet, table)).novo;
    };
    EXPECT_TRUE(novo(Sheet::Itens2a39, TableState::Browse));
    EXPECT_TRUE(novo(Sheet::Item41, TableState::Browse));
    EXPECT_TRUE(novo(Sheet::Item42, TableState::Browse));
    EXPECT_TRUE(novo(Sheet::Itens11a127, TableState::Browse));
    EXPECT_TRUE(novo(Sheet::Itens15, TableState::Browse));
    EXPECT_TRUE(novo(Sheet::Item16, TableState::Browse));
    for (Sheet s : {Sheet::Itens5a87, Sheet::Item9, Sheet::Itens10a103, Sheet::Item13, Sheet::Item14,
                    Sheet::Itens17a184})
        EXPECT_FALSE(novo(s, TableState::Browse)) << sheetCaption(s).toStdString();
    // A grid row in edit holds New back on the grid sheets, and the row's own edit everywhere.
    EXPECT_FALSE(novo(Sheet::Item41, TableState::Insert));
    EXPECT_FALSE(novo(Sheet::Itens2a39, TableState::Edit, DeclState::Edit));

    // A grid row in edit: Save and Cancel on, the declaration's actions off.
    const Controls c = states.apply(state(DeclState::Browse, Sheet::Item41, TableState::Insert));
    EXPECT_TRUE(c.gravar && c.cancelar);
    EXPECT_FALSE(c.excluir || c.localizar || c.dare || c.keyFields);
}

TEST(FrmVexasState, TitleShowsThePeriodRectificationTaxpayer) {
    const DeclarationKey key{QStringLiteral("290000009"), QStringLiteral("2024"), QStringLiteral("03"),
                             QStringLiteral("01")};
    EXPECT_EQ(screenTitle(DeclState::Search, key, QStringLiteral("X")), QStringLiteral("VEXA Eletrônica"));
    EXPECT_EQ(screenTitle(DeclState::Closed, {}, {}), QStringLiteral("VEXA Eletrônica"));
    EXPECT_EQ(screenTitle(DeclState::Browse, key, QStringLiteral("D'ÁVILA LTDA")),
              QStringLiteral("VEXA Eletrônica: 03/2024 - Ret. 01 - 29.000.000-9 - D'ÁVILA LTDA"));
    EXPECT_EQ(screenTitle(DeclState::Insert, key, QStringLiteral("N")),
              QStringLiteral("VEXA Eletrônica: 03/2024 - Ret. 01 - 29.000.000-9 - N"));
}

} // namespace
