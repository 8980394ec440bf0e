# The export run: the period's list, checks, refusals, cancel, the file in one
# piece; the screen "Cópia de Arquivos" driven from period to written file.
vexa_add_test(test_declfile_export
  SOURCES
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    export/ExportFixture.cpp export/ExportFixture.h
    export/ExportTest.cpp
  LIBS vexa_declfile
)

vexa_add_test(test_declfile_export_ui GUI
  SOURCES
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    export/ExportFixture.cpp export/ExportFixture.h
    export/FrmCopiaArquivosTest.cpp
  LIBS vexa_declfile_ui
)
