# Sheets "Item 13" and "Item 14" for fuel retailers: the nozzle, tank and
# alcohol grids, the previous-product dialog and the notice shown to others.
target_sources(vexa_declaration_ui PRIVATE
  FrmProdutoAnterior.cpp FrmProdutoAnterior.h
  FuelModels.cpp FuelModels.h
  FuelNotice.cpp FuelNotice.h
  SheetEncerrantes.cpp SheetEncerrantes.h
  SheetInfoAlcool.cpp SheetInfoAlcool.h
)
