# The rate-differential tables of items 7.6.1, 7.9.1 and 7.13.1: the rules,
# and the three editors on the offscreen platform.
vexa_add_test(test_decl_rates GUI
  SOURCES
    lists/ListsFixture.cpp lists/ListsFixture.h
    rates/RateTablesTest.cpp
    rates/FrmRateEditorsTest.cpp
    frmvexas/ScreenFixture.cpp frmvexas/ScreenFixture.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
