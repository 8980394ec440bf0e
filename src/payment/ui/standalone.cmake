# The standalone slips: "Cadastrar DARE Avulso", "Consulta DARE Avulso" and
# "Selecione uma Gate".
target_sources(vexa_payment_ui PRIVATE
  AvulsaModels.cpp AvulsaModels.h
  FrmConsultaDareAvulsa.cpp FrmConsultaDareAvulsa.h
  FrmDareAvulsas.cpp FrmDareAvulsas.h
  FrmSelecionaGate.cpp FrmSelecionaGate.h
)
target_link_libraries(vexa_payment_ui PUBLIC vexa_registry_ui vexa_common_ui)
