# Declaration record and lifecycle: the row of `Vexas`, its key rules, the
# carried values, the checks of the row, its child tables and the service.
target_sources(vexa_declaration PRIVATE
  CarryOver.cpp CarryOver.h
  DeclSql.cpp DeclSql.h
  ChildTables.cpp ChildTables.h
  DeclarationChecks.cpp DeclarationChecks.h
  DeclarationService.cpp DeclarationService.h
  Sheets.h
  VexaRow.cpp VexaRow.h
)
