# Items 13 and 14 for fuel retailers: pump meters with the previous-product
# readings and volume rules, tank stock, the meter kind and remarks of the
# declaration row, and the alcohol invoices.
target_sources(vexa_declaration PRIVATE
  Encerrantes.cpp Encerrantes.h
  EstTanque.cpp EstTanque.h
  FuelTypes.cpp FuelTypes.h
  InfoAlcool.cpp InfoAlcool.h
)
