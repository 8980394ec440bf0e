# The cash registers (3.8.1) and TARE agreements (3.4.1): the rules without a screen.
vexa_add_test(test_decl_ecftare
  SOURCES
    ecftare/EcfTareRulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)
