"""CNAE 2.x subclasses, sections A and B (divisions 01 to 09).

One line per subclass: class code with its check digit, the subclass number
after the slash, then the official description.  Lines starting with '#'
open a section (letter and title).
"""

DATA = """
# A Agricultura, pecuária, produção florestal, pesca e aqüicultura
0111-3/01 Cultivo de arroz
0111-3/02 Cultivo de milho
0111-3/03 Cultivo de trigo
0111-3/99 Cultivo de outros cereais não especificados anteriormente
0112-1/01 Cultivo de algodão herbáceo
0112-1/02 Cultivo de juta
0112-1/99 Cultivo de outras fibras de lavoura temporária não especificadas anteriormente
0113-0/00 Cultivo de cana-de-açúcar
0114-8/00 Cultivo de fumo
0115-6/00 Cultivo de soja
0116-4/01 Cultivo de amendoim
0116-4/02 Cultivo de girassol
0116-4/03 Cultivo de mamona
0116-4/99 Cultivo de outras oleaginosas de lavoura temporária não especificadas anteriormente
0119-9/01 Cultivo de abacaxi
0119-9/02 Cultivo de alho
0119-9/03 Cultivo de batata-inglesa
0119-9/04 Cultivo de cebola
0119-9/05 Cultivo de feijão
0119-9/06 Cultivo de mandioca
0119-9/07 Cultivo de melão
0119-9/08 Cultivo de melancia
0119-9/09 Cultivo de plantas forrageiras
0119-9/99 Cultivo de outras plantas de lavoura temporária não especificadas anteriormente
0121-1/01 Horticultura, exceto morango
0121-1/02 Cultivo de morango
0122-9/00 Cultivo de flores e plantas ornamentais
0131-8/00 Cultivo de laranja
0132-6/00 Cultivo de uva
0133-4/01 Cultivo de açaí
0133-4/02 Cultivo de banana
0133-4/03 Cultivo de caju
0133-4/04 Cultivo de cítricos, exceto laranja
0133-4/05 Cultivo de coco-da-baía
0133-4/06 Cultivo de guaraná
0133-4/07 Cultivo de maçã
0133-4/08 Cultivo de mamão
0133-4/09 Cultivo de maracujá
0133-4/10 Cultivo de manga
0133-4/11 Cultivo de pêssego
0133-4/99 Cultivo de frutas de lavoura permanente não especificadas anteriormente
0134-2/00 Cultivo de café
0135-1/00 Cultivo de cacau
0139-3/01 Cultivo de chá-da-índia
0139-3/02 Cultivo de erva-mate
0139-3/03 Cultivo de pimenta-do-reino
0139-3/04 Cultivo de plantas para condimento, exceto pimenta-do-reino
0139-3/05 Cultivo de dendê
0139-3/06 Cultivo de seringueira
0139-3/99 Cultivo de outras plantas de lavoura permanente não especificadas anteriormente
0141-5/01 Produção de sementes certificadas, exceto de forrageiras para pasto
0141-5/02 Produção de sementes certificadas de forrageiras para formação de pasto
0142-3/00 Produção de mudas e outras formas de propagação vegetal, certificadas
0151-2/01 Criação de bovinos para corte
0151-2/02 Criação de bovinos para leite
0151-2/03 Criação de bovinos, exceto para corte e leite
0152-1/01 Criação de bufalinos
0152-1/02 Criação de eqüinos
0152-1/03 Criação de asininos e muares
0153-9/01 Criação de caprinos
0153-9/02 Criação de ovinos, inclusive para produção de lã
0154-7/00 Criação de suínos
0155-5/01 Criação de frangos para corte
0155-5/02 Produção de pintos de um dia
0155-5/03 Criação de outros galináceos, exceto para corte
0155-5/04 Criação de aves, exceto galináceos
0155-5/05 Produção de ovos
0159-8/01 Apicultura
0159-8/02 Criação de animais de estimação
0159-8/03 Criação de escargô
0159-8/04 Criação de bicho-da-seda
0159-8/99 Criação de outros animais não especificados anteriormente
0161-0/01 Serviço de pulverização e controle de pragas agrícolas
0161-0/02 Serviço de poda de árvores para lavouras
0161-0/03 Serviço de preparação de terreno, cultivo e colheita
0161-0/99 Atividades de apoio à agricultura não especificadas anteriormente
0162-8/01 Serviço de inseminação artificial em animais
0162-8/02 Serviço de tosquiamento de ovinos
0162-8/03 Serviço de manejo de animais
0162-8/99 Atividades de apoio à pecuária não especificadas anteriormente
0163-6/00 Atividades de pós-colheita
0170-9/00 Caça e serviços relacionados
0210-1/01 Cultivo de eucalipto
0210-1/02 Cultivo de acácia-negra
0210-1/03 Cultivo de pinus
0210-1/04 Cultivo de teca
0210-1/05 Cultivo de espécies madeireiras, exceto eucalipto, acácia-negra, pinus e teca
0210-1/06 Cultivo de mudas em viveiros florestais
0210-1/07 Extração de madeira em florestas plantadas
0210-1/08 Produção de carvão vegetal - florestas plantadas
0210-1/09 Produção de casca de acácia-negra - florestas plantadas
0210-1/99 Produção de produtos não-madeireiros não especificados anteriormente em florestas plantadas
0220-9/01 Extração de madeira em florestas nativas
0220-9/02 Produção de carvão vegetal - florestas nativas
0220-9/03 Coleta de castanha-do-pará em florestas nativas
0220-9/04 Coleta de látex em florestas nativas
0220-9/05 Coleta de palmito em florestas nativas
0220-9/06 Conservação de florestas nativas
0220-9/99 Coleta de produtos não-madeireiros não especificados anteriormente em florestas nativas
0230-6/00 Atividades de apoio à produção florestal
0311-6/01 Pesca de peixes em água salgada
0311-6/02 Pesca de crustáceos e moluscos em água salgada
0311-6/03 Coleta de outros produtos marinhos
0311-6/04 Atividades de apoio à pesca em água salgada
0312-4/01 Pesca de peixes em água doce
0312-4/02 Pesca de crustáceos e moluscos em água doce
0312-4/03 Coleta de outros produtos aquáticos de água doce
0312-4/04 Atividades de apoio à pesca em água doce
0321-3/01 Criação de peixes em água salgada e salobra
0321-3/02 Criação de camarões em água salgada e salobra
0321-3/03 Criação de ostras e mexilhões em água salgada e salobra
0321-3/04 Criação de peixes ornamentais em água salgada e salobra
0321-3/05 Atividades de apoio à aqüicultura em água salgada e salobra
0321-3/99 Cultivos e semicultivos da aqüicultura em água salgada e salobra não especificados anteriormente
0322-1/01 Criação de peixes em água doce
0322-1/02 Criação de camarões em água doce
0322-1/03 Criação de ostras e mexilhões em água doce
0322-1/04 Criação de peixes ornamentais em água doce
0322-1/05 Ranicultura
0322-1/06 Criação de jacaré
0322-1/07 Atividades de apoio à aqüicultura em água doce
0322-1/99 Cultivos e semicultivos da aqüicultura em água doce não especificados anteriormente
# B Indústrias extrativas
0500-3/01 Extração de carvão mineral
0500-3/02 Beneficiamento de carvão mineral
0600-0/01 Extração de petróleo e gás natural
0600-0/02 Extração e beneficiamento de xisto
0600-0/03 Extração e beneficiamento de areias betuminosas
0710-3/01 Extração de minério de ferro
0710-3/02 Pelotização, sinterização e outros beneficiamentos de minério de ferro
0721-9/01 Extração de minério de alumínio
0721-9/02 Beneficiamento de minério de alumínio
0722-7/01 Extração de minério de estanho
0722-7/02 Beneficiamento de minério de estanho
0723-5/01 Extração de minério de manganês
0723-5/02 Beneficiamento de minério de manganês
0724-3/01 Extração de minério de metais preciosos
0724-3/02 Beneficiamento de minério de metais preciosos
0725-1/00 Extração de minerais radioativos
0729-4/01 Extração de minérios de nióbio e titânio
0729-4/02 Extração de minério de tungstênio
0729-4/03 Extração de minério de níquel
0729-4/04 Extração de minérios de cobre, chumbo, zinco e outros minerais metálicos não-ferrosos não especificados anteriormente
0729-4/05 Beneficiamento de minérios de cobre, chumbo, zinco e outros minerais metálicos não-ferrosos não especificados anteriormente
0810-0/01 Extração de ardósia e beneficiamento associado
0810-0/02 Extração de granito e beneficiamento associado
0810-0/03 Extração de mármore e beneficiamento associado
0810-0/04 Extração de calcário e dolomita e beneficiamento associado
0810-0/05 Extração de gesso e caulim
0810-0/06 Extração de areia, cascalho ou pedregulho e beneficiamento associado
0810-0/07 Extração de argila e beneficiamento associado
0810-0/08 Extração de saibro e beneficiamento associado
0810-0/09 Extração de basalto e beneficiamento associado
0810-0/10 Beneficiamento de gesso e caulim associado à extração
0810-0/99 Extração e britamento de pedras e outros materiais para construção e beneficiamento associado
0891-6/00 Extração de minerais para fabricação de adubos, fertilizantes e outros produtos químicos
0892-4/01 Extração de sal marinho
0892-4/02 Extração de sal-gema
0892-4/03 Refino e outros tratamentos do sal
0893-2/00 Extração de gemas (pedras preciosas e semipreciosas)
0899-1/01 Extração de grafita
0899-1/02 Extração de quartzo
0899-1/03 Extração de amianto
0899-1/99 Extração de outros minerais não-metálicos não especificados anteriormente
0910-6/00 Atividades de apoio à extração de petróleo e gás natural
0990-4/01 Atividades de apoio à extração de minério de ferro
0990-4/02 Atividades de apoio à extração de minerais metálicos não-ferrosos
0990-4/03 Atividades de apoio à extração de minerais não-metálicos
"""
