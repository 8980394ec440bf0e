# Other debits, other credits and deductions: the rules, and the three list
# editors on the offscreen platform.
vexa_add_test(test_decl_lists GUI
  SOURCES
    lists/ListsFixture.cpp lists/ListsFixture.h
    lists/LawListsTest.cpp
    lists/FrmLawEditorsTest.cpp
    frmvexas/ScreenFixture.cpp frmvexas/ScreenFixture.h
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
