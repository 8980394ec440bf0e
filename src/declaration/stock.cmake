# Item 10, stock demonstration: the row of DemostrativoEstoque, its total
# questions and its write.
target_sources(vexa_declaration PRIVATE
  StockDemonstration.cpp StockDemonstration.h
)
