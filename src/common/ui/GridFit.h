#pragma once
// Grid columns that show what they hold: every header line whole (in the
// bold face the header gives the current column), every amount up to
// 999.999.999,99 whole, codes and short values whole; the one text column of
// a grid (a name, a description) takes the width left and, where even that
// is too narrow, is elided with the whole text in its tooltip. The fit is
// made again when the grid is resized (a maximised screen), refilled, or a
// column is shown or hidden.
//
//     ui::fitColumns(grid, Model::Descricao);          // once, after the columns exist
//     ui::setAmountColumns(panel, {0, 1, 2});          // columns of a panel without money delegates

#include <QList>
#include <QString>

class QAbstractItemDelegate;
class QFont;
class QHeaderView;
class QTableView;

namespace vexa::ui {

// The widest amount a grid must show whole.
inline const QString kWidestAmount = QStringLiteral("999.999.999,99");

// A delegate of amount columns says so (the fit then needs no cell to tell).
void markAmountDelegate(QAbstractItemDelegate* delegate);
// Columns whose cells hold amounts, for grids whose delegates do not say.
void setAmountColumns(QTableView* view, const QList<int>& columns);

// A column at least this wide (a totals label under it, for instance).
void setMinimumColumnWidth(QTableView* view, int column, int width);

// Sizes the columns of view as described above and keeps them fitted;
// textColumn -1: no column takes the width left (the last one stretches).
void fitColumns(QTableView* view, int textColumn = -1);
// Fits at once (normally done on every resize and refill).
void refitColumns(QTableView* view);
// The column fitColumns() gave the width left to (-1: none, or not fitted).
int textColumnOf(const QTableView* view);

// Width a cell needs for text in font, margins included.
int cellWidthFor(const QTableView* view, const QString& text, const QFont& font);
// Width a header section needs for each of its lines in the bold face.
int headerWidthFor(const QHeaderView* header, const QString& text);
// Whether the text shown in a cell, or a header section, is wider than the room it has.
bool cellElided(const QTableView* view, int row, int column);
bool headerElided(const QHeaderView* header, int section);

} // namespace vexa::ui
