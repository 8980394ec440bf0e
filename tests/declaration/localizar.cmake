vexa_add_test(test_decl_localizar GUI
  SOURCES
    localizar/FrmLocalizarVexaTest.cpp
    frmvexas/ScreenFixture.cpp frmvexas/ScreenFixture.h
  LIBS vexa_declaration_ui vexa_declaration Qt6::Test
)
