# Item 9, ICMS to pay: the rules and totals, and the sheet on the offscreen platform.
vexa_add_test(test_decl_topay
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    topay/IcmsRecolherTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_topay_ui GUI
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    topay/SheetItem9Test.cpp
    topay/SheetTestSupport.cpp topay/SheetTestSupport.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
