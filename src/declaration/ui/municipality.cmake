# Sheets "Itens 15" and "Item 16" with the invoices editor "Notas Fiscais",
# and the pieces every grid of items 13 to 16 and the ECF / TARE editors are
# built from: the sheet grid and its model base, the cell editors and the
# small editor dialog.
target_sources(vexa_declaration_ui PRIVATE
  FrmGridEditor.cpp FrmGridEditor.h
  FrmNotasFiscais.cpp FrmNotasFiscais.h
  MercadMuniModel.cpp MercadMuniModel.h
  NotasFiscaisModel.cpp NotasFiscaisModel.h
  SaidasMunModel.cpp SaidasMunModel.h
  SheetDelegates.cpp SheetDelegates.h
  SheetGrid.cpp SheetGrid.h
  SheetMercadMuni.cpp SheetMercadMuni.h
  SheetModel.h
  GridValues.h
  SheetSaidasMun.cpp SheetSaidasMun.h
)
