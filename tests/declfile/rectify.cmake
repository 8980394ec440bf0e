# Rectification: the copy under the next number, the carried items, a failure
# half-way, the batch command with the export; "Re&tificar VEXA" on the screen.
vexa_add_test(test_declfile_rectify
  SOURCES
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    export/ExportFixture.cpp export/ExportFixture.h
    rectify/RectificationTest.cpp
  LIBS vexa_declfile
)
add_dependencies(test_declfile_rectify vexa-cli)
target_compile_definitions(test_declfile_rectify PRIVATE VEXA_CLI_PATH="$<TARGET_FILE:vexa-cli>")

vexa_add_test(test_declfile_rectify_ui GUI
  SOURCES
    ../declaration/frmvexas/ScreenFixture.cpp ../declaration/frmvexas/ScreenFixture.h
    rectify/FrmVexasRectifyTest.cpp
  LIBS vexa_declaration_ui vexa_declfile Qt6::Test
)
