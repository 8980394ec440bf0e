# Items 13 and 14 for fuel retailers: the rules without a screen, and the
# sheets and the previous-product dialog on the offscreen platform.
vexa_add_test(test_decl_fuel
  SOURCES
    fuel/FuelRulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_fuel_ui GUI
  SOURCES
    fuel/FuelSheetsTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
    municipality/SheetsScreen.cpp municipality/SheetsScreen.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
