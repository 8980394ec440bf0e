# Item 10, stock demonstration: the total questions and the row, and the
# sheet on the offscreen platform.
vexa_add_test(test_decl_stock
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    stock/StockDemonstrationTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_stock_ui GUI
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    topay/SheetTestSupport.cpp topay/SheetTestSupport.h
    stock/SheetItens10Test.cpp
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
