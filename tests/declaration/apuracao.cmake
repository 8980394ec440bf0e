vexa_add_test(test_decl_apuracao
  SOURCES
    apuracao/ApuracaoTest.cpp
    apuracao/ValidLawCodesTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)
