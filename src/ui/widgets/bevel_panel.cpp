#include "bevel_panel.h"

#include <QMouseEvent>
#include <QPainter>

BevelPanel::BevelPanel(const QColor &color, Bevel outer, Bevel inner, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
    , m_outer(outer)
    , m_inner(inner)
{
    setAutoFillBackground(false);
}

void BevelPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

static void drawBevel(QPainter &painter, const QRect &rect, BevelPanel::Bevel bevel)
{
    if (bevel == BevelPanel::Bevel::None)
        return;
    const QColor light(Qt::white);
    const QColor dark(0x80, 0x80, 0x80);
    const QColor topLeft = bevel == BevelPanel::Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == BevelPanel::Bevel::Raised ? dark : light;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    QRect edge = rect();
    drawBevel(painter, edge, m_outer);
    if (m_outer != Bevel::None)
        edge.adjust(1, 1, -1, -1);
    drawBevel(painter, edge, m_inner);
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}

void BevelPanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}
