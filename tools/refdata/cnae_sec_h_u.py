"""CNAE 2.x subclasses, sections H to U (divisions 49 to 99).

Same line format as cnae_sec_a_b.
"""

DATA = """
# H Transporte, armazenagem e correio
4911-6/00 Transporte ferroviário de carga
4912-4/01 Transporte ferroviário de passageiros intermunicipal e interestadual
4912-4/02 Transporte ferroviário de passageiros municipal e em região metropolitana
4912-4/03 Transporte metroviário
4921-3/01 Transporte rodoviário coletivo de passageiros, com itinerário fixo, municipal
4921-3/02 Transporte rodoviário coletivo de passageiros, com itinerário fixo, intermunicipal em região metropolitana
4922-1/01 Transporte rodoviário coletivo de passageiros, com itinerário fixo, intermunicipal, exceto em região metropolitana
4922-1/02 Transporte rodoviário coletivo de passageiros, com itinerário fixo, interestadual
4922-1/03 Transporte rodoviário coletivo de passageiros, com itinerário fixo, internacional
4923-0/01 Serviço de táxi
4923-0/02 Serviço de transporte de passageiros - locação de automóveis com motorista
4924-8/00 Transporte escolar
4929-9/01 Transporte rodoviário coletivo de passageiros, sob regime de fretamento, municipal
4929-9/02 Transporte rodoviário coletivo de passageiros, sob regime de fretamento, intermunicipal, interestadual e internacional
4929-9/03 Organização de excursões em veículos rodoviários próprios, municipal
4929-9/04 Organização de excursões em veículos rodoviários próprios, intermunicipal, interestadual e internacional
4929-9/99 Outros transportes rodoviários de passageiros não especificados anteriormente
4930-2/01 Transporte rodoviário de carga, exceto produtos perigosos e mudanças, municipal
4930-2/02 Transporte rodoviário de carga, exceto produtos perigosos e mudanças, intermunicipal, interestadual e internacional
4930-2/03 Transporte rodoviário de produtos perigosos
4930-2/04 Transporte rodoviário de mudanças
4940-0/00 Transporte dutoviário
4950-7/00 Trens turísticos, teleféricos e similares
5011-4/01 Transporte marítimo de cabotagem - Carga
5011-4/02 Transporte marítimo de cabotagem - Passageiros
5012-2/01 Transporte marítimo de longo curso - Carga
5012-2/02 Transporte marítimo de longo curso - Passageiros
5021-1/01 Transporte por navegação interior de carga, municipal, exceto travessia
5021-1/02 Transporte por navegação interior de carga, intermunicipal, interestadual e internacional, exceto travessia
5022-0/01 Transporte por navegação interior de passageiros em linhas regulares, municipal, exceto travessia
5022-0/02 Transporte por navegação interior de passageiros em linhas regulares, intermunicipal, interestadual e internacional, exceto travessia
5030-1/01 Navegação de apoio marítimo
5030-1/02 Navegação de apoio portuário
5030-1/03 Serviço de rebocadores e empurradores
5091-2/01 Transporte por navegação de travessia, municipal
5091-2/02 Transporte por navegação de travessia, intermunicipal, interestadual e internacional
5099-8/01 Transporte aquaviário para passeios turísticos
5099-8/99 Outros transportes aquaviários não especificados anteriormente
5111-1/00 Transporte aéreo de passageiros regular
5112-9/01 Serviço de táxi aéreo e locação de aeronaves com tripulação
5112-9/99 Outros serviços de transporte aéreo de passageiros não-regular
5120-0/00 Transporte aéreo de carga
5130-7/00 Transporte espacial
5211-7/01 Armazéns gerais - emissão de warrant
5211-7/02 Guarda-móveis
5211-7/99 Depósitos de mercadorias para terceiros, exceto armazéns gerais e guarda-móveis
5212-5/00 Carga e descarga
5221-4/00 Concessionárias de rodovias, pontes, túneis e serviços relacionados
5222-2/00 Terminais rodoviários e ferroviários
5223-1/00 Estacionamento de veículos
5229-0/01 Serviços de apoio ao transporte por táxi, inclusive centrais de chamada
5229-0/02 Serviços de reboque de veículos
5229-0/99 Outras atividades auxiliares dos transportes terrestres não especificadas anteriormente
5231-1/01 Administração da infra-estrutura portuária
5231-1/02 Atividades do Operador Portuário
5231-1/03 Gestão de terminais aquaviários
5232-0/00 Atividades de agenciamento marítimo
5239-7/01 Serviços de praticagem
5239-7/99 Atividades auxiliares dos transportes aquaviários não especificadas anteriormente
5240-1/01 Operação dos aeroportos e campos de aterrissagem
5240-1/99 Atividades auxiliares dos transportes aéreos, exceto operação dos aeroportos e campos de aterrissagem
5250-8/01 Comissaria de despachos
5250-8/02 Atividades de despachantes aduaneiros
5250-8/03 Agenciamento de cargas, exceto para o transporte marítimo
5250-8/04 Organização logística do transporte de carga
5250-8/05 Operador de transporte multimodal - OTM
5310-5/01 Atividades do Correio Nacional
5310-5/02 Atividades de franqueadas do Correio Nacional
5320-2/01 Serviços de malote não realizados pelo Correio Nacional
5320-2/02 Serviços de entrega rápida
# I Alojamento e alimentação
5510-8/01 Hotéis
5510-8/02 Apart-hotéis
5510-8/03 Motéis
5590-6/01 Albergues, exceto assistenciais
5590-6/02 Campings
5590-6/03 Pensões (alojamento)
5590-6/99 Outros alojamentos não especificados anteriormente
5611-2/01 Restaurantes e similares
5611-2/03 Lanchonetes, casas de chá, de sucos e similares
5611-2/04 Bares e outros estabelecimentos especializados em servir bebidas, sem entretenimento
5611-2/05 Bares e outros estabelecimentos especializados em servir bebidas, com entretenimento
5612-1/00 Serviços ambulantes de alimentação
5620-1/01 Fornecimento de alimentos preparados preponderantemente para empresas
5620-1/02 Serviços de alimentação para eventos e recepções - bufê
5620-1/03 Cantinas - serviços de alimentação privativos
5620-1/04 Fornecimento de alimentos preparados preponderantemente para consumo domiciliar
# J Informação e comunicação
5811-5/00 Edição de livros
5812-3/01 Edição de jornais diários
5812-3/02 Edição de jornais não diários
5813-1/00 Edição de revistas
5819-1/00 Edição de cadastros, listas e de outros produtos gráficos
5821-2/00 Edição integrada à impressão de livros
5822-1/01 Edição integrada à impressão de jornais diários
5822-1/02 Edição integrada à impressão de jornais não diários
5823-9/00 Edição integrada à impressão de revistas
5829-8/00 Edição integrada à impressão de cadastros, listas e de outros produtos gráficos
5911-1/01 Estúdios cinematográficos
5911-1/02 Produção de filmes para publicidade
5911-1/99 Atividades de produção cinematográfica, de vídeos e de programas de televisão não especificadas anteriormente
5912-0/01 Serviços de dublagem
5912-0/02 Serviços de mixagem sonora em produção audiovisual
5912-0/99 Atividades de pós-produção cinematográfica, de vídeos e de programas de televisão não especificadas anteriormente
5913-8/00 Distribuição cinematográfica, de vídeos e de programas de televisão
5914-6/00 Atividades de exibição cinematográfica
5920-1/00 Atividades de gravação de som e de edição de música
6010-1/00 Atividades de rádio
6021-7/00 Atividades de televisão aberta
6022-5/01 Programadoras
6022-5/02 Atividades relacionadas à televisão por assinatura, exceto programadoras
6110-8/01 Serviços de telefonia fixa comutada - STFC
6110-8/02 Serviços de redes de transporte de telecomunicações - SRTT
6110-8/03 Serviços de comunicação multimídia - SCM
6110-8/99 Serviços de telecomunicações por fio não especificados anteriormente
6120-5/01 Telefonia móvel celular
6120-5/02 Serviço móvel especializado - SME
6120-5/99 Serviços de telecomunicações sem fio não especificados anteriormente
6130-2/00 Telecomunicações por satélite
6141-8/00 Operadoras de televisão por assinatura por cabo
6142-6/00 Operadoras de televisão por assinatura por microondas
6143-4/00 Operadoras de televisão por assinatura por satélite
6190-6/01 Provedores de acesso às redes de comunicações
6190-6/02 Provedores de voz sobre protocolo Internet - VOIP
6190-6/99 Outras atividades de telecomunicações não especificadas anteriormente
6201-5/01 Desenvolvimento de programas de computador sob encomenda
6201-5/02 Web design
6202-3/00 Desenvolvimento e licenciamento de programas de computador customizáveis
6203-1/00 Desenvolvimento e licenciamento de programas de computador não-customizáveis
6204-0/00 Consultoria em tecnologia da informação
6209-1/00 Suporte técnico, manutenção e outros serviços em tecnologia da informação
6311-9/00 Tratamento de dados, provedores de serviços de aplicação e serviços de hospedagem na internet
6319-4/00 Portais, provedores de conteúdo e outros serviços de informação na internet
6391-7/00 Agências de notícias
6399-2/00 Outras atividades de prestação de serviços de informação não especificadas anteriormente
# K Atividades financeiras, de seguros e serviços relacionados
6410-7/00 Banco Central
6421-2/00 Bancos comerciais
6422-1/00 Bancos múltiplos, com carteira comercial
6423-9/00 Caixas econômicas
6424-7/01 Bancos cooperativos
6424-7/02 Cooperativas centrais de crédito
6424-7/03 Cooperativas de crédito mútuo
6424-7/04 Cooperativas de crédito rural
6431-0/00 Bancos múltiplos, sem carteira comercial
6432-8/00 Bancos de investimento
6433-6/00 Bancos de desenvolvimento
6434-4/00 Agências de fomento
6435-2/01 Sociedades de crédito imobiliário
6435-2/02 Associações de poupança e empréstimo
6435-2/03 Companhias hipotecárias
6436-1/00 Sociedades de crédito, financiamento e investimento - financeiras
6437-9/00 Sociedades de crédito ao microempreendedor
6438-7/01 Bancos de câmbio
6438-7/99 Outras instituições de intermediação não-monetária não especificadas anteriormente
6440-9/00 Arrendamento mercantil
6450-6/00 Sociedades de capitalização
6461-1/00 Holdings de instituições financeiras
6462-0/00 Holdings de instituições não-financeiras
6463-8/00 Outras sociedades de participação, exceto holdings
6470-1/01 Fundos de investimento, exceto previdenciários e imobiliários
6470-1/02 Fundos de investimento previdenciários
6470-1/03 Fundos de investimento imobiliários
6491-3/00 Sociedades de fomento mercantil - factoring
6492-1/00 Securitização de créditos
6493-0/00 Administração de consórcios para aquisição de bens e direitos
6499-9/01 Clubes de investimento
6499-9/02 Sociedades de investimento
6499-9/03 Fundo garantidor de crédito
6499-9/04 Caixas de financiamento de corporações
6499-9/05 Concessão de crédito pelas OSCIP
6499-9/99 Outras atividades de serviços financeiros não especificadas anteriormente
6511-1/01 Sociedade seguradora de seguros vida
6511-1/02 Planos de auxílio-funeral
6512-0/00 Sociedade seguradora de seguros não vida
6520-1/00 Sociedade seguradora de seguros saúde
6530-8/00 Resseguros
6541-3/00 Previdência complementar fechada
6542-1/00 Previdência complementar aberta
6550-2/00 Planos de saúde
6611-8/01 Bolsa de valores
6611-8/02 Bolsa de mercadorias
6611-8/03 Bolsa de mercadorias e futuros
6611-8/04 Administração de mercados de balcão organizados
6612-6/01 Corretoras de títulos e valores mobiliários
6612-6/02 Distribuidoras de títulos e valores mobiliários
6612-6/03 Corretoras de câmbio
6612-6/04 Corretoras de contratos de mercadorias
6612-6/05 Agentes de investimentos em aplicações financeiras
6613-4/00 Administração de cartões de crédito
6619-3/01 Serviços de liquidação e custódia
6619-3/02 Correspondentes de instituições financeiras
6619-3/03 Representações de bancos estrangeiros
6619-3/04 Caixas eletrônicos
6619-3/05 Operadoras de cartões de débito
6619-3/99 Outras atividades auxiliares dos serviços financeiros não especificadas anteriormente
6621-5/01 Peritos e avaliadores de seguros
6621-5/02 Auditoria e consultoria atuarial
6622-3/00 Corretores e agentes de seguros, de planos de previdência complementar e de saúde
6629-1/00 Atividades auxiliares dos seguros, da previdência complementar e dos planos de saúde não especificadas anteriormente
6630-4/00 Atividades de administração de fundos por contrato ou comissão
# L Atividades imobiliárias
6810-2/01 Compra e venda de imóveis próprios
6810-2/02 Aluguel de imóveis próprios
6810-2/03 Loteamento de imóveis próprios
6821-8/01 Corretagem na compra e venda e avaliação de imóveis
6821-8/02 Corretagem no aluguel de imóveis
6822-6/00 Gestão e administração da propriedade imobiliária
# M Atividades profissionais, científicas e técnicas
6911-7/01 Serviços advocatícios
6911-7/02 Atividades auxiliares da justiça
6911-7/03 Agente de propriedade industrial
6912-5/00 Cartórios
6920-6/01 Atividades de contabilidade
6920-6/02 Atividades de consultoria e auditoria contábil e tributária
7020-4/00 Atividades de consultoria em gestão empresarial, exceto consultoria técnica específica
7111-1/00 Serviços de arquitetura
7112-0/00 Serviços de engenharia
7119-7/01 Serviços de cartografia, topografia e geodésia
7119-7/02 Atividades de estudos geológicos
7119-7/03 Serviços de desenho técnico relacionados à arquitetura e engenharia
7119-7/04 Serviços de perícia técnica relacionados à segurança do trabalho
7119-7/99 Atividades técnicas relacionadas à engenharia e arquitetura não especificadas anteriormente
7120-1/00 Testes e análises técnicas
7210-0/00 Pesquisa e desenvolvimento experimental em ciências físicas e naturais
7220-7/00 Pesquisa e desenvolvimento experimental em ciências sociais e humanas
7311-4/00 Agências de publicidade
7312-2/00 Agenciamento de espaços para publicidade, exceto em veículos de comunicação
7319-0/01 Criação de estandes para feiras e exposições
7319-0/02 Promoção de vendas
7319-0/03 Marketing direto
7319-0/04 Consultoria em publicidade
7319-0/99 Outras atividades de publicidade não especificadas anteriormente
7320-3/00 Pesquisas de mercado e de opinião pública
7410-2/02 Design de interiores
7410-2/03 Design de produto
7410-2/99 Atividades de design não especificadas anteriormente
7420-0/01 Atividades de produção de fotografias, exceto aérea e submarina
7420-0/02 Atividades de produção de fotografias aéreas e submarinas
7420-0/03 Laboratórios fotográficos
7420-0/04 Filmagem de festas e eventos
7420-0/05 Serviços de microfilmagem
7490-1/01 Serviços de tradução, interpretação e similares
7490-1/02 Escafandria e mergulho
7490-1/03 Serviços de agronomia e de consultoria às atividades agrícolas e pecuárias
7490-1/04 Atividades de intermediação e agenciamento de serviços e negócios em geral, exceto imobiliários
7490-1/05 Agenciamento de profissionais para atividades esportivas, culturais e artísticas
7490-1/99 Outras atividades profissionais, científicas e técnicas não especificadas anteriormente
7500-1/00 Atividades veterinárias
# N Atividades administrativas e serviços complementares
7711-0/00 Locação de automóveis sem condutor
7719-5/01 Locação de embarcações sem tripulação, exceto para fins recreativos
7719-5/02 Locação de aeronaves sem tripulação
7719-5/99 Locação de outros meios de transporte não especificados anteriormente, sem condutor
7721-7/00 Aluguel de equipamentos recreativos e esportivos
7722-5/00 Aluguel de fitas de vídeo, DVDs e similares
7723-3/00 Aluguel de objetos do vestuário, jóias e acessórios
7729-2/01 Aluguel de aparelhos de jogos eletrônicos
7729-2/02 Aluguel de móveis, utensílios e aparelhos de uso doméstico e pessoal; instrumentos musicais
7729-2/03 Aluguel de material médico
7729-2/99 Aluguel de outros objetos pessoais e domésticos não especificados anteriormente
7731-4/00 Aluguel de máquinas e equipamentos agrícolas sem operador
7732-2/01 Aluguel de máquinas e equipamentos para construção sem operador, exceto andaimes
7732-2/02 Aluguel de andaimes
7733-1/00 Aluguel de máquinas e equipamentos para escritório
7739-0/01 Aluguel de máquinas e equipamentos para extração de minérios e petróleo, sem operador
7739-0/02 Aluguel de equipamentos científicos, médicos e hospitalares, sem operador
7739-0/03 Aluguel de palcos, coberturas e outras estruturas de uso temporário, exceto andaimes
7739-0/99 Aluguel de outras máquinas e equipamentos comerciais e industriais não especificados anteriormente, sem operador
7740-3/00 Gestão de ativos intangíveis não-financeiros
7810-8/00 Seleção e agenciamento de mão-de-obra
7820-5/00 Locação de mão-de-obra temporária
7830-2/00 Fornecimento e gestão de recursos humanos para terceiros
7911-2/00 Agências de viagens
7912-1/00 Operadores turísticos
7990-2/00 Serviços de reservas e outros serviços de turismo não especificados anteriormente
8011-1/01 Atividades de vigilância e segurança privada
8011-1/02 Serviços de adestramento de cães de guarda
8012-9/00 Atividades de transporte de valores
8020-0/01 Atividades de monitoramento de sistemas de segurança eletrônico
8020-0/02 Outras atividades de serviços de segurança
8030-7/00 Atividades de investigação particular
8111-7/00 Serviços combinados para apoio a edifícios, exceto condomínios prediais
8112-5/00 Condomínios prediais
8121-4/00 Limpeza em prédios e em domicílios
8122-2/00 Imunização e controle de pragas urbanas
8129-0/00 Atividades de limpeza não especificadas anteriormente
8130-3/00 Atividades paisagísticas
8211-3/00 Serviços combinados de escritório e apoio administrativo
8219-9/01 Fotocópias
8219-9/99 Preparação de documentos e serviços especializados de apoio administrativo não especificados anteriormente
8220-2/00 Atividades de teleatendimento
8230-0/01 Serviços de organização de feiras, congressos, exposições e festas
8230-0/02 Casas de festas e eventos
8291-1/00 Atividades de cobranças e informações cadastrais
8292-0/00 Envasamento e empacotamento sob contrato
8299-7/01 Medição de consumo de energia elétrica, gás e água
8299-7/02 Emissão de vales-alimentação, vales-transporte e similares
8299-7/03 Serviços de gravação de carimbos, exceto confecção
8299-7/04 Leiloeiros independentes
8299-7/05 Serviços de levantamento de fundos sob contrato
8299-7/06 Casas lotéricas
8299-7/07 Salas de acesso à internet
8299-7/99 Outras atividades de serviços prestados principalmente às empresas não especificadas anteriormente
# O Administração pública, defesa e seguridade social
8411-6/00 Administração pública em geral
8412-4/00 Regulação das atividades de saúde, educação, serviços culturais e outros serviços sociais
8413-2/00 Regulação das atividades econômicas
8421-3/00 Relações exteriores
8422-1/00 Defesa
8423-0/00 Justiça
8424-8/00 Segurança e ordem pública
8425-6/00 Defesa Civil
8430-2/00 Seguridade social obrigatória
# P Educação
8511-2/00 Educação infantil - creche
8512-1/00 Educação infantil - pré-escola
8513-9/00 Ensino fundamental
8520-1/00 Ensino médio
8531-7/00 Educação superior - graduação
8532-5/00 Educação superior - graduação e pós-graduação
8533-3/00 Educação superior - pós-graduação e extensão
8541-4/00 Educação profissional de nível técnico
8542-2/00 Educação profissional de nível tecnológico
8550-3/01 Administração de caixas escolares
8550-3/02 Atividades de apoio à educação, exceto caixas escolares
8591-1/00 Ensino de esportes
8592-9/01 Ensino de dança
8592-9/02 Ensino de artes cênicas, exceto dança
8592-9/03 Ensino de música
8592-9/99 Ensino de arte e cultura não especificado anteriormente
8593-7/00 Ensino de idiomas
8599-6/01 Formação de condutores
8599-6/02 Cursos de pilotagem
8599-6/03 Treinamento em informática
8599-6/04 Treinamento em desenvolvimento profissional e gerencial
8599-6/05 Cursos preparatórios para concursos
8599-6/99 Outras atividades de ensino não especificadas anteriormente
# Q Saúde humana e serviços sociais
8610-1/01 Atividades de atendimento hospitalar, exceto pronto-socorro e unidades para atendimento a urgências
8610-1/02 Atividades de atendimento em pronto-socorro e unidades hospitalares para atendimento a urgências
8621-6/01 UTI móvel
8621-6/02 Serviços móveis de atendimento a urgências, exceto por UTI móvel
8622-4/00 Serviços de remoção de pacientes, exceto os serviços móveis de atendimento a urgências
8630-5/01 Atividade médica ambulatorial com recursos para realização de procedimentos cirúrgicos
8630-5/02 Atividade médica ambulatorial com recursos para realização de exames complementares
8630-5/03 Atividade médica ambulatorial restrita a consultas
8630-5/04 Atividade odontológica
8630-5/06 Serviços de vacinação e imunização humana
8630-5/07 Atividades de reprodução humana assistida
8630-5/99 Atividades de atenção ambulatorial não especificadas anteriormente
8640-2/01 Laboratórios de anatomia patológica e citológica
8640-2/02 Laboratórios clínicos
8640-2/03 Serviços de diálise e nefrologia
8640-2/04 Serviços de tomografia
8640-2/05 Serviços de diagnóstico por imagem com uso de radiação ionizante, exceto tomografia
8640-2/06 Serviços de ressonância magnética
8640-2/07 Serviços de diagnóstico por imagem sem uso de radiação ionizante, exceto ressonância magnética
8640-2/08 Serviços de diagnóstico por registro gráfico - ECG, EEG e outros exames análogos
8640-2/09 Serviços de diagnóstico por métodos ópticos - endoscopia e outros exames análogos
8640-2/10 Serviços de quimioterapia
8640-2/11 Serviços de radioterapia
8640-2/12 Serviços de hemoterapia
8640-2/13 Serviços de litotripsia
8640-2/14 Serviços de bancos de células e tecidos humanos
8640-2/99 Atividades de serviços de complementação diagnóstica e terapêutica não especificadas anteriormente
8650-0/01 Atividades de enfermagem
8650-0/02 Atividades de profissionais da nutrição
8650-0/03 Atividades de psicologia e psicanálise
8650-0/04 Atividades de fisioterapia
8650-0/05 Atividades de terapia ocupacional
8650-0/06 Atividades de fonoaudiologia
8650-0/07 Atividades de terapia de nutrição enteral e parenteral
8650-0/99 Atividades de profissionais da área de saúde não especificadas anteriormente
8660-7/00 Atividades de apoio à gestão de saúde
8690-9/01 Atividades de práticas integrativas e complementares em saúde humana
8690-9/02 Atividades de banco de leite humano
8690-9/03 Atividades de acupuntura
8690-9/04 Atividades de podologia
8690-9/99 Outras atividades de atenção à saúde humana não especificadas anteriormente
8711-5/01 Clínicas e residências geriátricas
8711-5/02 Instituições de longa permanência para idosos
8711-5/03 Atividades de assistência a deficientes físicos, imunodeprimidos e convalescentes
8711-5/04 Centros de apoio a pacientes com câncer e com AIDS
8711-5/05 Condomínios residenciais para idosos
8712-3/00 Atividades de fornecimento de infra-estrutura de apoio e assistência a paciente no domicílio
8720-4/01 Atividades de centros de assistência psicossocial
8720-4/99 Atividades de assistência psicossocial e à saúde a portadores de distúrbios psíquicos, deficiência mental e dependência química e grupos similares não especificadas anteriormente
8730-1/01 Orfanatos
8730-1/02 Albergues assistenciais
8730-1/99 Atividades de assistência social prestadas em residências coletivas e particulares não especificadas anteriormente
8800-6/00 Serviços de assistência social sem alojamento
# R Artes, cultura, esporte e recreação
9001-9/01 Produção teatral
9001-9/02 Produção musical
9001-9/03 Produção de espetáculos de dança
9001-9/04 Produção de espetáculos circenses, de marionetes e similares
9001-9/05 Produção de espetáculos de rodeios, vaquejadas e similares
9001-9/06 Atividades de sonorização e de iluminação
9001-9/99 Artes cênicas, espetáculos e atividades complementares não especificadas anteriormente
9002-7/01 Atividades de artistas plásticos, jornalistas independentes e escritores
9002-7/02 Restauração de obras-de-arte
9003-5/00 Gestão de espaços para artes cênicas, espetáculos e outras atividades artísticas
9101-5/00 Atividades de bibliotecas e arquivos
9102-3/01 Atividades de museus e de exploração de lugares e prédios históricos e atrações similares
9102-3/02 Restauração e conservação de lugares e prédios históricos
9103-1/00 Atividades de jardins botânicos, zoológicos, parques nacionais, reservas ecológicas e áreas de proteção ambiental
9200-3/01 Casas de bingo
9200-3/02 Exploração de apostas em corridas de cavalos
9200-3/99 Exploração de jogos de azar e apostas não especificados anteriormente
9311-5/00 Gestão de instalações de esportes
9312-3/00 Clubes sociais, esportivos e similares
9313-1/00 Atividades de condicionamento físico
9319-1/01 Produção e promoção de eventos esportivos
9319-1/99 Outras atividades esportivas não especificadas anteriormente
9321-2/00 Parques de diversão e parques temáticos
9329-8/01 Discotecas, danceterias, salões de dança e similares
9329-8/02 Exploração de boliches
9329-8/03 Exploração de jogos de sinuca, bilhar e similares
9329-8/04 Exploração de jogos eletrônicos recreativos
9329-8/99 Outras atividades de recreação e lazer não especificadas anteriormente
# S Outras atividades de serviços
9411-1/00 Atividades de organizações associativas patronais e empresariais
9412-0/01 Atividades de fiscalização profissional
9412-0/99 Outras atividades associativas profissionais
9420-1/00 Atividades de organizações sindicais
9430-8/00 Atividades de associações de defesa de direitos sociais
9491-0/00 Atividades de organizações religiosas ou filosóficas
9492-8/00 Atividades de organizações políticas
9493-6/00 Atividades de organizações associativas ligadas à cultura e à arte
9499-5/00 Atividades associativas não especificadas anteriormente
9511-8/00 Reparação e manutenção de computadores e de equipamentos periféricos
9512-6/00 Reparação e manutenção de equipamentos de comunicação
9521-5/00 Reparação e manutenção de equipamentos eletroeletrônicos de uso pessoal e doméstico
9529-1/01 Reparação de calçados, bolsas e artigos de viagem
9529-1/02 Chaveiros
9529-1/03 Reparação de relógios
9529-1/04 Reparação de bicicletas, triciclos e outros veículos não-motorizados
9529-1/05 Reparação de artigos do mobiliário
9529-1/06 Reparação de jóias
9529-1/99 Reparação e manutenção de outros objetos e equipamentos pessoais e domésticos não especificados anteriormente
9601-7/01 Lavanderias
9601-7/02 Tinturarias
9601-7/03 Toalheiros
9602-5/01 Cabeleireiros, manicure e pedicure
9602-5/02 Atividades de estética e outros serviços de cuidados com a beleza
9603-3/01 Gestão e manutenção de cemitérios
9603-3/02 Serviços de cremação
9603-3/03 Serviços de sepultamento
9603-3/04 Serviços de funerárias
9603-3/05 Serviços de somatoconservação
9603-3/99 Atividades funerárias e serviços relacionados não especificados anteriormente
9609-2/02 Agências matrimoniais
9609-2/04 Exploração de máquinas de serviços pessoais acionadas por moeda
9609-2/05 Atividades de sauna e banhos
9609-2/06 Serviços de tatuagem e colocação de piercing
9609-2/07 Alojamento de animais domésticos
9609-2/08 Higiene e embelezamento de animais domésticos
9609-2/99 Outras atividades de serviços pessoais não especificadas anteriormente
# T Serviços domésticos
9700-5/00 Serviços domésticos
# U Organismos internacionais e outras instituições extraterritoriais
9900-8/00 Organismos internacionais e outras instituições extraterritoriais
"""
