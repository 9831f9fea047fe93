#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

namespace Pixels {

/// The widget as it paints itself, including what its parents show through it.
QImage grab(QWidget *widget);

/// True when every channel of a and b differs by at most tolerance.
bool near(const QColor &a, const QColor &b, int tolerance = 2);

/// Describes a pixel for failure messages: "(x,y) #rrggbb".
QString describe(const QImage &image, int x, int y);

/// Checks a text drawn with a one-pixel shadow below right: inside area, the text colour must
/// show somewhere; every text pixel whose lower-right neighbour is not text has the shadow
/// colour there; and every shadow pixel sits one pixel right and down from a text pixel.
/// Returns an empty text when all holds, else what failed. Needs text drawn without
/// antialiasing, so that its pixels are exactly the two colours.
QString checkShadowedText(const QImage &image, const QRect &area, const QColor &text, const QColor &shadow);

/// The bounding box of the pixels of one exact colour inside area.
QRect boundsOf(const QImage &image, const QRect &area, const QColor &color);

} // namespace Pixels
