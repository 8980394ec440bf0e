"""CNAE 2.x subclasses, sections D to G (divisions 35 to 47).

Same line format as cnae_sec_a_b.
"""

DATA = """
# D Eletricidade e gás
3511-5/01 Geração de energia elétrica
3511-5/02 Atividades de coordenação e controle da operação da geração e transmissão de energia elétrica
3512-3/00 Transmissão de energia elétrica
3513-1/00 Comércio atacadista de energia elétrica
3514-0/00 Distribuição de energia elétrica
3520-4/01 Produção de gás; processamento de gás natural
3520-4/02 Distribuição de combustíveis gasosos por redes urbanas
3530-1/00 Produção e distribuição de vapor, água quente e ar condicionado
# E Água, esgoto, atividades de gestão de resíduos e descontaminação
3600-6/01 Captação, tratamento e distribuição de água
3600-6/02 Distribuição de água por caminhões
3701-1/00 Gestão de redes de esgoto
3702-9/00 Atividades relacionadas a esgoto, exceto a gestão de redes
3811-4/00 Coleta de resíduos não-perigosos
3812-2/00 Coleta de resíduos perigosos
3821-1/00 Tratamento e disposição de resíduos não-perigosos
3822-0/00 Tratamento e disposição de resíduos perigosos
3831-9/01 Recuperação de sucatas de alumínio
3831-9/99 Recuperação de materiais metálicos, exceto alumínio
3832-7/00 Recuperação de materiais plásticos
3839-4/01 Usinas de compostagem
3839-4/99 Recuperação de materiais não especificados anteriormente
3900-5/00 Descontaminação e outros serviços de gestão de resíduos
# F Construção
4110-7/00 Incorporação de empreendimentos imobiliários
4120-4/00 Construção de edifícios
4211-1/01 Construção de rodovias e ferrovias
4211-1/02 Pintura para sinalização em pistas rodoviárias e aeroportos
4212-0/00 Construção de obras-de-arte especiais
4213-8/00 Obras de urbanização - ruas, praças e calçadas
4221-9/01 Construção de barragens e represas para geração de energia elétrica
4221-9/02 Construção de estações e redes de distribuição de energia elétrica
4221-9/03 Manutenção de redes de distribuição de energia elétrica
4221-9/04 Construção de estações e redes de telecomunicações
4221-9/05 Manutenção de estações e redes de telecomunicações
4222-7/01 Construção de redes de abastecimento de água, coleta de esgoto e construções correlatas, exceto obras de irrigação
4222-7/02 Obras de irrigação
4223-5/00 Construção de redes de transportes por dutos, exceto para água e esgoto
4291-0/00 Obras portuárias, marítimas e fluviais
4292-8/01 Montagem de estruturas metálicas
4292-8/02 Obras de montagem industrial
4299-5/01 Construção de instalações esportivas e recreativas
4299-5/99 Outras obras de engenharia civil não especificadas anteriormente
4311-8/01 Demolição de edifícios e outras estruturas
4311-8/02 Preparação de canteiro e limpeza de terreno
4312-6/00 Perfurações e sondagens
4313-4/00 Obras de terraplenagem
4319-3/00 Serviços de preparação do terreno não especificados anteriormente
4321-5/00 Instalação e manutenção elétrica
4322-3/01 Instalações hidráulicas, sanitárias e de gás
4322-3/02 Instalação e manutenção de sistemas centrais de ar condicionado, de ventilação e refrigeração
4322-3/03 Instalações de sistema de prevenção contra incêndio
4329-1/01 Instalação de painéis publicitários
4329-1/02 Instalação de equipamentos para orientação à navegação marítima, fluvial e lacustre
4329-1/03 Instalação, manutenção e reparação de elevadores, escadas e esteiras rolantes
4329-1/04 Montagem e instalação de sistemas e equipamentos de iluminação e sinalização em vias públicas, portos e aeroportos
4329-1/05 Tratamentos térmicos, acústicos ou de vibração
4329-1/99 Outras obras de instalações em construções não especificadas anteriormente
4330-4/01 Impermeabilização em obras de engenharia civil
4330-4/02 Instalação de portas, janelas, tetos, divisórias e armários embutidos de qualquer material
4330-4/03 Obras de acabamento em gesso e estuque
4330-4/04 Serviços de pintura de edifícios em geral
4330-4/05 Aplicação de revestimentos e de resinas em interiores e exteriores
4330-4/99 Outras obras de acabamento da construção
4391-6/00 Obras de fundações
4399-1/01 Administração de obras
4399-1/02 Montagem e desmontagem de andaimes e outras estruturas temporárias
4399-1/03 Obras de alvenaria
4399-1/04 Serviços de operação e fornecimento de equipamentos para transporte e elevação de cargas e pessoas para uso em obras
4399-1/05 Perfuração e construção de poços de água
4399-1/99 Serviços especializados para construção não especificados anteriormente
# G Comércio; reparação de veículos automotores e motocicletas
4511-1/01 Comércio a varejo de automóveis, camionetas e utilitários novos
4511-1/02 Comércio a varejo de automóveis, camionetas e utilitários usados
4511-1/03 Comércio por atacado de automóveis, camionetas e utilitários novos e usados
4511-1/04 Comércio por atacado de caminhões novos e usados
4511-1/05 Comércio por atacado de reboques e semi-reboques novos e usados
4511-1/06 Comércio por atacado de ônibus e microônibus novos e usados
4512-9/01 Representantes comerciais e agentes do comércio de veículos automotores
4512-9/02 Comércio sob consignação de veículos automotores
4520-0/01 Serviços de manutenção e reparação mecânica de veículos automotores
4520-0/02 Serviços de lanternagem ou funilaria e pintura de veículos automotores
4520-0/03 Serviços de manutenção e reparação elétrica de veículos automotores
4520-0/04 Serviços de alinhamento e balanceamento de veículos automotores
4520-0/05 Serviços de lavagem, lubrificação e polimento de veículos automotores
4520-0/06 Serviços de borracharia para veículos automotores
4520-0/07 Serviços de instalação, manutenção e reparação de acessórios para veículos automotores
4520-0/08 Serviços de capotaria
4530-7/01 Comércio por atacado de peças e acessórios novos para veículos automotores
4530-7/02 Comércio por atacado de pneumáticos e câmaras-de-ar
4530-7/03 Comércio a varejo de peças e acessórios novos para veículos automotores
4530-7/04 Comércio a varejo de peças e acessórios usados para veículos automotores
4530-7/05 Comércio a varejo de pneumáticos e câmaras-de-ar
4530-7/06 Representantes comerciais e agentes do comércio de peças e acessórios novos e usados para veículos automotores
4541-2/01 Comércio por atacado de motocicletas e motonetas
4541-2/02 Comércio por atacado de peças e acessórios para motocicletas e motonetas
4541-2/03 Comércio a varejo de motocicletas e motonetas novas
4541-2/04 Comércio a varejo de motocicletas e motonetas usadas
4541-2/06 Comércio a varejo de peças e acessórios novos para motocicletas e motonetas
4541-2/07 Comércio a varejo de peças e acessórios usados para motocicletas e motonetas
4542-1/01 Representantes comerciais e agentes do comércio de motocicletas e motonetas, peças e acessórios
4542-1/02 Comércio sob consignação de motocicletas e motonetas
4543-9/00 Manutenção e reparação de motocicletas e motonetas
4611-7/00 Representantes comerciais e agentes do comércio de matérias-primas agrícolas e animais vivos
4612-5/00 Representantes comerciais e agentes do comércio de combustíveis, minerais, produtos siderúrgicos e químicos
4613-3/00 Representantes comerciais e agentes do comércio de madeira, material de construção e ferragens
4614-1/00 Representantes comerciais e agentes do comércio de máquinas, equipamentos, embarcações e aeronaves
4615-0/00 Representantes comerciais e agentes do comércio de eletrodomésticos, móveis e artigos de uso doméstico
4616-8/00 Representantes comerciais e agentes do comércio de têxteis, vestuário, calçados e artigos de viagem
4617-6/00 Representantes comerciais e agentes do comércio de produtos alimentícios, bebidas e fumo
4618-4/01 Representantes comerciais e agentes do comércio de medicamentos, cosméticos e produtos de perfumaria
4618-4/02 Representantes comerciais e agentes do comércio de instrumentos e materiais odonto-médico-hospitalares
4618-4/03 Representantes comerciais e agentes do comércio de jornais, revistas e outras publicações
4618-4/99 Outros representantes comerciais e agentes do comércio especializado em produtos não especificados anteriormente
4619-2/00 Representantes comerciais e agentes do comércio de mercadorias em geral não especializado
4621-4/00 Comércio atacadista de café em grão
4622-2/00 Comércio atacadista de soja
4623-1/01 Comércio atacadista de animais vivos
4623-1/02 Comércio atacadista de couros, lãs, peles e outros subprodutos não-comestíveis de origem animal
4623-1/03 Comércio atacadista de algodão
4623-1/04 Comércio atacadista de fumo em folha não beneficiado
4623-1/05 Comércio atacadista de cacau
4623-1/06 Comércio atacadista de sementes, flores, plantas e gramas
4623-1/07 Comércio atacadista de sisal
4623-1/08 Comércio atacadista de matérias-primas agrícolas com atividade de fracionamento e acondicionamento associada
4623-1/09 Comércio atacadista de alimentos para animais
4623-1/99 Comércio atacadista de matérias-primas agrícolas não especificadas anteriormente
4631-1/00 Comércio atacadista de leite e laticínios
4632-0/01 Comércio atacadista de cereais e leguminosas beneficiados
4632-0/02 Comércio atacadista de farinhas, amidos e féculas
4632-0/03 Comércio atacadista de cereais e leguminosas beneficiados, farinhas, amidos e féculas, com atividade de fracionamento e acondicionamento associada
4633-8/01 Comércio atacadista de frutas, verduras, raízes, tubérculos, hortaliças e legumes frescos
4633-8/02 Comércio atacadista de aves vivas e ovos
4633-8/03 Comércio atacadista de coelhos e outros pequenos animais vivos para alimentação
4634-6/01 Comércio atacadista de carnes bovinas e suínas e derivados
4634-6/02 Comércio atacadista de aves abatidas e derivados
4634-6/03 Comércio atacadista de pescados e frutos do mar
4634-6/99 Comércio atacadista de carnes e derivados de outros animais
4635-4/01 Comércio atacadista de água mineral
4635-4/02 Comércio atacadista de cerveja, chope e refrigerante
4635-4/03 Comércio atacadista de bebidas com atividade de fracionamento e acondicionamento associada
4635-4/99 Comércio atacadista de bebidas não especificadas anteriormente
4636-2/01 Comércio atacadista de fumo beneficiado
4636-2/02 Comércio atacadista de cigarros, cigarrilhas e charutos
4637-1/01 Comércio atacadista de café torrado, moído e solúvel
4637-1/02 Comércio atacadista de açúcar
4637-1/03 Comércio atacadista de óleos e gorduras
4637-1/04 Comércio atacadista de pães, bolos, biscoitos e similares
4637-1/05 Comércio atacadista de massas alimentícias
4637-1/06 Comércio atacadista de sorvetes
4637-1/07 Comércio atacadista de chocolates, confeitos, balas, bombons e semelhantes
4637-1/99 Comércio atacadista especializado em outros produtos alimentícios não especificados anteriormente
4639-7/01 Comércio atacadista de produtos alimentícios em geral
4639-7/02 Comércio atacadista de produtos alimentícios em geral, com atividade de fracionamento e acondicionamento associada
4641-9/01 Comércio atacadista de tecidos
4641-9/02 Comércio atacadista de artigos de cama, mesa e banho
4641-9/03 Comércio atacadista de artigos de armarinho
4642-7/01 Comércio atacadista de artigos do vestuário e acessórios, exceto profissionais e de segurança
4642-7/02 Comércio atacadista de roupas e acessórios para uso profissional e de segurança do trabalho
4643-5/01 Comércio atacadista de calçados
4643-5/02 Comércio atacadista de bolsas, malas e artigos de viagem
4644-3/01 Comércio atacadista de medicamentos e drogas de uso humano
4644-3/02 Comércio atacadista de medicamentos e drogas de uso veterinário
4645-1/01 Comércio atacadista de instrumentos e materiais para uso médico, cirúrgico, hospitalar e de laboratórios
4645-1/02 Comércio atacadista de próteses e artigos de ortopedia
4645-1/03 Comércio atacadista de produtos odontológicos
4646-0/01 Comércio atacadista de cosméticos e produtos de perfumaria
4646-0/02 Comércio atacadista de produtos de higiene pessoal
4647-8/01 Comércio atacadista de artigos de escritório e de papelaria
4647-8/02 Comércio atacadista de livros, jornais e outras publicações
4649-4/01 Comércio atacadista de equipamentos elétricos de uso pessoal e doméstico
4649-4/02 Comércio atacadista de aparelhos eletrônicos de uso pessoal e doméstico
4649-4/03 Comércio atacadista de bicicletas, triciclos e outros veículos recreativos
4649-4/04 Comércio atacadista de móveis e artigos de colchoaria
4649-4/05 Comércio atacadista de artigos de tapeçaria; persianas e cortinas
4649-4/06 Comércio atacadista de lustres, luminárias e abajures
4649-4/07 Comércio atacadista de filmes, CDs, DVDs, fitas e discos
4649-4/08 Comércio atacadista de produtos de higiene, limpeza e conservação domiciliar
4649-4/09 Comércio atacadista de produtos de higiene, limpeza e conservação domiciliar, com atividade de fracionamento e acondicionamento associada
4649-4/10 Comércio atacadista de jóias, relógios e bijuterias, inclusive pedras preciosas e semipreciosas lapidadas
4649-4/99 Comércio atacadista de outros equipamentos e artigos de uso pessoal e doméstico não especificados anteriormente
4651-6/01 Comércio atacadista de equipamentos de informática
4651-6/02 Comércio atacadista de suprimentos para informática
4652-4/00 Comércio atacadista de componentes eletrônicos e equipamentos de telefonia e comunicação
4661-3/00 Comércio atacadista de máquinas, aparelhos e equipamentos para uso agropecuário; partes e peças
4662-1/00 Comércio atacadista de máquinas, equipamentos para terraplenagem, mineração e construção; partes e peças
4663-0/00 Comércio atacadista de máquinas e equipamentos para uso industrial; partes e peças
4664-8/00 Comércio atacadista de máquinas, aparelhos e equipamentos para uso odonto-médico-hospitalar; partes e peças
4665-6/00 Comércio atacadista de máquinas e equipamentos para uso comercial; partes e peças
4669-9/01 Comércio atacadista de bombas e compressores; partes e peças
4669-9/99 Comércio atacadista de outras máquinas e equipamentos não especificados anteriormente; partes e peças
4671-1/00 Comércio atacadista de madeira e produtos derivados
4672-9/00 Comércio atacadista de ferragens e ferramentas
4673-7/00 Comércio atacadista de material elétrico
4674-5/00 Comércio atacadista de cimento
4679-6/01 Comércio atacadista de tintas, vernizes e similares
4679-6/02 Comércio atacadista de mármores e granitos
4679-6/03 Comércio atacadista de vidros, espelhos e vitrais
4679-6/04 Comércio atacadista especializado de materiais de construção não especificados anteriormente
4679-6/99 Comércio atacadista de materiais de construção em geral
4681-8/01 Comércio atacadista de álcool carburante, biodiesel, gasolina e demais derivados de petróleo, exceto lubrificantes, não realizado por transportador retalhista (TRR)
4681-8/02 Comércio atacadista de combustíveis realizado por transportador retalhista (TRR)
4681-8/03 Comércio atacadista de combustíveis de origem vegetal, exceto álcool carburante
4681-8/04 Comércio atacadista de combustíveis de origem mineral em bruto
4681-8/05 Comércio atacadista de lubrificantes
4682-6/00 Comércio atacadista de gás liqüefeito de petróleo (GLP)
4683-4/00 Comércio atacadista de defensivos agrícolas, adubos, fertilizantes e corretivos do solo
4684-2/01 Comércio atacadista de resinas e elastômeros
4684-2/02 Comércio atacadista de solventes
4684-2/99 Comércio atacadista de outros produtos químicos e petroquímicos não especificados anteriormente
4685-1/00 Comércio atacadista de produtos siderúrgicos e metalúrgicos, exceto para construção
4686-9/01 Comércio atacadista de papel e papelão em bruto
4686-9/02 Comércio atacadista de embalagens
4687-7/01 Comércio atacadista de resíduos de papel e papelão
4687-7/02 Comércio atacadista de resíduos e sucatas não-metálicos, exceto de papel e papelão
4687-7/03 Comércio atacadista de resíduos e sucatas metálicos
4689-3/01 Comércio atacadista de produtos da extração mineral, exceto combustíveis
4689-3/02 Comércio atacadista de fios e fibras beneficiados
4689-3/99 Comércio atacadista especializado em outros produtos intermediários não especificados anteriormente
4691-5/00 Comércio atacadista de mercadorias em geral, com predominância de produtos alimentícios
4692-3/00 Comércio atacadista de mercadorias em geral, com predominância de insumos agropecuários
4693-1/00 Comércio atacadista de mercadorias em geral, sem predominância de alimentos ou de insumos agropecuários
4711-3/01 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - hipermercados
4711-3/02 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - supermercados
4712-1/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios - minimercados, mercearias e armazéns
4713-0/02 Lojas de variedades, exceto lojas de departamentos ou magazines
4713-0/04 Lojas de departamentos ou magazines, exceto lojas francas (Duty free)
4713-0/05 Lojas francas (Duty Free) de aeroportos, portos e em fronteiras terrestres
4721-1/02 Padaria e confeitaria com predominância de revenda
4721-1/03 Comércio varejista de laticínios e frios
4721-1/04 Comércio varejista de doces, balas, bombons e semelhantes
4722-9/01 Comércio varejista de carnes - açougues
4722-9/02 Peixaria
4723-7/00 Comércio varejista de bebidas
4724-5/00 Comércio varejista de hortifrutigranjeiros
4729-6/01 Tabacaria
4729-6/02 Comércio varejista de mercadorias em lojas de conveniência
4729-6/99 Comércio varejista de produtos alimentícios em geral ou especializado em produtos alimentícios não especificados anteriormente
4731-8/00 Comércio varejista de combustíveis para veículos automotores
4732-6/00 Comércio varejista de lubrificantes
4741-5/00 Comércio varejista de tintas e materiais para pintura
4742-3/00 Comércio varejista de material elétrico
4743-1/00 Comércio varejista de vidros
4744-0/01 Comércio varejista de ferragens e ferramentas
4744-0/02 Comércio varejista de madeira e artefatos
4744-0/03 Comércio varejista de materiais hidráulicos
4744-0/04 Comércio varejista de cal, areia, pedra britada, tijolos e telhas
4744-0/05 Comércio varejista de materiais de construção não especificados anteriormente
4744-0/06 Comércio varejista de pedras para revestimento
4744-0/99 Comércio varejista de materiais de construção em geral
4751-2/01 Comércio varejista especializado de equipamentos e suprimentos de informática
4751-2/02 Recarga de cartuchos para equipamentos de informática
4752-1/00 Comércio varejista especializado de equipamentos de telefonia e comunicação
4753-9/00 Comércio varejista especializado de eletrodomésticos e equipamentos de áudio e vídeo
4754-7/01 Comércio varejista de móveis
4754-7/02 Comércio varejista de artigos de colchoaria
4754-7/03 Comércio varejista de artigos de iluminação
4755-5/01 Comércio varejista de tecidos
4755-5/02 Comércio varejista de artigos de armarinho
4755-5/03 Comércio varejista de artigos de cama, mesa e banho
4756-3/00 Comércio varejista especializado de instrumentos musicais e acessórios
4757-1/00 Comércio varejista especializado de peças e acessórios para aparelhos eletroeletrônicos para uso doméstico, exceto informática e comunicação
4759-8/01 Comércio varejista de artigos de tapeçaria, cortinas e persianas
4759-8/99 Comércio varejista de outros artigos de uso pessoal e doméstico não especificados anteriormente
4761-0/01 Comércio varejista de livros
4761-0/02 Comércio varejista de jornais e revistas
4761-0/03 Comércio varejista de artigos de papelaria
4762-8/00 Comércio varejista de discos, CDs, DVDs e fitas
4763-6/01 Comércio varejista de brinquedos e artigos recreativos
4763-6/02 Comércio varejista de artigos esportivos
4763-6/03 Comércio varejista de bicicletas e triciclos; peças e acessórios
4763-6/04 Comércio varejista de artigos de caça, pesca e camping
4763-6/05 Comércio varejista de embarcações e outros veículos recreativos; peças e acessórios
4771-7/01 Comércio varejista de produtos farmacêuticos, sem manipulação de fórmulas
4771-7/02 Comércio varejista de produtos farmacêuticos, com manipulação de fórmulas
4771-7/03 Comércio varejista de produtos farmacêuticos homeopáticos
4771-7/04 Comércio varejista de medicamentos veterinários
4772-5/00 Comércio varejista de cosméticos, produtos de perfumaria e de higiene pessoal
4773-3/00 Comércio varejista de artigos médicos e ortopédicos
4774-1/00 Comércio varejista de artigos de óptica
4781-4/00 Comércio varejista de artigos do vestuário e acessórios
4782-2/01 Comércio varejista de calçados
4782-2/02 Comércio varejista de artigos de viagem
4783-1/01 Comércio varejista de artigos de joalheria
4783-1/02 Comércio varejista de artigos de relojoaria
4784-9/00 Comércio varejista de gás liqüefeito de petróleo (GLP)
4785-7/01 Comércio varejista de antigüidades
4785-7/99 Comércio varejista de outros artigos usados
4789-0/01 Comércio varejista de suvenires, bijuterias e artesanatos
4789-0/02 Comércio varejista de plantas e flores naturais
4789-0/03 Comércio varejista de objetos de arte
4789-0/04 Comércio varejista de animais vivos e de artigos e alimentos para animais de estimação
4789-0/05 Comércio varejista de produtos saneantes domissanitários
4789-0/06 Comércio varejista de fogos de artifício e artigos pirotécnicos
4789-0/07 Comércio varejista de equipamentos para escritório
4789-0/08 Comércio varejista de artigos fotográficos e para filmagem
4789-0/09 Comércio varejista de armas e munições
4789-0/99 Comércio varejista de outros produtos não especificados anteriormente
"""
