#pragma once
// Where the sheets that other areas of the declaration own come from. Each
// function lives in its own file (named after it) and answers the widget of
// its sheet; while an area has not built its sheet, the function answers a
// placeholder. To put a real sheet on the screen, the area that owns it
// derives its widget from VexaSheet (VexaSheet.h says what the screen asks
// of a sheet) and makes its function answer it, e.g. in SheetItem9.cpp:
//
//     VexaSheet* createSheetItem9(const SheetEnvironment& env, QWidget* parent) {
//         return new SheetIcmsRecolher(env.prompter, parent);
//     }
//
// FrmVexas calls each function once when it is built, in the order of the sheets.

#include "common/Prompter.h"

class QWidget;

namespace vexa::decl::ui {

class FrmVexas;
class VexaSheet;

// What a sheet may use of the screen: the prompter for its messages and
// questions, and the screen itself (openEditor() and friends, FrmVexas.h).
struct SheetEnvironment {
    Prompter& prompter;
    FrmVexas& screen;
};

VexaSheet* createSheetItem9(const SheetEnvironment& env, QWidget* parent);      // "Item 9"           SheetItem9.cpp
VexaSheet* createSheetItens10(const SheetEnvironment& env, QWidget* parent);    // "Itens 10 - 10.3"  SheetItens10.cpp
VexaSheet* createSheetItens11(const SheetEnvironment& env, QWidget* parent);    // "Itens 11 - 12.7"  SheetItens11.cpp
VexaSheet* createSheetItem13(const SheetEnvironment& env, QWidget* parent);     // "Item 13"          SheetItem13.cpp
VexaSheet* createSheetItem14(const SheetEnvironment& env, QWidget* parent);     // "Item 14"          SheetItem14.cpp
VexaSheet* createSheetItens15(const SheetEnvironment& env, QWidget* parent);    // "Itens 15"         SheetItens15.cpp
VexaSheet* createSheetItem16(const SheetEnvironment& env, QWidget* parent);     // "Item 16"          SheetItem16.cpp

} // namespace vexa::decl::ui
