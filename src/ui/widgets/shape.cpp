#include "shape.h"

#include <QPainter>

Shape::Shape(const QColor &fill, const QColor &outline, int outlineWidth, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_outline(outline)
    , m_outlineWidth(outlineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_outlineWidth <= 0)
        return;
    // The outline lies inside the rectangle, as a shape's pen does.
    for (int i = 0; i < m_outlineWidth; ++i) {
        painter.setPen(m_outline);
        painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
}
