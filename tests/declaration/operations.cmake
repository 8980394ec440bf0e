# Entries and outputs by fiscal operation code: the rules and totals, and the
# grid model and sheet on the offscreen platform.
vexa_add_test(test_decl_operations
  SOURCES
    operations/OperationCheckTest.cpp
    operations/OperationTotalsTest.cpp
    operations/OperationTwinTest.cpp
    operations/OperationsFixture.cpp operations/OperationsFixture.h
  LIBS vexa_declaration vexa_storage vexa_common
)

vexa_add_test(test_decl_operations_ui GUI
  SOURCES
    operations/OperationsFixture.cpp operations/OperationsFixture.h
    operations/OperationsModelTest.cpp
    operations/OperationsSheetTest.cpp
  LIBS vexa_declaration_ui vexa_declaration vexa_storage vexa_common Qt6::Test
)
