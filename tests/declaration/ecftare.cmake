# The cash registers (3.8.1) and TARE agreements (3.4.1): the rules without a
# screen, and the editors and their buttons on the offscreen platform.
vexa_add_test(test_decl_ecftare
  SOURCES
    ecftare/EcfTareRulesTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_ecftare_ui GUI
  SOURCES
    ecftare/EcfTareEditorsTest.cpp
    municipality/SheetsFixture.cpp municipality/SheetsFixture.h
    municipality/SheetsScreen.cpp municipality/SheetsScreen.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
