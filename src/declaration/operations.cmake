# Entries and outputs by fiscal operation code: the six views of
# MovimentacaoPorOperacoes42, their rules and the totals of a direction.
target_sources(vexa_declaration PRIVATE
  OperationRules.cpp OperationRules.h
  OperationStore.cpp OperationStore.h
  OperationTotals.cpp OperationTotals.h
  OperationTypes.cpp OperationTypes.h
)
