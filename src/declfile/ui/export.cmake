# "Cópia de Arquivos": the period's declarations, ticked, checked and written
# into one submission file.
target_sources(vexa_declfile_ui PRIVATE
  FrmCopiaArquivos.cpp FrmCopiaArquivos.h
)
