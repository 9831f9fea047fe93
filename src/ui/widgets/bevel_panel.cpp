#include "bevel_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "edge_painting.h"

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
    const bool raised = bevel == BevelPanel::Bevel::Raised;
    Edge::draw(painter, rect, raised ? Edge::Light : Edge::Shadow, raised ? Edge::Shadow : Edge::Light);
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
