# The rate-differential tables of items 7.6.1, 7.9.1 and 7.13.1: states and
# rates by period, the checks of a line, the domicile-B twins and the totals.
target_sources(vexa_declaration PRIVATE
  RateStore.cpp RateStore.h
  RateTables.cpp RateTables.h
)
