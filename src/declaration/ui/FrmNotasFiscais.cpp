#include "declaration/ui/FrmNotasFiscais.h"

#include "declaration/ui/ListGrid.h"
#include "declaration/ui/NotasFiscaisModel.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"

#include <memory>

namespace vexa::decl::ui {

FrmGridEditor* makeNotasFiscaisEditor(const SupplierKey& supplier, Prompter& prompter, QWidget* parent) {
    FrmGridEditor::Options o;
    o.caption = QStringLiteral("Notas Fiscais");
    o.title = QStringLiteral("Notas Fiscais");
    o.objectName = QStringLiteral("FrmNotasFiscais");
    o.buttons = {{FrmGridEditor::Command::Novo, QStringLiteral("&Novo")},
                 {FrmGridEditor::Command::Gravar, QStringLiteral("&Gravar")},
                 {FrmGridEditor::Command::Cancelar, QStringLiteral("&Cancelar")},
                 {FrmGridEditor::Command::Excluir, QStringLiteral("&Excluir")},
                 {FrmGridEditor::Command::Retornar, QStringLiteral("&Retornar")}};
    o.close = FrmGridEditor::ClosePolicy::RefuseWhileEditing;
    o.closeRefusedMessage = municipality_msg::GraveOuCanceleRetornar;
    o.showTotal = true;
    o.size = QSize(520, 380);
    auto* editor = new FrmGridEditor(new NotasFiscaisModel(supplier), prompter, o, parent);
    ListGrid* grid = editor->sheetGrid()->grid();
    grid->setItemDelegateForColumn(NotasFiscaisModel::NumNota, new DigitsDelegate(9, editor));
    grid->setItemDelegateForColumn(NotasFiscaisModel::Valor, new MoneyDelegate(editor));
    grid->setColumnWidth(NotasFiscaisModel::NumNota, 160);
    return editor;
}

double openNotasFiscais(const SupplierKey& supplier, Prompter& prompter, QWidget* parent) {
    std::unique_ptr<FrmGridEditor> editor(makeNotasFiscaisEditor(supplier, prompter, parent));
    editor->exec();
    return editor->model()->handedBackTotal();
}

} // namespace vexa::decl::ui
