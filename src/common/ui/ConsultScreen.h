#pragma once
// The consult screens of stored records ("Localizar VEXA", "Consulta DARE",
// "Consulta DARE Avulso"): a taxpayer-name list and a period list, each
// editable with its "all" choice first, "&Localizar" to list the records of
// the two choices, a read-only grid of them, and "&Retornar" (or a double
// click on a row) to close; the row under the cursor is the one chosen.
//
// A screen derives from ConsultScreen, gives its captions and choices to the
// constructor, puts its model in the grid with setGridModel(), sizes its
// columns with fixColumns() and fills the model in search().

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <utility>

class QAbstractItemModel;
class QComboBox;
class QPushButton;
class QTableView;

namespace vexa {

// A read-only grid in which the user picks one whole row: no row numbers,
// rows 20 pixels high, Tab leaving for the next control.
QTableView* newPickGrid(const QString& objectName, QWidget* parent);

class ConsultScreen : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString objectName;        // of the screen
        QString title;
        QString taxpayerCaption;   // the label of the taxpayer list
        QString returnToolTip{};   // of "&Retornar"; none when empty
        QString gridName;          // object name of the grid
        QString all;               // the choice that lists everything, first of each list
        QStringList taxpayers;
        QStringList periods;
        QSize size;
    };

    // "&Localizar": an empty choice becomes the "all" choice, the grid is
    // filled with the records of the two choices and its first row taken.
    void localizar();

    QComboBox* taxpayerBox() const { return cbContribuinte_; }
    QComboBox* periodBox() const { return cbPeriodo_; }
    QPushButton* locateButton() const { return btnLocalizar_; }
    QPushButton* returnButton() const { return btnRetornar_; }
    QTableView* grid() const { return grid_; }

protected:
    ConsultScreen(const Setup& setup, QWidget* parent);

    // The grid shows model (once, from the derived screen's constructor).
    void setGridModel(QAbstractItemModel* model);
    // stretch takes the width left; each of fixed keeps the width given.
    void fixColumns(int stretch, const QList<std::pair<int, int>>& fixed);

    // Fills the model with the records of the two choices, as typed.
    virtual void search(const QString& taxpayer, const QString& period) = 0;

    // The row under the cursor (the first when none is); -1 when the grid is empty.
    int currentRow() const;

private:
    QString all_;
    QComboBox* cbContribuinte_;
    QComboBox* cbPeriodo_;
    QPushButton* btnLocalizar_;
    QPushButton* btnRetornar_;
    QTableView* grid_;
};

} // namespace vexa
