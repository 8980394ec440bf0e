# The editors "ECF" (3.8.1) and "TARE" (3.4.1) of the declaration's first sheet.
target_sources(vexa_declaration_ui PRIVATE
  EcfTareModels.cpp EcfTareModels.h
  FrmEcfTare.cpp FrmEcfTare.h
)
