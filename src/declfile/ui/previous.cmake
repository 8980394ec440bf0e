# Import of the previous version's database: folder choice, the file list of
# its three main tables, "Importar" and "Retornar".
target_sources(vexa_declfile_ui PRIVATE
  FrmImportaVersao96.cpp FrmImportaVersao96.h
)
