# Rectification: the next `Retificacao` of a period as a copy of its latest
# declaration, in one transaction.
target_sources(vexa_declfile PRIVATE
  Rectification.cpp Rectification.h
)
target_link_libraries(vexa_declfile PUBLIC vexa_declaration vexa_storage Qt6::Sql)
