# Other debits, other credits and deductions: the lists whose lines cite a law
# code, their checks and totals, and the way every list total goes back into
# the declaration row.
target_sources(vexa_declaration PRIVATE
  LawLists.cpp LawLists.h
  ListTotals.cpp ListTotals.h
)
