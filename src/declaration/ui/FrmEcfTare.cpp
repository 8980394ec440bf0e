#include "declaration/ui/FrmEcfTare.h"

#include "common/Masks.h"
#include "declaration/ui/EcfTareModels.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"

#include <QHeaderView>

namespace vexa::decl::ui {

FrmGridEditor* makeEcfEditor(const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
    FrmGridEditor::Options o;
    o.caption = QStringLiteral("ECF");
    o.title = QStringLiteral("3.8.1 - Detalhamento do Item Usuário ECF");
    o.objectName = QStringLiteral("FrmECF");
    o.buttons = {{FrmGridEditor::Command::Gravar, QStringLiteral("Gravar")},
                 {FrmGridEditor::Command::Cancelar, QStringLiteral("Cancelar")},
                 {FrmGridEditor::Command::Excluir, QStringLiteral("Excluir Linha")}};
    o.close = FrmGridEditor::ClosePolicy::PostPending;
    o.appendWhenEmpty = true;
    o.size = QSize(620, 320);
    auto* editor = new FrmGridEditor(new EcfModel(key), prompter, o, parent);
    ListGrid* grid = editor->sheetGrid()->grid();
    auto* text = new TextDelegate(20, true, editor);
    for (int c = 0; c < EcfModel::ColumnCount; ++c) {
        grid->setItemDelegateForColumn(c, text);
        grid->setColumnWidth(c, 140);
    }
    grid->horizontalHeader()->setMinimumHeight(grid->fontMetrics().height() * 2 + 8);
    return editor;
}

FrmGridEditor* makeTareEditor(const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
    FrmGridEditor::Options o;
    o.caption = QStringLiteral("TARE");
    o.title = QStringLiteral("3.4.1 - TARE");
    o.objectName = QStringLiteral("FrmTARE");
    o.buttons = {{FrmGridEditor::Command::Excluir, QStringLiteral("Excluir Linha")},
                 {FrmGridEditor::Command::Retornar, QStringLiteral("Retornar")}};
    o.close = FrmGridEditor::ClosePolicy::PostPending;
    o.appendWhenEmpty = true;
    o.size = QSize(440, 300);
    auto* editor = new FrmGridEditor(new TareModel(key), prompter, o, parent);
    ListGrid* grid = editor->sheetGrid()->grid();
    grid->setItemDelegateForColumn(TareModel::NumeroTare, new TextDelegate(20, true, editor));
    grid->setItemDelegateForColumn(TareModel::DataVencto, new MaskDelegate(kInputMaskDate, editor));
    grid->setColumnWidth(TareModel::NumeroTare, 200);
    return editor;
}

} // namespace vexa::decl::ui
