# Items 11 and 12, movement by state: the rules, twins and totals, and the
# sheet on the offscreen platform.
vexa_add_test(test_decl_states
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    states/StateMovementTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_states_ui GUI
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    topay/SheetTestSupport.cpp topay/SheetTestSupport.h
    states/SheetItens11Test.cpp
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
