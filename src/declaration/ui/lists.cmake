# The list editors of items 5.2.1 (other debits), 6.2.1 (other credits) and
# 7.2.1 (deductions), and the editor dialog every list of sheet
# "Itens 5 - 8.7" is shown in.
target_sources(vexa_declaration_ui PRIVATE
  CodedListModel.h
  DeductionsModel.cpp DeductionsModel.h
  FrmLawEditors.cpp FrmLawEditors.h
  FrmListEditor.cpp FrmListEditor.h
  LawCodeDelegate.cpp LawCodeDelegate.h
  LawListModel.cpp LawListModel.h
  ListEditorModel.h
  ListGrid.cpp ListGrid.h
)
