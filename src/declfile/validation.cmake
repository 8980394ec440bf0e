# Consistency checks of a declaration before export, and their HTML report.
target_sources(vexa_declfile PRIVATE
  CheckNow.cpp CheckNow.h
  Validation.cpp Validation.h
  ValidationFacts.cpp ValidationFacts.h
  ValidationMessages.cpp
  ValidationReport.cpp ValidationReport.h
  ValidationRules.cpp ValidationRules.h
)
target_link_libraries(vexa_declfile PUBLIC vexa_declaration vexa_storage Qt6::Sql)
