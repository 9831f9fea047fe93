#include "multi_column_combo_box.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "preset_rows.h"

namespace {

constexpr int LineRole = Qt::UserRole + 1;
constexpr int CellsRole = Qt::UserRole + 2;

class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(MultiColumnComboBox *box)
        : QStyledItemDelegate(box)
        , m_box(box)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QStringList cells = index.data(CellsRole).toStringList();
        const bool selected = option.state & QStyle::State_Selected;
        // The list lives in a window of its own, so colours and font come from the box.
        const QPalette &palette = m_box->palette();
        painter->save();
        painter->setFont(m_box->font());
        int x = option.rect.left();
        for (qsizetype column = 0; column < m_box->columns().size(); ++column) {
            const MultiColumnComboBox::Column &columnStyle = m_box->columns().at(column);
            const QRect cell(x, option.rect.top(), columnStyle.width, option.rect.height());
            painter->fillRect(cell, selected ? palette.color(QPalette::Active, QPalette::Highlight)
                                             : columnStyle.background);
            painter->setPen(selected ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                     : palette.color(QPalette::Text));
            painter->setClipRect(cell);
            painter->drawText(cell.adjusted(m_box->indent(), 0, 0, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cells.value(column));
            painter->setClipping(false);
            x += columnStyle.width;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(m_box->popupWidth(), m_box->rowHeight());
    }

private:
    MultiColumnComboBox *m_box;
};

// Styles that open a combo box as a menu ignore the visible-row limit and place the list over
// the box; a drop-down list opens below the box and scrolls past its row limit.
class DropDownListStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

MultiColumnComboBox::MultiColumnComboBox(QWidget *parent)
    : QComboBox(parent)
{
    auto *listStyle = new DropDownListStyle;
    listStyle->setParent(this);
    setStyle(listStyle);
    setEditable(false);
    setCursor(Qt::PointingHandCursor);
    setItemDelegate(new CellDelegate(this));
    view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view()->setTextElideMode(Qt::ElideNone);
}

void MultiColumnComboBox::setColumns(const QList<Column> &columns)
{
    m_columns = columns;
    view()->doItemsLayout();
}

void MultiColumnComboBox::setIndent(int pixels)
{
    m_indent = pixels;
    update();
}

void MultiColumnComboBox::setRowHeight(int pixels)
{
    m_rowHeight = qMax(1, pixels);
    view()->doItemsLayout();
}

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
    const bool first = count() == 0;
    {
        // QComboBox selects the first row it gets; this list starts without a selection.
        const QSignalBlocker blocker(first ? this : nullptr);
        addItem(fields.value(0));
        const int index = count() - 1;
        setItemData(index, line, LineRole);
        setItemData(index, fields, CellsRole);
        if (first)
            setCurrentIndex(-1);
    }
    update();
}

QString MultiColumnComboBox::row(int index) const
{
    return itemData(index, LineRole).toString();
}
QStringList MultiColumnComboBox::cells(int index) const
{
    return itemData(index, CellsRole).toStringList();
}
QString MultiColumnComboBox::cell(int index, int column) const
{
    return cells(index).value(column);
}
QString MultiColumnComboBox::currentCell(int column) const
{
    return cell(currentIndex(), column);
}

void MultiColumnComboBox::showPopup()
{
    // The list window takes exactly the columns' width, even when that is wider than the box
    // or its window; QComboBox bounds the popup by the container's size limits.
    if (QWidget *popup = view()->window(); popup != window())
        popup->setFixedWidth(popupWidth() > 0 ? popupWidth() : width());
    QComboBox::showPopup();
}

void MultiColumnComboBox::paintEvent(QPaintEvent *)
{
    // Drawn as the system draws a drop-down list: a sunken white field with the arrow button,
    // the selected row's first cell in it.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.editable = true;
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(field.adjusted(m_indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     currentIndex() < 0 ? QString() : itemText(currentIndex()));
}
