# Sheet "Itens 11 - 12.7": the grids of entries and outputs by state with
# their state picker and their totals by domicile.
target_sources(vexa_declaration_ui PRIVATE
  SheetMovimentacaoUF.cpp SheetMovimentacaoUF.h
  UfPickerDelegate.cpp UfPickerDelegate.h
  StateMovementModel.cpp StateMovementModel.h
)
