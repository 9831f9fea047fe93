#pragma once

#include <QColor>
#include <QComboBox>
#include <QList>

/// A drop-down list that cannot be typed in, whose rows are comma-separated cells. Closed, it
/// shows cell 0 of the selected row (nothing while no row is selected); open, every row shows its
/// cells side by side in the columns' widths and backgrounds, the selected row in the system's
/// selection colours, and the list is exactly as wide as all columns together, however narrow
/// the box itself is. Adding rows never selects one. Text uses the widget font and the palette's
/// Text colour. User choices arrive as QComboBox::activated.
class MultiColumnComboBox : public QComboBox
{
    Q_OBJECT

public:
    struct Column
    {
        int width = 60;
        QColor background = Qt::white;
    };

    explicit MultiColumnComboBox(QWidget *parent = nullptr);

    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return m_columns; }
    /// Left margin of the text inside each cell.
    void setIndent(int pixels);
    int indent() const { return m_indent; }
    /// Height of one row of the open list.
    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }
    /// The sum of the column widths: the width of the open list.
    int popupWidth() const;

    /// Adds a row; its whole line is kept and split into cells once.
    void addRow(const QString &line);
    /// The whole line of a row; empty for an index out of range.
    QString row(int index) const;
    /// The cells of a row, column 0 first.
    QStringList cells(int index) const;
    /// One cell of a row; empty when the row or the cell does not exist.
    QString cell(int index, int column) const;
    /// One cell of the selected row; empty when nothing is selected.
    QString currentCell(int column) const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Column> m_columns;
    int m_indent = 1;
    int m_rowHeight = 13;
};
