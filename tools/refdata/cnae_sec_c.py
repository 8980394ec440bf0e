"""CNAE 2.x subclasses, section C (manufacturing, divisions 10 to 33).

Same line format as cnae_sec_a_b.
"""

DATA = """
# C Indústrias de transformação
1011-2/01 Frigorífico - abate de bovinos
1011-2/02 Frigorífico - abate de eqüinos
1011-2/03 Frigorífico - abate de ovinos e caprinos
1011-2/04 Frigorífico - abate de bufalinos
1011-2/05 Matadouro - abate de reses sob contrato, exceto abate de suínos
1012-1/01 Abate de aves
1012-1/02 Abate de pequenos animais
1012-1/03 Frigorífico - abate de suínos
1012-1/04 Matadouro - abate de suínos sob contrato
1013-9/01 Fabricação de produtos de carne
1013-9/02 Preparação de subprodutos do abate
1020-1/01 Preservação de peixes, crustáceos e moluscos
1020-1/02 Fabricação de conservas de peixes, crustáceos e moluscos
1031-7/00 Fabricação de conservas de frutas
1032-5/01 Fabricação de conservas de palmito
1032-5/99 Fabricação de conservas de legumes e outros vegetais, exceto palmito
1033-3/01 Fabricação de sucos concentrados de frutas, hortaliças e legumes
1033-3/02 Fabricação de sucos de frutas, hortaliças e legumes, exceto concentrados
1041-4/00 Fabricação de óleos vegetais em bruto, exceto óleo de milho
1042-2/00 Fabricação de óleos vegetais refinados, exceto óleo de milho
1043-1/00 Fabricação de margarina e outras gorduras vegetais e de óleos não-comestíveis de animais
1051-1/00 Preparação do leite
1052-0/00 Fabricação de laticínios
1053-8/00 Fabricação de sorvetes e outros gelados comestíveis
1061-9/01 Beneficiamento de arroz
1061-9/02 Fabricação de produtos do arroz
1062-7/00 Moagem de trigo e fabricação de derivados
1063-5/00 Fabricação de farinha de mandioca e derivados
1064-3/00 Fabricação de farinha de milho e derivados, exceto óleos de milho
1065-1/01 Fabricação de amidos e féculas de vegetais
1065-1/02 Fabricação de óleo de milho em bruto
1065-1/03 Fabricação de óleo de milho refinado
1066-0/00 Fabricação de alimentos para animais
1069-4/00 Moagem e fabricação de produtos de origem vegetal não especificados anteriormente
1071-6/00 Fabricação de açúcar em bruto
1072-4/01 Fabricação de açúcar de cana refinado
1072-4/02 Fabricação de açúcar de cereais (dextrose) e de beterraba
1081-3/01 Beneficiamento de café
1081-3/02 Torrefação e moagem de café
1082-1/00 Fabricação de produtos à base de café
1091-1/01 Fabricação de produtos de panificação industrial
1091-1/02 Fabricação de produtos de padaria e confeitaria com predominância de produção própria
1092-9/00 Fabricação de biscoitos e bolachas
1093-7/01 Fabricação de produtos derivados do cacau e de chocolates
1093-7/02 Fabricação de frutas cristalizadas, balas e semelhantes
1094-5/00 Fabricação de massas alimentícias
1095-3/00 Fabricação de especiarias, molhos, temperos e condimentos
1096-1/00 Fabricação de alimentos e pratos prontos
1099-6/01 Fabricação de vinagres
1099-6/02 Fabricação de pós alimentícios
1099-6/03 Fabricação de fermentos e leveduras
1099-6/04 Fabricação de gelo comum
1099-6/05 Fabricação de produtos para infusão (chá, mate, etc.)
1099-6/06 Fabricação de adoçantes naturais e artificiais
1099-6/07 Fabricação de alimentos dietéticos e complementos alimentares
1099-6/99 Fabricação de outros produtos alimentícios não especificados anteriormente
1111-9/01 Fabricação de aguardente de cana-de-açúcar
1111-9/02 Fabricação de outras aguardentes e bebidas destiladas
1112-7/00 Fabricação de vinho
1113-5/01 Fabricação de malte, inclusive malte uísque
1113-5/02 Fabricação de cervejas e chopes
1121-6/00 Fabricação de águas envasadas
1122-4/01 Fabricação de refrigerantes
1122-4/02 Fabricação de chá mate e outros chás prontos para consumo
1122-4/03 Fabricação de refrescos, xaropes e pós para refrescos, exceto refrescos de frutas
1122-4/04 Fabricação de bebidas isotônicas
1122-4/99 Fabricação de outras bebidas não-alcoólicas não especificadas anteriormente
1210-7/00 Processamento industrial do fumo
1220-4/01 Fabricação de cigarros
1220-4/02 Fabricação de cigarrilhas e charutos
1220-4/03 Fabricação de filtros para cigarros
1220-4/99 Fabricação de outros produtos do fumo, exceto cigarros, cigarrilhas e charutos
1311-1/00 Preparação e fiação de fibras de algodão
1312-0/00 Preparação e fiação de fibras têxteis naturais, exceto algodão
1313-8/00 Fiação de fibras artificiais e sintéticas
1314-6/00 Fabricação de linhas para costurar e bordar
1321-9/00 Tecelagem de fios de algodão
1322-7/00 Tecelagem de fios de fibras têxteis naturais, exceto algodão
1323-5/00 Tecelagem de fios de fibras artificiais e sintéticas
1330-8/00 Fabricação de tecidos de malha
1340-5/01 Estamparia e texturização em fios, tecidos, artefatos têxteis e peças do vestuário
1340-5/02 Alvejamento, tingimento e torção em fios, tecidos, artefatos têxteis e peças do vestuário
1340-5/99 Outros serviços de acabamento em fios, tecidos, artefatos têxteis e peças do vestuário
1351-1/00 Fabricação de artefatos têxteis para uso doméstico
1352-9/00 Fabricação de artefatos de tapeçaria
1353-7/00 Fabricação de artefatos de cordoaria
1354-5/00 Fabricação de tecidos especiais, inclusive artefatos
1359-6/00 Fabricação de outros produtos têxteis não especificados anteriormente
1411-8/01 Confecção de roupas íntimas
1411-8/02 Facção de roupas íntimas
1412-6/01 Confecção de peças do vestuário, exceto roupas íntimas e as confeccionadas sob medida
1412-6/02 Confecção, sob medida, de peças do vestuário, exceto roupas íntimas
1412-6/03 Facção de peças do vestuário, exceto roupas íntimas
1413-4/01 Confecção de roupas profissionais, exceto sob medida
1413-4/02 Confecção, sob medida, de roupas profissionais
1413-4/03 Facção de roupas profissionais
1414-2/00 Fabricação de acessórios do vestuário, exceto para segurança e proteção
1421-5/00 Fabricação de meias
1422-3/00 Fabricação de artigos do vestuário, produzidos em malharias e tricotagens, exceto meias
1510-6/00 Curtimento e outras preparações de couro
1521-1/00 Fabricação de artigos para viagem, bolsas e semelhantes de qualquer material
1529-7/00 Fabricação de artefatos de couro não especificados anteriormente
1531-9/01 Fabricação de calçados de couro
1531-9/02 Acabamento de calçados de couro sob contrato
1532-7/00 Fabricação de tênis de qualquer material
1533-5/00 Fabricação de calçados de material sintético
1539-4/00 Fabricação de calçados de materiais não especificados anteriormente
1540-8/00 Fabricação de partes para calçados, de qualquer material
1610-2/03 Serrarias com desdobramento de madeira em bruto
1610-2/04 Serrarias sem desdobramento de madeira em bruto - Resserragem
1610-2/05 Serviço de tratamento de madeira realizado sob contrato
1621-8/00 Fabricação de madeira laminada e de chapas de madeira compensada, prensada e aglomerada
1622-6/01 Fabricação de casas de madeira pré-fabricadas
1622-6/02 Fabricação de esquadrias de madeira e de peças de madeira para instalações industriais e comerciais
1622-6/99 Fabricação de outros artigos de carpintaria para construção
1623-4/00 Fabricação de artefatos de tanoaria e de embalagens de madeira
1629-3/01 Fabricação de artefatos diversos de madeira, exceto móveis
1629-3/02 Fabricação de artefatos diversos de cortiça, bambu, palha, vime e outros materiais trançados, exceto móveis
1710-9/00 Fabricação de celulose e outras pastas para a fabricação de papel
1721-4/00 Fabricação de papel
1722-2/00 Fabricação de cartolina e papel-cartão
1731-1/00 Fabricação de embalagens de papel
1732-0/00 Fabricação de embalagens de cartolina e papel-cartão
1733-8/00 Fabricação de chapas e de embalagens de papelão ondulado
1741-9/01 Fabricação de formulários contínuos
1741-9/02 Fabricação de produtos de papel, cartolina, papel-cartão e papelão ondulado para uso comercial e de escritório, exceto formulário contínuo
1742-7/01 Fabricação de fraldas descartáveis
1742-7/02 Fabricação de absorventes higiênicos
1742-7/99 Fabricação de produtos de papel para uso doméstico e higiênico-sanitário não especificados anteriormente
1749-4/00 Fabricação de produtos de pastas celulósicas, papel, cartolina, papel-cartão e papelão ondulado não especificados anteriormente
1811-3/01 Impressão de jornais
1811-3/02 Impressão de livros, revistas e outras publicações periódicas
1812-1/00 Impressão de material de segurança
1813-0/01 Impressão de material para uso publicitário
1813-0/99 Impressão de material para outros usos
1821-1/00 Serviços de pré-impressão
1822-9/01 Serviços de encadernação e plastificação
1822-9/99 Serviços de acabamentos gráficos, exceto encadernação e plastificação
1830-0/01 Reprodução de som em qualquer suporte
1830-0/02 Reprodução de vídeo em qualquer suporte
1830-0/03 Reprodução de software em qualquer suporte
1910-1/00 Coquerias
1921-7/00 Fabricação de produtos do refino de petróleo
1922-5/01 Formulação de combustíveis
1922-5/02 Rerrefino de óleos lubrificantes
1922-5/99 Fabricação de outros produtos derivados do petróleo, exceto produtos do refino
1931-4/00 Fabricação de álcool
1932-2/00 Fabricação de biocombustíveis, exceto álcool
2011-8/00 Fabricação de cloro e álcalis
2012-6/00 Fabricação de intermediários para fertilizantes
2013-4/01 Fabricação de adubos e fertilizantes organo-minerais
2013-4/02 Fabricação de adubos e fertilizantes, exceto organo-minerais
2014-2/00 Fabricação de gases industriais
2019-3/01 Elaboração de combustíveis nucleares
2019-3/99 Fabricação de outros produtos químicos inorgânicos não especificados anteriormente
2021-5/00 Fabricação de produtos petroquímicos básicos
2022-3/00 Fabricação de intermediários para plastificantes, resinas e fibras
2029-1/00 Fabricação de produtos químicos orgânicos não especificados anteriormente
2031-2/00 Fabricação de resinas termoplásticas
2032-1/00 Fabricação de resinas termofixas
2033-9/00 Fabricação de elastômeros
2040-1/00 Fabricação de fibras artificiais e sintéticas
2051-7/00 Fabricação de defensivos agrícolas
2052-5/00 Fabricação de desinfestantes domissanitários
2061-4/00 Fabricação de sabões e detergentes sintéticos
2062-2/00 Fabricação de produtos de limpeza e polimento
2063-1/00 Fabricação de cosméticos, produtos de perfumaria e de higiene pessoal
2071-1/00 Fabricação de tintas, vernizes, esmaltes e lacas
2072-0/00 Fabricação de tintas de impressão
2073-8/00 Fabricação de impermeabilizantes, solventes e produtos afins
2091-6/00 Fabricação de adesivos e selantes
2092-4/01 Fabricação de pólvoras, explosivos e detonantes
2092-4/02 Fabricação de artigos pirotécnicos
2092-4/03 Fabricação de fósforos de segurança
2093-2/00 Fabricação de aditivos de uso industrial
2094-1/00 Fabricação de catalisadores
2099-1/01 Fabricação de chapas, filmes, papéis e outros materiais e produtos químicos para fotografia
2099-1/99 Fabricação de outros produtos químicos não especificados anteriormente
2110-6/00 Fabricação de produtos farmoquímicos
2121-1/01 Fabricação de medicamentos alopáticos para uso humano
2121-1/02 Fabricação de medicamentos homeopáticos para uso humano
2121-1/03 Fabricação de medicamentos fitoterápicos para uso humano
2122-0/00 Fabricação de medicamentos para uso veterinário
2123-8/00 Fabricação de preparações farmacêuticas
2211-1/00 Fabricação de pneumáticos e de câmaras-de-ar
2212-9/00 Reforma de pneumáticos usados
2219-6/00 Fabricação de artefatos de borracha não especificados anteriormente
2221-8/00 Fabricação de laminados planos e tubulares de material plástico
2222-6/00 Fabricação de embalagens de material plástico
2223-4/00 Fabricação de tubos e acessórios de material plástico para uso na construção
2229-3/01 Fabricação de artefatos de material plástico para uso pessoal e doméstico
2229-3/02 Fabricação de artefatos de material plástico para usos industriais
2229-3/03 Fabricação de artefatos de material plástico para uso na construção, exceto tubos e acessórios
2229-3/99 Fabricação de artefatos de material plástico para outros usos não especificados anteriormente
2311-7/00 Fabricação de vidro plano e de segurança
2312-5/00 Fabricação de embalagens de vidro
2319-2/00 Fabricação de artigos de vidro
2320-6/00 Fabricação de cimento
2330-3/01 Fabricação de estruturas pré-moldadas de concreto armado, em série e sob encomenda
2330-3/02 Fabricação de artefatos de cimento para uso na construção
2330-3/03 Fabricação de artefatos de fibrocimento para uso na construção
2330-3/04 Fabricação de casas pré-moldadas de concreto
2330-3/05 Preparação de massa de concreto e argamassa para construção
2330-3/99 Fabricação de outros artefatos e produtos de concreto, cimento, fibrocimento, gesso e materiais semelhantes
2341-9/00 Fabricação de produtos cerâmicos refratários
2342-7/01 Fabricação de azulejos e pisos
2342-7/02 Fabricação de artefatos de cerâmica e barro cozido para uso na construção, exceto azulejos e pisos
2349-4/01 Fabricação de material sanitário de cerâmica
2349-4/99 Fabricação de produtos cerâmicos não-refratários não especificados anteriormente
2391-5/01 Britamento de pedras, exceto associado à extração
2391-5/02 Aparelhamento de pedras para construção, exceto associado à extração
2391-5/03 Aparelhamento de placas e execução de trabalhos em mármore, granito, ardósia e outras pedras
2392-3/00 Fabricação de cal e gesso
2399-1/01 Decoração, lapidação, gravação, vitrificação e outros trabalhos em cerâmica, louça, vidro e cristal
2399-1/02 Fabricação de abrasivos
2399-1/99 Fabricação de outros produtos de minerais não-metálicos não especificados anteriormente
2411-3/00 Produção de ferro-gusa
2412-1/00 Produção de ferroligas
2421-1/00 Produção de semi-acabados de aço
2422-9/01 Produção de laminados planos de aço ao carbono, revestidos ou não
2422-9/02 Produção de laminados planos de aços especiais
2423-7/01 Produção de tubos de aço sem costura
2423-7/02 Produção de laminados longos de aço, exceto tubos
2424-5/01 Produção de arames de aço
2424-5/02 Produção de relaminados, trefilados e perfilados de aço, exceto arames
2431-8/00 Produção de tubos de aço com costura
2439-3/00 Produção de outros tubos de ferro e aço
2441-5/01 Produção de alumínio e suas ligas em formas primárias
2441-5/02 Produção de laminados de alumínio
2442-3/00 Metalurgia dos metais preciosos
2443-1/00 Metalurgia do cobre
2449-1/01 Produção de zinco em formas primárias
2449-1/02 Produção de laminados de zinco
2449-1/03 Fabricação de ânodos para galvanoplastia
2449-1/99 Metalurgia de outros metais não-ferrosos e suas ligas não especificados anteriormente
2451-2/00 Fundição de ferro e aço
2452-1/00 Fundição de metais não-ferrosos e suas ligas
2511-0/00 Fabricação de estruturas metálicas
2512-8/00 Fabricação de esquadrias de metal
2513-6/00 Fabricação de obras de caldeiraria pesada
2521-7/00 Fabricação de tanques, reservatórios metálicos e caldeiras para aquecimento central
2522-5/00 Fabricação de caldeiras geradoras de vapor, exceto para aquecimento central e para veículos
2531-4/01 Produção de forjados de aço
2531-4/02 Produção de forjados de metais não-ferrosos e suas ligas
2532-2/01 Produção de artefatos estampados de metal
2532-2/02 Metalurgia do pó
2539-0/01 Serviços de usinagem, tornearia e solda
2539-0/02 Serviços de tratamento e revestimento em metais
2541-1/00 Fabricação de artigos de cutelaria
2542-0/00 Fabricação de artigos de serralheria, exceto esquadrias
2543-8/00 Fabricação de ferramentas
2550-1/01 Fabricação de equipamento bélico pesado, exceto veículos militares de combate
2550-1/02 Fabricação de armas de fogo, outras armas e munições
2591-8/00 Fabricação de embalagens metálicas
2592-6/01 Fabricação de produtos de trefilados de metal padronizados
2592-6/02 Fabricação de produtos de trefilados de metal, exceto padronizados
2593-4/00 Fabricação de artigos de metal para uso doméstico e pessoal
2599-3/01 Serviços de confecção de armações metálicas para a construção
2599-3/02 Serviço de corte e dobra de metais
2599-3/99 Fabricação de outros produtos de metal não especificados anteriormente
2610-8/00 Fabricação de componentes eletrônicos
2621-3/00 Fabricação de equipamentos de informática
2622-1/00 Fabricação de periféricos para equipamentos de informática
2631-1/00 Fabricação de equipamentos transmissores de comunicação, peças e acessórios
2632-9/00 Fabricação de aparelhos telefônicos e de outros equipamentos de comunicação, peças e acessórios
2640-0/00 Fabricação de aparelhos de recepção, reprodução, gravação e amplificação de áudio e vídeo
2651-5/00 Fabricação de aparelhos e equipamentos de medida, teste e controle
2652-3/00 Fabricação de cronômetros e relógios
2660-4/00 Fabricação de aparelhos eletromédicos e eletroterapêuticos e equipamentos de irradiação
2670-1/01 Fabricação de equipamentos e instrumentos ópticos, peças e acessórios
2670-1/02 Fabricação de aparelhos fotográficos e cinematográficos, peças e acessórios
2680-9/00 Fabricação de mídias virgens, magnéticas e ópticas
2710-4/01 Fabricação de geradores de corrente contínua e alternada, peças e acessórios
2710-4/02 Fabricação de transformadores, indutores, conversores, sincronizadores e semelhantes, peças e acessórios
2710-4/03 Fabricação de motores elétricos, peças e acessórios
2721-0/00 Fabricação de pilhas, baterias e acumuladores elétricos, exceto para veículos automotores
2722-8/01 Fabricação de baterias e acumuladores para veículos automotores
2722-8/02 Recondicionamento de baterias e acumuladores para veículos automotores
2731-7/00 Fabricação de aparelhos e equipamentos para distribuição e controle de energia elétrica
2732-5/00 Fabricação de material elétrico para instalações em circuito de consumo
2733-3/00 Fabricação de fios, cabos e condutores elétricos isolados
2740-6/01 Fabricação de lâmpadas
2740-6/02 Fabricação de luminárias e outros equipamentos de iluminação
2751-1/00 Fabricação de fogões, refrigeradores e máquinas de lavar e secar para uso doméstico, peças e acessórios
2759-7/01 Fabricação de aparelhos elétricos de uso pessoal, peças e acessórios
2759-7/99 Fabricação de outros aparelhos eletrodomésticos não especificados anteriormente, peças e acessórios
2790-2/01 Fabricação de eletrodos, contatos e outros artigos de carvão e grafita para uso elétrico, eletroímãs e isoladores
2790-2/02 Fabricação de equipamentos para sinalização e alarme
2790-2/99 Fabricação de outros equipamentos e aparelhos elétricos não especificados anteriormente
2811-9/00 Fabricação de motores e turbinas, peças e acessórios, exceto para aviões e veículos rodoviários
2812-7/00 Fabricação de equipamentos hidráulicos e pneumáticos, peças e acessórios, exceto válvulas
2813-5/00 Fabricação de válvulas, registros e dispositivos semelhantes, peças e acessórios
2814-3/01 Fabricação de compressores para uso industrial, peças e acessórios
2814-3/02 Fabricação de compressores para uso não-industrial, peças e acessórios
2815-1/01 Fabricação de rolamentos para fins industriais
2815-1/02 Fabricação de equipamentos de transmissão para fins industriais, exceto rolamentos
2821-6/01 Fabricação de fornos industriais, aparelhos e equipamentos não-elétricos para instalações térmicas, peças e acessórios
2821-6/02 Fabricação de estufas e fornos elétricos para fins industriais, peças e acessórios
2822-4/01 Fabricação de máquinas, equipamentos e aparelhos para transporte e elevação de pessoas, peças e acessórios
2822-4/02 Fabricação de máquinas, equipamentos e aparelhos para transporte e elevação de cargas, peças e acessórios
2823-2/00 Fabricação de máquinas e aparelhos de refrigeração e ventilação para uso industrial e comercial, peças e acessórios
2824-1/01 Fabricação de aparelhos e equipamentos de ar condicionado para uso industrial
2824-1/02 Fabricação de aparelhos e equipamentos de ar condicionado para uso não-industrial
2825-9/00 Fabricação de máquinas e equipamentos para saneamento básico e ambiental, peças e acessórios
2829-1/01 Fabricação de máquinas de escrever, calcular e outros equipamentos não-eletrônicos para escritório, peças e acessórios
2829-1/99 Fabricação de outras máquinas e equipamentos de uso geral não especificados anteriormente, peças e acessórios
2831-3/00 Fabricação de tratores agrícolas, peças e acessórios
2832-1/00 Fabricação de equipamentos para irrigação agrícola, peças e acessórios
2833-0/00 Fabricação de máquinas e equipamentos para a agricultura e pecuária, peças e acessórios, exceto para irrigação
2840-2/00 Fabricação de máquinas-ferramenta, peças e acessórios
2851-8/00 Fabricação de máquinas e equipamentos para a prospecção e extração de petróleo, peças e acessórios
2852-6/00 Fabricação de outras máquinas e equipamentos para uso na extração mineral, peças e acessórios, exceto na extração de petróleo
2853-4/00 Fabricação de tratores, peças e acessórios, exceto agrícolas
2854-2/00 Fabricação de máquinas e equipamentos para terraplenagem, pavimentação e construção, peças e acessórios, exceto tratores
2861-5/00 Fabricação de máquinas para a indústria metalúrgica, peças e acessórios, exceto máquinas-ferramenta
2862-3/00 Fabricação de máquinas e equipamentos para as indústrias de alimentos, bebidas e fumo, peças e acessórios
2863-1/00 Fabricação de máquinas e equipamentos para a indústria têxtil, peças e acessórios
2864-0/00 Fabricação de máquinas e equipamentos para as indústrias do vestuário, do couro e de calçados, peças e acessórios
2865-8/00 Fabricação de máquinas e equipamentos para as indústrias de celulose, papel e papelão e artefatos, peças e acessórios
2866-6/00 Fabricação de máquinas e equipamentos para a indústria do plástico, peças e acessórios
2869-1/00 Fabricação de máquinas e equipamentos para uso industrial específico não especificados anteriormente, peças e acessórios
2910-7/01 Fabricação de automóveis, camionetas e utilitários
2910-7/02 Fabricação de chassis com motor para automóveis, camionetas e utilitários
2910-7/03 Fabricação de motores para automóveis, camionetas e utilitários
2920-4/01 Fabricação de caminhões e ônibus
2920-4/02 Fabricação de motores para caminhões e ônibus
2930-1/01 Fabricação de cabines, carrocerias e reboques para caminhões
2930-1/02 Fabricação de carrocerias para ônibus
2930-1/03 Fabricação de cabines, carrocerias e reboques para outros veículos automotores, exceto caminhões e ônibus
2941-7/00 Fabricação de peças e acessórios para o sistema motor de veículos automotores
2942-5/00 Fabricação de peças e acessórios para os sistemas de marcha e transmissão de veículos automotores
2943-3/00 Fabricação de peças e acessórios para o sistema de freios de veículos automotores
2944-1/00 Fabricação de peças e acessórios para o sistema de direção e suspensão de veículos automotores
2945-0/00 Fabricação de material elétrico e eletrônico para veículos automotores, exceto baterias
2949-2/01 Fabricação de bancos e estofados para veículos automotores
2949-2/99 Fabricação de outras peças e acessórios para veículos automotores não especificadas anteriormente
2950-6/00 Recondicionamento e recuperação de motores para veículos automotores
3011-3/01 Construção de embarcações de grande porte
3011-3/02 Construção de embarcações para uso comercial e para usos especiais, exceto de grande porte
3012-1/00 Construção de embarcações para esporte e lazer
3031-8/00 Fabricação de locomotivas, vagões e outros materiais rodantes
3032-6/00 Fabricação de peças e acessórios para veículos ferroviários
3041-5/00 Fabricação de aeronaves
3042-3/00 Fabricação de turbinas, motores e outros componentes e peças para aeronaves
3050-4/00 Fabricação de veículos militares de combate
3091-1/01 Fabricação de motocicletas
3091-1/02 Fabricação de peças e acessórios para motocicletas
3092-0/00 Fabricação de bicicletas e triciclos não-motorizados, peças e acessórios
3099-7/00 Fabricação de equipamentos de transporte não especificados anteriormente
3101-2/00 Fabricação de móveis com predominância de madeira
3102-1/00 Fabricação de móveis com predominância de metal
3103-9/00 Fabricação de móveis de outros materiais, exceto madeira e metal
3104-7/00 Fabricação de colchões
3211-6/01 Lapidação de gemas
3211-6/02 Fabricação de artefatos de joalheria e ourivesaria
3211-6/03 Cunhagem de moedas e medalhas
3212-4/00 Fabricação de bijuterias e artefatos semelhantes
3220-5/00 Fabricação de instrumentos musicais, peças e acessórios
3230-2/00 Fabricação de artefatos para pesca e esporte
3240-0/01 Fabricação de jogos eletrônicos
3240-0/02 Fabricação de mesas de bilhar, de sinuca e acessórios não associada à locação
3240-0/03 Fabricação de mesas de bilhar, de sinuca e acessórios associada à locação
3240-0/99 Fabricação de outros brinquedos e jogos recreativos não especificados anteriormente
3250-7/01 Fabricação de instrumentos não-eletrônicos e utensílios para uso médico, cirúrgico, odontológico e de laboratório
3250-7/02 Fabricação de mobiliário para uso médico, cirúrgico, odontológico e de laboratório
3250-7/03 Fabricação de aparelhos e utensílios para correção de defeitos físicos e aparelhos ortopédicos em geral sob encomenda
3250-7/04 Fabricação de aparelhos e utensílios para correção de defeitos físicos e aparelhos ortopédicos em geral, exceto sob encomenda
3250-7/05 Fabricação de materiais para medicina e odontologia
3250-7/06 Serviços de prótese dentária
3250-7/07 Fabricação de artigos ópticos
3250-7/09 Serviço de laboratório óptico
3291-4/00 Fabricação de escovas, pincéis e vassouras
3292-2/01 Fabricação de roupas de proteção e segurança e resistentes a fogo
3292-2/02 Fabricação de equipamentos e acessórios para segurança pessoal e profissional
3299-0/01 Fabricação de guarda-chuvas e similares
3299-0/02 Fabricação de canetas, lápis e outros artigos para escritório
3299-0/03 Fabricação de letras, letreiros e placas de qualquer material, exceto luminosos
3299-0/04 Fabricação de painéis e letreiros luminosos
3299-0/05 Fabricação de aviamentos para costura
3299-0/06 Fabricação de velas, inclusive decorativas
3299-0/99 Fabricação de produtos diversos não especificados anteriormente
3311-2/00 Manutenção e reparação de tanques, reservatórios metálicos e caldeiras, exceto para veículos
3312-1/01 Manutenção e reparação de equipamentos transmissores de comunicação
3312-1/02 Manutenção e reparação de aparelhos e instrumentos de medida, teste e controle
3312-1/03 Manutenção e reparação de aparelhos eletromédicos e eletroterapêuticos e equipamentos de irradiação
3312-1/04 Manutenção e reparação de equipamentos e instrumentos ópticos
3313-9/01 Manutenção e reparação de geradores, transformadores e motores elétricos
3313-9/02 Manutenção e reparação de baterias e acumuladores elétricos, exceto para veículos
3313-9/99 Manutenção e reparação de máquinas, aparelhos e materiais elétricos não especificados anteriormente
3314-7/01 Manutenção e reparação de máquinas motrizes não-elétricas
3314-7/02 Manutenção e reparação de equipamentos hidráulicos e pneumáticos, exceto válvulas
3314-7/03 Manutenção e reparação de válvulas industriais
3314-7/04 Manutenção e reparação de compressores
3314-7/05 Manutenção e reparação de equipamentos de transmissão para fins industriais
3314-7/06 Manutenção e reparação de máquinas, aparelhos e equipamentos para instalações térmicas
3314-7/07 Manutenção e reparação de máquinas e aparelhos de refrigeração e ventilação para uso industrial e comercial
3314-7/08 Manutenção e reparação de máquinas, equipamentos e aparelhos para transporte e elevação de cargas
3314-7/09 Manutenção e reparação de máquinas de escrever, calcular e de outros equipamentos não-eletrônicos para escritório
3314-7/10 Manutenção e reparação de máquinas e equipamentos para uso geral não especificados anteriormente
3314-7/11 Manutenção e reparação de máquinas e equipamentos para agricultura e pecuária
3314-7/12 Manutenção e reparação de tratores agrícolas
3314-7/13 Manutenção e reparação de máquinas-ferramenta
3314-7/14 Manutenção e reparação de máquinas e equipamentos para a prospecção e extração de petróleo
3314-7/15 Manutenção e reparação de máquinas e equipamentos para uso na extração mineral, exceto na extração de petróleo
3314-7/16 Manutenção e reparação de tratores, exceto agrícolas
3314-7/17 Manutenção e reparação de máquinas e equipamentos de terraplenagem, pavimentação e construção, exceto tratores
3314-7/18 Manutenção e reparação de máquinas para a indústria metalúrgica, exceto máquinas-ferramenta
3314-7/19 Manutenção e reparação de máquinas e equipamentos para as indústrias de alimentos, bebidas e fumo
3314-7/20 Manutenção e reparação de máquinas e equipamentos para a indústria têxtil, do vestuário, do couro e calçados
3314-7/21 Manutenção e reparação de máquinas e aparelhos para a indústria de celulose, papel e papelão e artefatos
3314-7/22 Manutenção e reparação de máquinas e aparelhos para a indústria do plástico
3314-7/99 Manutenção e reparação de outras máquinas e equipamentos para usos industriais não especificados anteriormente
3315-5/00 Manutenção e reparação de veículos ferroviários
3316-3/01 Manutenção e reparação de aeronaves, exceto a manutenção na pista
3316-3/02 Manutenção de aeronaves na pista
3317-1/01 Manutenção e reparação de embarcações e estruturas flutuantes
3317-1/02 Manutenção e reparação de embarcações para esporte e lazer
3319-8/00 Manutenção e reparação de equipamentos e produtos não especificados anteriormente
3321-0/00 Instalação de máquinas e equipamentos industriais
3329-5/01 Serviços de montagem de móveis de qualquer material
3329-5/99 Instalação de outros equipamentos não especificados anteriormente
"""
