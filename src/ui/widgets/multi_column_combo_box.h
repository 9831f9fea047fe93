#pragma once

#include <QColor>
#include <QComboBox>
#include <QList>

/// A drop-down list that cannot be typed in, whose rows are comma-separated cells. Closed, it
/// shows cell 0 of the selected row; open, every row shows its cells side by side in the
/// columns' widths and backgrounds, and the list is as wide as all columns together.
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
    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }
    /// The sum of the column widths.
    int popupWidth() const;

    /// Adds a row; its whole line is kept and split into cells when needed.
    void addRow(const QString &line);
    QString row(int index) const;
    /// The cells of a row, column 0 first.
    QStringList cells(int index) const;

    void showPopup() override;

private:
    QList<Column> m_columns;
    int m_indent = 1;
    int m_rowHeight = 13;
};
