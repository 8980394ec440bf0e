# "Importa arquivo de VEXA": an accounting-system file chosen, imported
# declaration by declaration with the response, progress and cancel.
target_sources(vexa_declfile_ui PRIVATE
  FrmImportaDados.cpp FrmImportaDados.h
)
