# Items 11 and 12, movement by state: the rules, twins and totals, and the
# sheet on the offscreen platform.
vexa_add_test(test_decl_states
  SOURCES
    topay/DeclarationFixture.cpp topay/DeclarationFixture.h
    states/StateMovementTest.cpp
  LIBS vexa_declaration vexa_storage vexa_common
)
