# Item 9, ICMS to pay: the rules and totals, and the sheet on the offscreen platform.
vexa_add_test(test_decl_topay
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    topay/IcmsRecolherTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)
