# Consistency checks of the export: the rules in their order, the report page,
# the alert question; the dialog "Validação de Dados".
vexa_add_test(test_declfile_validation
  SOURCES
    validation/ValidationFixture.cpp validation/ValidationFixture.h
    validation/RuleTableTest.cpp
    validation/RegistryRulesTest.cpp
    validation/SegmentRulesTest.cpp
    validation/CrossRulesTest.cpp
    validation/ReportTest.cpp
  LIBS vexa_declfile
)

vexa_add_test(test_declfile_validation_ui GUI
  SOURCES
    validation/ValidationFixture.cpp validation/ValidationFixture.h
    validation/FrmValidacaoTest.cpp
  LIBS vexa_declfile_ui
)
