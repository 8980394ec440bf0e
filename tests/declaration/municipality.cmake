# Items 15 and 16: the rules, totals and cross-check without a screen.
vexa_add_test(test_decl_municipality
  SOURCES
    municipality/Item15RulesTest.cpp
    municipality/Item16RulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)
