#pragma once
// The grid of a list editor. Tab (and Enter, which acts as Tab) moves
// through the columns the user may type, skipping the computed ones; moving
// past the end of the last line, or Down on it, asks for a new line, as
// appending to a data grid does.

#include <QTableView>

namespace vexa::decl::ui {

class ListGrid : public QTableView {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);

    // Commits the cell being typed into the model and closes its editor.
    void commitOpenEditor();
    // Closes the cell being typed without taking its text.
    void discardOpenEditor();

signals:
    void appendRequested();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* openEditor() const;
    bool editable(int row, int column) const;
};

} // namespace vexa::decl::ui
