#include "multi_column_combo_box.h"

#include "preset_rows.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int LineRole = Qt::UserRole + 1;

class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(const MultiColumnComboBox *box)
        : QStyledItemDelegate(const_cast<MultiColumnComboBox *>(box))
        , m_box(box)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QStringList cells = PresetRows::splitPresetRow(index.data(LineRole).toString());
        const bool selected = option.state & QStyle::State_Selected;
        int x = option.rect.left();
        painter->save();
        painter->setFont(option.font);
        for (qsizetype column = 0; column < m_box->columns().size(); ++column) {
            const auto &spec = m_box->columns().at(column);
            const QRect cell(x, option.rect.top(), spec.width, option.rect.height());
            painter->fillRect(cell, selected ? option.palette.highlight().color() : spec.background);
            painter->setPen(selected ? option.palette.highlightedText().color()
                                     : option.palette.text().color());
            const QString text = column < cells.size() ? cells.at(column) : QString();
            painter->drawText(cell.adjusted(m_box->indent(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
            x += spec.width;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(m_box->popupWidth(), m_box->rowHeight());
    }

private:
    const MultiColumnComboBox *m_box;
};

} // namespace

MultiColumnComboBox::MultiColumnComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setCursor(Qt::PointingHandCursor);
    setItemDelegate(new CellDelegate(this));
}

void MultiColumnComboBox::setColumns(const QList<Column> &columns) { m_columns = columns; }
void MultiColumnComboBox::setIndent(int pixels) { m_indent = pixels; }
void MultiColumnComboBox::setRowHeight(int pixels) { m_rowHeight = pixels; }

int MultiColumnComboBox::popupWidth() const
{
    int width = 0;
    for (const Column &column : m_columns)
        width += column.width;
    return width;
}

void MultiColumnComboBox::addRow(const QString &line)
{
    const QStringList fields = PresetRows::splitPresetRow(line);
    addItem(fields.value(0));
    setItemData(count() - 1, line, LineRole);
}

QString MultiColumnComboBox::row(int index) const { return itemData(index, LineRole).toString(); }

QStringList MultiColumnComboBox::cells(int index) const { return PresetRows::splitPresetRow(row(index)); }

void MultiColumnComboBox::showPopup()
{
    view()->setMinimumWidth(popupWidth());
    QComboBox::showPopup();
}
