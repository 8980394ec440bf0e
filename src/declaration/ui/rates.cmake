# The editors of the rate-differential tables of items 7.6.1, 7.9.1 and
# 7.13.1: the grid model, the state and rate pickers, and the three dialogs.
target_sources(vexa_declaration_ui PRIVATE
  FrmRateEditors.cpp FrmRateEditors.h
  RateDelegates.cpp RateDelegates.h
  RateLineModel.cpp RateLineModel.h
)
