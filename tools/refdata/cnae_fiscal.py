"""Older activity list (CNAE-Fiscal 1.0/1.1), kept for reading older data.

Class-level list: each CNAE 1.x class appears once, with its own check digit
and the subclass number 00, described by the class title.  The CNAE 1.x
class check digit is modulo 11 with weights 5-4-3-2 (remainders 0 and 1
give 0).  Sections are those of CNAE 1.x (A to Q).  Same line format as
cnae_sec_a_b.
"""

DATA = """
# A
0111-2/00 Cultivo de cereais para grãos
0112-0/00 Cultivo de algodão herbáceo
0113-9/00 Cultivo de cana-de-açúcar
0114-7/00 Cultivo de fumo
0115-5/00 Cultivo de soja
0119-8/00 Cultivo de outros produtos temporários
0121-0/00 Cultivo de hortaliças, legumes e especiarias hortícolas
0122-8/00 Cultivo de flores, plantas ornamentais e produtos de viveiro
0131-7/00 Cultivo de frutas cítricas
0132-5/00 Cultivo de café
0133-3/00 Cultivo de cacau
0134-1/00 Cultivo de uva
0139-2/00 Cultivo de outras frutas, frutos secos, plantas para preparo de bebidas e para produção de condimentos
0141-4/00 Criação de bovinos
0142-2/00 Criação de outros animais de grande porte
0143-0/00 Criação de ovinos
0144-9/00 Criação de suínos
0145-7/00 Criação de aves
0146-5/00 Criação de outros animais
0150-3/00 Produção mista: lavoura e pecuária
0161-9/00 Atividades de serviços relacionados com a agricultura
0162-7/00 Atividades de serviços relacionados com a pecuária, exceto atividades veterinárias
0170-8/00 Caça, repovoamento cinegético e atividades de serviços relacionados
0211-9/00 Silvicultura
0212-7/00 Exploração florestal
0213-5/00 Atividades dos serviços relacionados com a silvicultura e a exploração florestal
# B
0511-8/00 Pesca e serviços relacionados
0512-6/00 Aqüicultura e serviços relacionados
# C
1000-6/00 Extração de carvão mineral
1110-0/00 Extração de petróleo e gás natural
1120-7/00 Serviços relacionados com a extração de petróleo e gás - exceto a prospecção realizada por terceiros
1310-2/00 Extração de minério de ferro
1321-8/00 Extração de minério de alumínio
1322-6/00 Extração de minério de estanho
1323-4/00 Extração de minério de manganês
1324-2/00 Extração de minério de metais preciosos
1325-0/00 Extração de minerais radioativos
1329-3/00 Extração de outros minerais metálicos não-ferrosos
1410-9/00 Extração de pedra, areia e argila
1421-4/00 Extração de minerais para fabricação de adubos, fertilizantes e produtos químicos
1422-2/00 Extração e refino de sal marinho e sal-gema
1429-0/00 Extração de outros minerais não-metálicos
# D
1511-3/00 Abate de reses, preparação de produtos de carne
1512-1/00 Abate de aves e outros pequenos animais e preparação de produtos de carne
1513-0/00 Preparação de carne, banha e produtos de salsicharia não associadas ao abate
1514-8/00 Preparação e preservação do pescado e fabricação de conservas de peixes, crustáceos e moluscos
1521-0/00 Processamento, preservação e produção de conservas de frutas
1522-9/00 Processamento, preservação e produção de conservas de legumes e outros vegetais
1523-7/00 Produção de sucos de frutas e de legumes
1531-8/00 Produção de óleos vegetais em bruto
1532-6/00 Refino de óleos vegetais
1533-4/00 Preparação de margarina e outras gorduras vegetais e de óleos de origem animal não comestíveis
1541-5/00 Preparação do leite
1542-3/00 Fabricação de produtos do laticínio
1543-1/00 Fabricação de sorvetes
1551-2/00 Beneficiamento de arroz e fabricação de produtos do arroz
1552-0/00 Moagem de trigo e fabricação de derivados
1553-9/00 Fabricação de farinha de mandioca e derivados
1554-7/00 Fabricação de fubá e farinha de milho
1555-5/00 Fabricação de amidos e féculas de vegetais e fabricação de óleos de milho
1556-3/00 Fabricação de rações balanceadas para animais
1559-8/00 Beneficiamento, moagem e preparação de outros alimentos de origem vegetal
1561-0/00 Usinas de açúcar
1562-8/00 Refino e moagem de açúcar
1571-7/00 Torrefação e moagem de café
1572-5/00 Fabricação de café solúvel
1581-4/00 Fabricação de produtos de padaria, confeitaria e pastelaria
1582-2/00 Fabricação de biscoitos e bolachas
1583-0/00 Produção de derivados do cacau e elaboração de chocolates, balas, gomas de mascar
1584-9/00 Fabricação de massas alimentícias
1585-7/00 Preparação de especiarias, molhos, temperos e condimentos
1586-5/00 Preparação de produtos dietéticos, alimentos para crianças e outros alimentos conservados
1589-0/00 Fabricação de outros produtos alimentícios
1591-1/00 Fabricação, retificação, homogeneização e mistura de aguardentes e outras bebidas destiladas
1592-0/00 Fabricação de vinho
1593-8/00 Fabricação de malte, cervejas e chopes
1594-6/00 Engarrafamento e gaseificação de águas minerais
1595-4/00 Fabricação de refrigerantes e refrescos
1600-4/00 Fabricação de produtos do fumo
1711-6/00 Beneficiamento de algodão
1719-1/00 Beneficiamento de outras fibras têxteis naturais
1721-3/00 Fiação de algodão
1722-1/00 Fiação de outras fibras têxteis naturais
1723-0/00 Fiação de fibras artificiais ou sintéticas
1724-8/00 Fabricação de linhas e fios para costurar e bordar
1731-0/00 Tecelagem de algodão
1732-9/00 Tecelagem de fios de fibras têxteis naturais
1733-7/00 Tecelagem de fios e filamentos contínuos artificiais ou sintéticos
1741-8/00 Fabricação de artigos de tecido de uso doméstico, incluindo tecelagem
1749-3/00 Fabricação de outros artefatos têxteis, incluindo tecelagem
1750-7/00 Serviços de acabamento em fios, tecidos e artigos têxteis produzidos por terceiros
1761-2/00 Fabricação de artefatos têxteis a partir de tecidos - exceto vestuário
1762-0/00 Fabricação de artefatos de tapeçaria
1763-9/00 Fabricação de artefatos de cordoaria
1764-7/00 Fabricação de tecidos especiais - inclusive artefatos
1769-8/00 Fabricação de outros artigos têxteis - exceto vestuário
1771-0/00 Fabricação de tecidos de malha
1772-8/00 Fabricação de meias
1779-5/00 Fabricação de outros artigos do vestuário produzidos em malharias
1811-2/00 Confecção de peças interiores do vestuário
1812-0/00 Confecção de outras peças do vestuário
1813-9/00 Confecção de roupas profissionais
1821-0/00 Fabricação de acessórios do vestuário
1822-8/00 Fabricação de acessórios para segurança industrial e pessoal
1910-0/00 Curtimento e outras preparações de couro
1921-6/00 Fabricação de malas, bolsas, valises e outros artefatos para viagem, de qualquer material
1929-1/00 Fabricação de outros artefatos de couro
1931-3/00 Fabricação de calçados de couro
1932-1/00 Fabricação de tênis de qualquer material
1933-0/00 Fabricação de calçados de plástico
1939-9/00 Fabricação de calçados de outros materiais
2010-9/00 Desdobramento de madeira
2021-4/00 Fabricação de madeira laminada e de chapas de madeira compensada, prensada ou aglomerada
2022-2/00 Fabricação de esquadrias de madeira, de casas de madeira pré-fabricadas, de estruturas de madeira e artigos de carpintaria
2023-0/00 Fabricação de artefatos de tanoaria e embalagens de madeira
2029-0/00 Fabricação de artefatos diversos de madeira, palha, cortiça e material trançado - exceto móveis
2110-5/00 Fabricação de celulose e outras pastas para a fabricação de papel
2121-0/00 Fabricação de papel
2122-9/00 Fabricação de papelão liso, cartolina e cartão
2131-8/00 Fabricação de embalagens de papel
2132-6/00 Fabricação de embalagens de papelão - inclusive a fabricação de papelão corrugado
2141-5/00 Fabricação de artefatos de papel, papelão, cartolina e cartão para escritório
2142-3/00 Fabricação de fitas e formulários contínuos - impressos ou não
2149-0/00 Fabricação de outros artefatos de pastas, papel, papelão, cartolina e cartão
2211-0/00 Edição; edição e impressão de jornais
2212-8/00 Edição; edição e impressão de revistas
2213-6/00 Edição; edição e impressão de livros
2214-4/00 Edição de discos, fitas e outros materiais gravados
2215-2/00 Edição; edição e impressão de outros produtos gráficos
2221-7/00 Impressão de jornais, revistas e livros
2222-5/00 Serviço de impressão de material escolar e de material para usos industrial e comercial
2229-2/00 Execução de outros serviços gráficos
2231-4/00 Reprodução de discos e fitas
2232-2/00 Reprodução de fitas de vídeos
2233-0/00 Reprodução de filmes
2234-9/00 Reprodução de programas de informática em disquetes e fitas
2310-8/00 Coquerias
2321-3/00 Refino de petróleo
2329-9/00 Outras formas de produção de derivados do petróleo
2330-2/00 Elaboração de combustíveis nucleares
2340-0/00 Produção de álcool
2411-2/00 Fabricação de cloro e álcalis
2412-0/00 Fabricação de intermediários para fertilizantes
2413-9/00 Fabricação de fertilizantes fosfatados, nitrogenados e potássicos
2414-7/00 Fabricação de gases industriais
2419-8/00 Fabricação de outros produtos inorgânicos
2421-0/00 Fabricação de produtos petroquímicos básicos
2422-8/00 Fabricação de intermediários para resinas e fibras
2429-5/00 Fabricação de outros produtos químicos orgânicos
2431-7/00 Fabricação de resinas termoplásticas
2432-5/00 Fabricação de resinas termofixas
2433-3/00 Fabricação de elastômeros
2441-4/00 Fabricação de fibras, fios, cabos e filamentos contínuos artificiais
2442-2/00 Fabricação de fibras, fios, cabos e filamentos contínuos sintéticos
2451-1/00 Fabricação de produtos farmoquímicos
2452-0/00 Fabricação de medicamentos para uso humano
2453-8/00 Fabricação de medicamentos para uso veterinário
2454-6/00 Fabricação de materiais para usos médicos, hospitalares e odontológicos
2461-9/00 Fabricação de inseticidas
2462-7/00 Fabricação de fungicidas
2463-5/00 Fabricação de herbicidas
2469-4/00 Fabricação de outros defensivos agrícolas
2471-6/00 Fabricação de sabões, sabonetes e detergentes sintéticos
2472-4/00 Fabricação de produtos de limpeza e polimento
2473-2/00 Fabricação de artigos de perfumaria e cosméticos
2481-3/00 Fabricação de tintas, vernizes, esmaltes e lacas
2482-1/00 Fabricação de tintas de impressão
2483-0/00 Fabricação de impermeabilizantes, solventes e produtos afins
2491-0/00 Fabricação de adesivos e selantes
2492-9/00 Fabricação de explosivos
2493-7/00 Fabricação de catalisadores
2494-5/00 Fabricação de aditivos de uso industrial
2495-3/00 Fabricação de chapas, filmes, papéis e outros materiais e produtos químicos para fotografia
2496-1/00 Fabricação de discos e fitas virgens
2499-6/00 Fabricação de outros produtos químicos não especificados anteriormente
2511-9/00 Fabricação de pneumáticos e de câmaras-de-ar
2512-7/00 Recondicionamento de pneumáticos
2519-4/00 Fabricação de artefatos diversos de borracha
2521-6/00 Fabricação de laminados planos e tubulares de plástico
2522-4/00 Fabricação de embalagem de plástico
2529-1/00 Fabricação de artefatos diversos de plástico
2611-5/00 Fabricação de vidro plano e de segurança
2612-3/00 Fabricação de vasilhames de vidro
2619-0/00 Fabricação de artigos de vidro
2620-4/00 Fabricação de cimento
2630-1/00 Fabricação de artefatos de concreto, cimento, fibrocimento, gesso e estuque
2641-7/00 Fabricação de produtos cerâmicos não-refratários para uso estrutural na construção civil
2642-5/00 Fabricação de produtos cerâmicos refratários
2649-2/00 Fabricação de produtos cerâmicos não-refratários para usos diversos
2691-3/00 Britamento, aparelhamento e outros trabalhos em pedras (não associados à extração)
2692-1/00 Fabricação de cal virgem, cal hidratada e gesso
2699-9/00 Fabricação de outros produtos de minerais não-metálicos
2711-1/00 Produção de laminados planos de aço
2712-0/00 Produção de laminados não-planos de aço
2721-9/00 Produção de gusa
2722-7/00 Produção de ferro, aço e ferro-ligas em formas primárias e semi-acabados
2731-6/00 Fabricação de tubos de aço com costura
2739-1/00 Fabricação de outros tubos de ferro e aço
2741-3/00 Metalurgia do alumínio e suas ligas
2742-1/00 Metalurgia dos metais preciosos
2749-9/00 Metalurgia de outros metais não-ferrosos e suas ligas
2751-0/00 Fabricação de peças fundidas de ferro e aço
2752-9/00 Fabricação de peças fundidas de metais não-ferrosos e suas ligas
2811-8/00 Fabricação de estruturas metálicas para edifícios, pontes, torres de transmissão, andaimes e elementos para construção
2812-6/00 Fabricação de esquadrias de metal
2813-4/00 Fabricação de obras de caldeiraria pesada
2821-5/00 Fabricação de tanques, reservatórios metálicos e caldeiras para aquecimento central
2822-3/00 Fabricação de caldeiras geradoras de vapor - exceto para aquecimento central e para veículos
2831-2/00 Produção de forjados de aço
2832-0/00 Produção de forjados de metais não-ferrosos e suas ligas
2833-9/00 Fabricação de artefatos estampados de metal
2834-7/00 Metalurgia do pó
2839-8/00 Têmpera, cementação e tratamento térmico do aço, serviços de usinagem, galvanotécnica e solda
2841-0/00 Fabricação de artigos de cutelaria
2842-8/00 Fabricação de artigos de serralheria - exceto esquadrias
2843-6/00 Fabricação de ferramentas manuais
2891-6/00 Fabricação de embalagens metálicas
2892-4/00 Fabricação de artefatos de trefilados
2893-2/00 Fabricação de artigos de funilaria e de artigos de metal para usos doméstico e pessoal
2899-1/00 Fabricação de outros produtos elaborados de metal
2911-4/00 Fabricação de motores estacionários de combustão interna, turbinas e outras máquinas motrizes não elétricas, exceto para aviões e veículos rodoviários
2912-2/00 Fabricação de bombas e carneiros hidráulicos
2913-0/00 Fabricação de válvulas, torneiras e registros
2914-9/00 Fabricação de compressores
2915-7/00 Fabricação de equipamentos de transmissão para fins industriais - inclusive rolamentos
2921-1/00 Fabricação de fornos industriais, aparelhos e equipamentos não-elétricos para instalações térmicas
2922-0/00 Fabricação de estufas e fornos elétricos para fins industriais
2923-8/00 Fabricação de máquinas, equipamentos e aparelhos para transporte e elevação de cargas e pessoas
2924-6/00 Fabricação de máquinas e aparelhos de refrigeração e ventilação de uso industrial
2925-4/00 Fabricação de aparelhos de ar condicionado
2929-7/00 Fabricação de outras máquinas e equipamentos de uso geral
2931-9/00 Fabricação de máquinas e equipamentos para agricultura, avicultura e obtenção de produtos animais
2932-7/00 Fabricação de tratores agrícolas
2940-8/00 Fabricação de máquinas-ferramenta
2951-3/00 Fabricação de máquinas e equipamentos para a indústria de prospecção e extração de petróleo
2952-1/00 Fabricação de outras máquinas e equipamentos para a extração de minérios e indústria da construção
2953-0/00 Fabricação de tratores de esteira e tratores de uso na construção e mineração
2954-8/00 Fabricação de máquinas e equipamentos de terraplenagem e pavimentação
2961-0/00 Fabricação de máquinas para a indústria metalúrgica - exceto máquinas-ferramenta
2962-9/00 Fabricação de máquinas e equipamentos para as indústrias alimentar, de bebida e fumo
2963-7/00 Fabricação de máquinas e equipamentos para a indústria têxtil
2964-5/00 Fabricação de máquinas e equipamentos para as indústrias do vestuário e de couro e calçados
2965-3/00 Fabricação de máquinas e aparelhos para a indústria de celulose, papel e papelão e artefatos
2969-6/00 Fabricação de outras máquinas e equipamentos de uso específico
2971-8/00 Fabricação de armas de fogo e munições
2972-6/00 Fabricação de equipamento bélico pesado
2981-5/00 Fabricação de fogões, refrigeradores e máquinas de lavar e secar para uso doméstico
2989-0/00 Fabricação de outros aparelhos eletrodomésticos
3011-2/00 Fabricação de máquinas de escrever e calcular, copiadoras e outros equipamentos não-eletrônicos para escritório
3012-0/00 Fabricação de máquinas de escrever e calcular, copiadoras e outros equipamentos eletrônicos destinados à automação gerencial e comercial
3021-0/00 Fabricação de computadores
3022-8/00 Fabricação de equipamentos periféricos para máquinas eletrônicas para tratamento de informações
3111-9/00 Fabricação de geradores de corrente contínua ou alternada
3112-7/00 Fabricação de transformadores, indutores, conversores, sincronizadores e semelhantes
3113-5/00 Fabricação de motores elétricos
3121-6/00 Fabricação de subestações, quadros de comando, reguladores de voltagem e outros aparelhos e equipamentos para distribuição e controle de energia
3122-4/00 Fabricação de material elétrico para instalações em circuito de consumo
3130-5/00 Fabricação de fios, cabos e condutores elétricos isolados
3141-0/00 Fabricação de pilhas, baterias e acumuladores elétricos - exceto para veículos
3142-9/00 Fabricação de baterias e acumuladores para veículos
3151-8/00 Fabricação de lâmpadas
3152-6/00 Fabricação de luminárias e equipamentos de iluminação - exceto para veículos
3160-7/00 Fabricação de material elétrico para veículos - exceto baterias
3191-7/00 Fabricação de eletrodos, contatos e outros artigos de carvão e grafita para uso elétrico, eletroímãs e isoladores
3192-5/00 Fabricação de aparelhos e utensílios para sinalização e alarme
3199-2/00 Fabricação de outros aparelhos ou equipamentos elétricos
3210-7/00 Fabricação de material eletrônico básico
3221-2/00 Fabricação de equipamentos transmissores de rádio e televisão e de equipamentos para estações telefônicas, para radiotelefonia e radiotelegrafia - inclusive de microondas e repetidoras
3222-0/00 Fabricação de aparelhos telefônicos, sistemas de intercomunicação e semelhantes
3230-1/00 Fabricação de aparelhos receptores de rádio e televisão e de reprodução, gravação ou amplificação de som e vídeo
3310-3/00 Fabricação de aparelhos e instrumentos para usos médico-hospitalares, odontológicos e de laboratórios e aparelhos ortopédicos
3320-0/00 Fabricação de aparelhos e instrumentos de medida, teste e controle - exceto equipamentos para controle de processos industriais
3330-8/00 Fabricação de máquinas, aparelhos e equipamentos de sistemas eletrônicos dedicados à automação industrial e controle do processo produtivo
3340-5/00 Fabricação de aparelhos, instrumentos e materiais ópticos, fotográficos e cinematográficos
3350-2/00 Fabricação de cronômetros e relógios
3410-0/00 Fabricação de automóveis, camionetas e utilitários
3420-7/00 Fabricação de caminhões e ônibus
3431-2/00 Fabricação de cabines, carrocerias e reboques para caminhão
3432-0/00 Fabricação de carrocerias para ônibus
3439-8/00 Fabricação de cabines, carrocerias e reboques para outros veículos
3441-0/00 Fabricação de peças e acessórios para o sistema motor
3442-8/00 Fabricação de peças e acessórios para os sistemas de marcha e transmissão
3443-6/00 Fabricação de peças e acessórios para o sistema de freios
3444-4/00 Fabricação de peças e acessórios para o sistema de direção e suspensão
3449-5/00 Fabricação de outras peças e acessórios para veículos automotores não classificadas em outra classe
3450-9/00 Recondicionamento ou recuperação de motores para veículos automotores
3511-4/00 Construção e reparação de embarcações e estruturas flutuantes
3512-2/00 Construção e reparação de embarcações para esporte e lazer
3521-1/00 Construção e montagem de locomotivas, vagões e outros materiais rodantes
3522-0/00 Fabricação de peças e acessórios para veículos ferroviários
3523-8/00 Reparação de veículos ferroviários
3531-9/00 Construção e montagem de aeronaves
3532-7/00 Reparação de aeronaves
3591-2/00 Fabricação de motocicletas
3592-0/00 Fabricação de bicicletas e triciclos não-motorizados
3599-8/00 Fabricação de outros equipamentos de transporte
3611-0/00 Fabricação de móveis com predominância de madeira
3612-9/00 Fabricação de móveis com predominância de metal
3613-7/00 Fabricação de móveis de outros materiais
3614-5/00 Fabricação de colchões
3691-9/00 Lapidação de pedras preciosas e semi-preciosas, fabricação de artefatos de ourivesaria e joalheria
3692-7/00 Fabricação de instrumentos musicais
3693-5/00 Fabricação de artefatos para caça, pesca e esporte
3694-3/00 Fabricação de brinquedos e de jogos recreativos
3695-1/00 Fabricação de canetas, lápis, fitas impressoras para máquinas e outros artigos para escritório
3696-0/00 Fabricação de aviamentos para costura
3697-8/00 Fabricação de escovas, pincéis e vassouras
3699-4/00 Fabricação de produtos diversos
3710-9/00 Reciclagem de sucatas metálicas
3720-6/00 Reciclagem de sucatas não-metálicas
# E
4011-8/00 Produção de energia elétrica
4012-6/00 Transmissão de energia elétrica
4013-4/00 Comércio atacadista de energia elétrica
4014-2/00 Distribuição de energia elétrica
4020-7/00 Produção e distribuição de gás através de tubulações
4030-4/00 Produção e distribuição de vapor e água quente
4100-9/00 Captação, tratamento e distribuição de água
# F
4511-0/00 Demolição e preparação do terreno
4512-8/00 Perfurações e execução de fundações destinadas à construção civil
4513-6/00 Grandes movimentações de terra
4521-7/00 Edificações (residenciais, industriais, comerciais e de serviços)
4522-5/00 Obras viárias
4523-3/00 Grandes estruturas e obras de arte
4524-1/00 Obras de urbanização e paisagismo
4525-0/00 Montagem de estruturas
4529-2/00 Obras de outros tipos
4531-4/00 Construção de barragens e represas para geração de energia elétrica
4532-2/00 Construção de estações e redes de distribuição de energia elétrica
4533-0/00 Construção de estações e redes de telefonia e comunicação
4534-9/00 Construção de obras de prevenção e recuperação do meio ambiente
4541-1/00 Instalações elétricas
4542-0/00 Instalações de sistemas de ar condicionado, de ventilação e refrigeração
4543-8/00 Instalações hidráulicas, sanitárias, de gás e de sistema de prevenção contra incêndio
4549-7/00 Outras obras de instalações
4551-9/00 Alvenaria e reboco
4552-7/00 Impermeabilização e serviços de pintura em geral
4559-4/00 Outros serviços auxiliares da construção
4560-8/00 Aluguel de equipamentos de construção e demolição com operários
# G
5010-5/00 Comércio a varejo e por atacado de veículos automotores
5020-2/00 Manutenção e reparação de veículos automotores
5030-0/00 Comércio a varejo e por atacado de peças e acessórios para veículos automotores
5041-5/00 Comércio a varejo e por atacado de motocicletas, partes, peças e acessórios
5042-3/00 Manutenção e reparação de motocicletas
5050-4/00 Comércio a varejo de combustíveis
5111-0/00 Intermediários do comércio de matérias-primas agrícolas, animais vivos, matérias-primas têxteis e produtos semi-acabados
5112-8/00 Intermediários do comércio de combustíveis, minerais, metais e produtos químicos industriais
5113-6/00 Intermediários do comércio de madeira, material de construção e ferragens
5114-4/00 Intermediários do comércio de máquinas, equipamentos industriais, embarcações e aeronaves
5115-2/00 Intermediários do comércio de móveis e artigos de uso doméstico
5116-0/00 Intermediários do comércio de têxteis, vestuário, calçados e artigos de couro
5117-9/00 Intermediários do comércio de produtos alimentícios, bebidas e fumo
5118-7/00 Intermediários do comércio especializado em produtos não especificados anteriormente
5119-5/00 Intermediários do comércio de mercadorias em geral (não especializado)
5121-7/00 Comércio atacadista de produtos agrícolas "in natura"; produtos alimentícios para animais
5122-5/00 Comércio atacadista de animais vivos
5131-4/00 Comércio atacadista de leite e produtos do leite
5132-2/00 Comércio atacadista de cereais beneficiados, farinhas, amidos e féculas
5133-0/00 Comércio atacadista de hortifrutigranjeiros
5134-9/00 Comércio atacadista de carnes e produtos da carne
5135-7/00 Comércio atacadista de pescados
5136-5/00 Comércio atacadista de bebidas
5137-3/00 Comércio atacadista de produtos do fumo
5139-0/00 Comércio atacadista de outros produtos alimentícios, não especificados anteriormente
5141-1/00 Comércio atacadista de fios têxteis, tecidos, artefatos de tecidos e de armarinho
5142-0/00 Comércio atacadista de artigos do vestuário e complementos
5143-8/00 Comércio atacadista de calçados
5144-6/00 Comércio atacadista de eletrodomésticos e outros equipamentos de usos pessoal e doméstico
5145-4/00 Comércio atacadista de produtos farmacêuticos, médicos, ortopédicos e odontológicos
5146-2/00 Comércio atacadista de cosméticos e produtos de perfumaria
5147-0/00 Comércio atacadista de artigos de escritório e de papelaria; papel, papelão e seus artefatos; livros, jornais, e outras publicações
5149-7/00 Comércio atacadista de outros artigos de usos pessoal e doméstico, não especificados anteriormente
5151-9/00 Comércio atacadista de combustíveis
5152-7/00 Comércio atacadista de produtos extrativos de origem mineral
5153-5/00 Comércio atacadista de madeira, material de construção, ferragens e ferramentas
5154-3/00 Comércio atacadista de produtos químicos
5155-1/00 Comércio atacadista de resíduos e sucatas
5159-4/00 Comércio atacadista de outros produtos intermediários não agropecuários, não especificados anteriormente
5161-6/00 Comércio atacadista de máquinas, aparelhos e equipamentos para usos agropecuários
5162-4/00 Comércio atacadista de máquinas e equipamentos para o comércio
5163-2/00 Comércio atacadista de máquinas, aparelhos e equipamentos para escritório
5169-1/00 Comércio atacadista de máquinas, aparelhos e equipamentos para uso industrial, técnico e profissional, e outros usos, não especificados anteriormente
5191-8/00 Comércio atacadista de mercadorias em geral (não especializado)
5192-6/00 Comércio atacadista especializado em mercadorias não especificadas anteriormente
5211-6/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios, com área de venda superior a 5000 metros quadrados - hipermercados
5212-4/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios, com área de venda entre 300 e 5000 metros quadrados - supermercados
5213-2/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios, com área de venda inferior a 300 metros quadrados - exceto lojas de conveniência
5214-0/00 Comércio varejista de mercadorias em geral, com predominância de produtos alimentícios industrializados - lojas de conveniência
5215-9/00 Comércio varejista não-especializado, sem predominância de produtos alimentícios
5221-3/00 Comércio varejista de produtos de padaria, de laticínio, frios e conservas
5222-1/00 Comércio varejista de doces, balas, bombons, confeitos e semelhantes
5223-0/00 Comércio varejista de carnes - açougues
5224-8/00 Comércio varejista de bebidas
5229-9/00 Comércio varejista de outros produtos alimentícios não especificados anteriormente e de produtos do fumo
5231-0/00 Comércio varejista de tecidos e artigos de armarinho
5232-9/00 Comércio varejista de artigos do vestuário e complementos
5233-7/00 Comércio varejista de calçados, artigos de couro e viagem
5241-8/00 Comércio varejista de produtos farmacêuticos, artigos médicos e ortopédicos, de perfumaria e cosméticos
5242-6/00 Comércio varejista de máquinas e aparelhos de usos doméstico e pessoal, discos e instrumentos musicais
5243-4/00 Comércio varejista de móveis, artigos de iluminação e outros artigos para residência
5244-2/00 Comércio varejista de material de construção, ferragens, ferramentas manuais e produtos metalúrgicos; vidros, espelhos e vitrais; tintas e madeiras
5245-0/00 Comércio varejista de equipamentos e materiais para escritório; informática e comunicação
5246-9/00 Comércio varejista de livros, jornais, revistas e papelaria
5247-7/00 Comércio varejista de gás liqüefeito de petróleo (GLP)
5249-3/00 Comércio varejista de outros produtos não especificados anteriormente
5250-7/00 Comércio varejista de artigos usados
5261-2/00 Comércio varejista de artigos em geral, por catálogo ou pedido pelo correio
5269-8/00 Comércio varejista realizado em vias públicas, por meio de postos móveis, ambulantes, máquinas automáticas e a domicílio
5271-0/00 Reparação e manutenção de máquinas e de aparelhos eletrodomésticos
5272-8/00 Reparação de calçados
5279-5/00 Reparação de outros objetos pessoais e domésticos
# H
5511-5/00 Estabelecimentos hoteleiros, com restaurante
5512-3/00 Estabelecimentos hoteleiros, sem restaurante
5519-0/00 Outros tipos de alojamento
5521-2/00 Restaurantes e estabelecimentos de bebidas, com serviço completo
5522-0/00 Lanchonetes e similares
5523-9/00 Cantinas (serviços de alimentação privativos)
5524-7/00 Fornecimento de comida preparada
5529-8/00 Outros serviços de alimentação
# I
6010-0/00 Transporte ferroviário interurbano
6021-6/00 Transporte ferroviário de passageiros, urbano
6022-4/00 Transporte metroviário
6023-2/00 Transporte rodoviário de passageiros, regular, urbano
6024-0/00 Transporte rodoviário de passageiros, regular, não urbano
6025-9/00 Transporte rodoviário de passageiros, não regular
6026-7/00 Transporte rodoviário de cargas, em geral
6027-5/00 Transporte rodoviário de produtos perigosos
6028-3/00 Transporte rodoviário de mudanças
6029-1/00 Transporte regular em bondes, funiculares, teleféricos ou trens próprios para exploração de pontos turísticos
6030-5/00 Transporte dutoviário
6111-5/00 Transporte marítimo de cabotagem
6112-3/00 Transporte marítimo de longo curso
6121-2/00 Transporte por navegação interior de passageiros
6122-0/00 Transporte por navegação interior de carga
6123-9/00 Transporte aquaviário urbano
6210-3/00 Transporte aéreo, regular
6220-0/00 Transporte aéreo, não-regular
6230-8/00 Transporte espacial
6311-8/00 Carga e descarga
6312-6/00 Armazenamento e depósitos de cargas
6321-5/00 Atividades auxiliares aos transportes terrestres
6322-3/00 Atividades auxiliares aos transportes aquaviários
6323-1/00 Atividades auxiliares aos transportes aéreos
6330-4/00 Atividades de agências de viagens e organizadores de viagem
6340-1/00 Atividades relacionadas à organização do transporte de cargas
6411-4/00 Atividades de Correio Nacional
6412-2/00 Atividades de malote e entrega
6420-3/00 Telecomunicações
# J
6510-2/00 Banco Central
6521-8/00 Bancos comerciais
6522-6/00 Bancos múltiplos (com carteira comercial)
6523-4/00 Caixas econômicas
6524-2/00 Crédito cooperativo
6531-5/00 Bancos múltiplos (sem carteira comercial)
6532-3/00 Bancos de investimento
6533-1/00 Bancos de desenvolvimento
6534-0/00 Crédito imobiliário
6535-8/00 Sociedades de crédito, financiamento e investimento
6540-4/00 Arrendamento mercantil
6551-0/00 Agências de fomento
6559-5/00 Outras atividades de concessão de crédito
6591-9/00 Fundos mútuos de investimento
6592-7/00 Sociedades de capitalização
6599-4/00 Outras atividades de intermediação financeira, não especificadas anteriormente
6611-7/00 Seguros de vida
6612-5/00 Seguros não-vida
6613-3/00 Resseguros
6621-4/00 Previdência privada fechada
6622-2/00 Previdência privada aberta
6630-3/00 Planos de saúde
6711-3/00 Administração de mercados bursáteis
6712-1/00 Atividades de intermediários em transações de títulos e valores mobiliários
6719-9/00 Outras atividades auxiliares da intermediação financeira, não especificadas anteriormente
6720-2/00 Atividades auxiliares dos seguros e da previdência privada
# K
7010-6/00 Incorporação e compra e venda de imóveis
7020-3/00 Aluguel de imóveis
7031-9/00 Corretagem e avaliação de imóveis
7032-7/00 Administração de imóveis por conta de terceiros
7040-8/00 Condomínios prediais
7110-2/00 Aluguel de automóveis
7121-8/00 Aluguel de outros meios de transporte terrestre
7122-6/00 Aluguel de embarcações
7123-4/00 Aluguel de aeronaves
7131-5/00 Aluguel de máquinas e equipamentos agrícolas
7132-3/00 Aluguel de máquinas e equipamentos para construção e engenharia civil
7133-1/00 Aluguel de máquinas e equipamentos para escritórios
7139-0/00 Aluguel de máquinas e equipamentos de outros tipos, não especificados anteriormente
7140-4/00 Aluguel de objetos pessoais e domésticos
7210-9/00 Consultoria em hardware
7221-4/00 Desenvolvimento e edição de softwares prontos para uso
7229-0/00 Desenvolvimento de softwares sob encomenda e outras consultorias em software
7230-3/00 Processamento de dados
7240-0/00 Atividades de banco de dados e distribuição on-line de conteúdo eletrônico
7250-8/00 Manutenção e reparação de máquinas de escritório e de informática
7290-7/00 Outras atividades de informática, não especificadas anteriormente
7310-5/00 Pesquisa e desenvolvimento das ciências físicas e naturais
7320-2/00 Pesquisa e desenvolvimento das ciências sociais e humanas
7411-0/00 Atividades jurídicas
7412-8/00 Atividades de contabilidade e auditoria
7413-6/00 Pesquisas de mercado e de opinião pública
7414-4/00 Gestão de participações societárias (holdings)
7415-2/00 Sedes de empresas e unidades administrativas locais
7416-0/00 Atividades de assessoria em gestão empresarial
7420-9/00 Serviços de arquitetura e engenharia e de assessoramento técnico especializado
7430-6/00 Ensaios de materiais e de produtos; análise de qualidade
7440-3/00 Publicidade
7450-0/00 Seleção, agenciamento e locação de mão-de-obra para serviços temporários
7460-8/00 Atividades de investigação, vigilância e segurança
7470-5/00 Atividades de limpeza em prédios e domicílios
7491-8/00 Atividades fotográficas
7492-6/00 Atividades de envasamento e empacotamento, por conta de terceiros
7499-3/00 Outras atividades de serviços prestados principalmente às empresas, não especificadas anteriormente
# L
7511-6/00 Administração pública em geral
7512-4/00 Regulação das atividades sociais e culturais
7513-2/00 Regulação das atividades econômicas
7514-0/00 Atividades de apoio à administração pública
7521-3/00 Relações exteriores
7522-1/00 Defesa
7523-0/00 Justiça
7524-8/00 Segurança e ordem pública
7525-6/00 Defesa civil
7530-2/00 Seguridade social
# M
8011-0/00 Educação pré-escolar
8012-8/00 Educação fundamental
8020-9/00 Ensino médio
8031-4/00 Educação superior - graduação
8032-2/00 Educação superior - graduação e pós-graduação
8033-0/00 Educação superior - pós-graduação e extensão
8096-9/00 Educação profissional de nível técnico
8097-7/00 Educação profissional de nível tecnológico
8099-3/00 Outras atividades de ensino
# N
8511-1/00 Atividades de atendimento hospitalar
8512-0/00 Atividades de atendimento a urgências e emergências
8513-8/00 Atividades de atenção ambulatorial
8514-6/00 Atividades de serviços de complementação diagnóstica ou terapêutica
8515-4/00 Atividades de outros profissionais da área de saúde
8516-2/00 Outras atividades relacionadas com a atenção à saúde
8520-0/00 Serviços veterinários
8531-6/00 Serviços sociais com alojamento
8532-4/00 Serviços sociais sem alojamento
# O
9000-0/00 Limpeza urbana e esgoto e atividades relacionadas
9111-1/00 Atividades de organizações empresariais e patronais
9112-0/00 Atividades de organizações profissionais
9120-0/00 Atividades de organizações sindicais
9191-0/00 Atividades de organizações religiosas
9192-8/00 Atividades de organizações políticas
9199-5/00 Outras atividades associativas, não especificadas anteriormente
9211-8/00 Produção de filmes cinematográficos e fitas de vídeo
9212-6/00 Distribuição de filmes e de vídeos
9213-4/00 Projeção de filmes e de vídeos
9221-5/00 Atividades de rádio
9222-3/00 Atividades de televisão
9231-2/00 Atividades de teatro, música e outras atividades artísticas e literárias
9232-0/00 Gestão de salas de espetáculos
9239-8/00 Outras atividades de espetáculos, não especificadas anteriormente
9240-1/00 Atividades de agências de notícias
9251-7/00 Atividades de bibliotecas e arquivos
9252-5/00 Atividades de museus e conservação do patrimônio histórico
9253-3/00 Atividades de jardins botânicos, zoológicos, parques nacionais e reservas ecológicas
9261-4/00 Atividades desportivas
9262-2/00 Outras atividades relacionadas ao lazer
9301-7/00 Lavanderias e tinturarias
9302-5/00 Cabeleireiros e outros tratamentos de beleza
9303-3/00 Atividades funerárias e conexas
9304-1/00 Atividades de manutenção do físico corporal
9309-2/00 Outras atividades de serviços pessoais, não especificadas anteriormente
# P
9500-1/00 Serviços domésticos
# Q
9900-7/00 Organismos internacionais e outras instituições extraterritoriais
"""
