# Items 15 and 16: outputs and entries by municipality of origin, goods of
# other municipalities with deferral and their invoices; rules, totals and
# the cross-check of item 15 with the listed CFOPs.
target_sources(vexa_declaration PRIVATE
  Item15Totals.cpp Item15Totals.h
  MercadMuni.cpp MercadMuni.h
  MunicipalityTypes.cpp MunicipalityTypes.h
  NotasFiscais.cpp NotasFiscais.h
  RowPost.h
  SaidasMun.cpp SaidasMun.h
)
