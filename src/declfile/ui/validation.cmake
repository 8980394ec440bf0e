# "Validação de Dados": the report of the export's checks, for errors or with
# the question of the alerts.
target_sources(vexa_declfile_ui PRIVATE
  FrmValidacao.cpp FrmValidacao.h
)
