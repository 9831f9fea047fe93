#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

/// The classic 3D edge colours and a one-pixel edge: top and left in one colour, bottom and
/// right in another. Raised, sunken and lowered looks are made of these.
namespace Edge {

inline const QColor Light{0xFF, 0xFF, 0xFF};
inline const QColor Shadow{0x80, 0x80, 0x80};
inline const QColor DarkShadow{0x40, 0x40, 0x40};
inline const QColor Face{0xD4, 0xD0, 0xC8};

inline void draw(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace Edge
