# The export run: the period's list, checks, refusals, cancel, the file in one
# piece; the screen "Cópia de Arquivos" driven from period to written file.
vexa_add_test(test_declfile_export
  SOURCES
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    export/ExportFixture.cpp export/ExportFixture.h
    export/ExportTest.cpp
    export/ExportCliTest.cpp
  LIBS vexa_declfile
)
# The batch commands validate and export are run as processes.
add_dependencies(test_declfile_export vexa-cli)
target_compile_definitions(test_declfile_export PRIVATE VEXA_CLI_PATH="$<TARGET_FILE:vexa-cli>")

vexa_add_test(test_declfile_export_ui GUI
  SOURCES
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    export/ExportFixture.cpp export/ExportFixture.h
    export/FrmCopiaArquivosTest.cpp
  LIBS vexa_declfile_ui
)
