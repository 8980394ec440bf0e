# "Localizar VEXA": the declaration search screen.
target_sources(vexa_declaration_ui PRIVATE
  FrmLocalizarVexa.cpp FrmLocalizarVexa.h
  FrmLocalizarVexaModel.cpp FrmLocalizarVexaModel.h
  FrmLocalizarVexaQuery.cpp FrmLocalizarVexaQuery.h
)
