vexa_add_test(test_decl_record
  SOURCES
    record/CarryOverTest.cpp
    record/ChildTablesTest.cpp
    record/DeclarationCliTest.cpp
    record/KeyAndRowTest.cpp
    record/RecordFixture.cpp record/RecordFixture.h
    record/SaveChecksTest.cpp
  LIBS vexa_declaration vexa_registry vexa_storage vexa_common
)
add_dependencies(test_decl_record vexa-cli)
