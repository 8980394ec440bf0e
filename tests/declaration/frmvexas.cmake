vexa_add_test(test_decl_frmvexas GUI
  SOURCES
    frmvexas/FrmVexasFitTest.cpp
    frmvexas/FrmVexasStateTest.cpp
    frmvexas/FrmVexasTest.cpp
    frmvexas/ScreenFixture.cpp frmvexas/ScreenFixture.h
  LIBS vexa_declaration_ui vexa_declaration Qt6::Test
)

# "Validar VEXA": compared with the batch program's validate, run as a process.
vexa_add_test(test_decl_frmvexas_validate GUI
  SOURCES
    ../declfile/layout/LayoutFixture.cpp ../declfile/layout/LayoutFixture.h
    ../declfile/export/ExportFixture.cpp ../declfile/export/ExportFixture.h
    frmvexas/FrmVexasValidarTest.cpp
  LIBS vexa_declaration_ui Qt6::Test
)
add_dependencies(test_decl_frmvexas_validate vexa-cli)
target_compile_definitions(test_decl_frmvexas_validate PRIVATE VEXA_CLI_PATH="$<TARGET_FILE:vexa-cli>")
