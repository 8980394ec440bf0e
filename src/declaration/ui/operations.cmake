# The grids of sheets "Item 4.1" and "Item 4.2": the model of one operation
# view, its editors, and the sheet with its description box and totals.
target_sources(vexa_declaration_ui PRIVATE
  OperationsDelegates.cpp OperationsDelegates.h
  OperationsModel.cpp OperationsModel.h
  OperationsSheet.cpp OperationsSheet.h
)
