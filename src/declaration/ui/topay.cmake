# Sheet "Item 9": the six grids of ICMSRecolher with their totals. The
# pending-row grid model and the group of grids are shared with the sheet of
# entries and outputs by state.
target_sources(vexa_declaration_ui PRIVATE
  ChildGridGroup.cpp ChildGridGroup.h
  DueDateDelegate.cpp DueDateDelegate.h
  PendingRowModel.h
  PendingRowList.h
  SheetIcmsRecolher.cpp SheetIcmsRecolher.h
  ToPayModel.cpp ToPayModel.h
)
