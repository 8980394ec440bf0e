#pragma once
// The panel sheets "Item 13" and "Item 14" show, instead of their grids, to a
// taxpayer whose main activity is not fuel retail (4731800).

class QWidget;

namespace vexa::decl::ui {

QWidget* makeFuelNotice(QWidget* parent);

} // namespace vexa::decl::ui
