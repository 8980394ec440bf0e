# Items 15 and 16: the rules, totals and cross-check without a screen, and
# the sheets and invoices editor on the offscreen platform.
vexa_add_test(test_decl_municipality
  SOURCES
    municipality/Item15RulesTest.cpp
    municipality/Item16RulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_municipality_ui GUI
  SOURCES
    municipality/MunicipalitySheetsTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
    municipality/SheetsScreen.cpp municipality/SheetsScreen.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
