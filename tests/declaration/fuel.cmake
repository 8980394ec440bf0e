# Items 13 and 14 for fuel retailers: the rules without a screen.
vexa_add_test(test_decl_fuel
  SOURCES
    fuel/FuelRulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)
