# Sheet "Itens 10 - 10.3": the ten fields of the stock demonstration.
target_sources(vexa_declaration_ui PRIVATE
  SheetEstoque.cpp SheetEstoque.h
)
