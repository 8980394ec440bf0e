# "Cadastro de VEXA Eletrônica": the declaration screen, its sheets, and the
# places where the other areas plug their sheets and editors in.
target_sources(vexa_declaration_ui PRIVATE
  FrmVexas.cpp FrmVexas.h
  FrmVexasCommands.cpp
  FrmVexasKey.cpp
  FrmVexasPlugs.h
  FrmVexasPlugPrint.cpp
  FrmVexasPlugValidate.cpp
  FrmVexasPlugRectify.cpp
  FrmVexasPlugSlips.cpp
  FrmVexasPlugEcfTare.cpp
  FrmVexasPlugLists.cpp
  FrmVexasPlugRates.cpp
  FrmVexasState.cpp FrmVexasState.h
  FrmVexasTabs.cpp FrmVexasTabs.h
  SheetApuracao.cpp SheetApuracao.h
  SheetDeclarante.cpp SheetDeclarante.h
  SheetFactories.h
  SheetIdentificacao.cpp SheetIdentificacao.h
  SheetItem9.cpp
  SheetItens10.cpp
  SheetItens11.cpp
  SheetItem13.cpp
  SheetItem14.cpp
  SheetItens15.cpp
  SheetItem16.cpp
  SheetOperacoes.cpp SheetOperacoes.h
  SheetPlaceholder.cpp SheetPlaceholder.h
  SheetWidgets.cpp SheetWidgets.h
  VexaSheet.h
)
# "Re&tificar VEXA" runs the rectification of the declaration file subsystem.
target_link_libraries(vexa_declaration_ui PRIVATE vexa_declfile)
# "&DARE" opens the slip screen of the payment subsystem.
target_link_libraries(vexa_declaration_ui PRIVATE vexa_payment_ui)
