# Item 9, ICMS to pay: the six lists of ICMSRecolher, their due-month rule,
# the lists each regime and period may type, and the totals of each kind.
target_sources(vexa_declaration PRIVATE
  IcmsRecolher.cpp IcmsRecolher.h
)
