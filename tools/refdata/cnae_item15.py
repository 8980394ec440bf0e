"""Activities whose taxpayers fill item 15 of the declaration (outputs and
entries by municipality of origin).

These are the activities whose taxable outputs arise spread over the
municipalities of the state rather than at the establishment: electric
energy (generation, transmission, trading, distribution), piped gas,
telecommunication services and intermunicipal passenger and cargo transport.
"""

CODES = [
    # Electric energy
    "3511501",  # Geração de energia elétrica
    "3512300",  # Transmissão de energia elétrica
    "3513100",  # Comércio atacadista de energia elétrica
    "3514000",  # Distribuição de energia elétrica
    # Gas
    "3520401",  # Produção de gás; processamento de gás natural
    "3520402",  # Distribuição de combustíveis gasosos por redes urbanas
    # Transport of passengers and cargo between municipalities
    "4911600",  # Transporte ferroviário de carga
    "4912401",  # Transporte ferroviário de passageiros intermunicipal e interestadual
    "4922101",  # Transporte rodoviário coletivo intermunicipal
    "4922102",  # Transporte rodoviário coletivo interestadual
    "4929902",  # Fretamento intermunicipal, interestadual e internacional
    "4930202",  # Transporte rodoviário de carga intermunicipal, interestadual e internacional
    "4930203",  # Transporte rodoviário de produtos perigosos
    "4940000",  # Transporte dutoviário
    "5011401",  # Transporte marítimo de cabotagem - Carga
    "5021102",  # Navegação interior de carga intermunicipal, interestadual e internacional
    "5022002",  # Navegação interior de passageiros intermunicipal, interestadual e internacional
    "5091202",  # Navegação de travessia intermunicipal, interestadual e internacional
    "5111100",  # Transporte aéreo de passageiros regular
    "5112901",  # Táxi aéreo
    "5120000",  # Transporte aéreo de carga
    # Telecommunications
    "6110801",  # Telefonia fixa comutada - STFC
    "6110802",  # Redes de transporte de telecomunicações - SRTT
    "6110803",  # Comunicação multimídia - SCM
    "6110899",  # Telecomunicações por fio não especificadas anteriormente
    "6120501",  # Telefonia móvel celular
    "6120502",  # Serviço móvel especializado - SME
    "6120599",  # Telecomunicações sem fio não especificadas anteriormente
    "6130200",  # Telecomunicações por satélite
    "6141800",  # Televisão por assinatura por cabo
    "6142600",  # Televisão por assinatura por microondas
    "6143400",  # Televisão por assinatura por satélite
    "6190601",  # Provedores de acesso às redes de comunicações
    "6190602",  # Provedores de voz sobre protocolo Internet - VOIP
    "6190699",  # Outras atividades de telecomunicações
]
