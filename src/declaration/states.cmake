# Items 11 and 12, entries and outputs by state: the rows of MovimentacaoPorUF,
# the state typing rule, the checks and twins of a post, the totals by domicile.
target_sources(vexa_declaration PRIVATE
  StateMovement.cpp StateMovement.h
  StateMovementRules.cpp StateMovementRules.h
  StateMovementStore.cpp StateMovementStore.h
)
