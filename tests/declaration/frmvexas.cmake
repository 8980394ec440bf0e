vexa_add_test(test_decl_frmvexas GUI
  SOURCES
    frmvexas/FrmVexasFitTest.cpp
    frmvexas/FrmVexasStateTest.cpp
    frmvexas/FrmVexasTest.cpp
    frmvexas/ScreenFixture.cpp frmvexas/ScreenFixture.h
  LIBS vexa_declaration_ui vexa_declaration Qt6::Test
)
