#include "pixels.h"

#include <QWidget>

namespace Pixels {

QImage grab(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QImage &image, int x, int y)
{
    return QStringLiteral("(%1,%2) %3").arg(x).arg(y).arg(image.pixelColor(x, y).name());
}

QString checkShadowedText(const QImage &image, const QRect &area, const QColor &text, const QColor &shadow)
{
    const QRect inside = area.intersected(image.rect());
    int textPixels = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor here = image.pixelColor(x, y);
            if (here == text) {
                ++textPixels;
                if (x + 1 < image.width() && y + 1 < image.height()) {
                    const QColor below = image.pixelColor(x + 1, y + 1);
                    if (below != text && below != shadow)
                        return QStringLiteral("no shadow below right of the text pixel ") +
                               describe(image, x, y) + QStringLiteral(": ") + describe(image, x + 1, y + 1);
                }
            } else if (here == shadow) {
                if (x == 0 || y == 0 || image.pixelColor(x - 1, y - 1) != text)
                    return QStringLiteral("shadow pixel without text above left: ") + describe(image, x, y);
            }
        }
    }
    if (textPixels == 0)
        return QStringLiteral("no pixel in the text colour ") + text.name();
    return QString();
}

QRect boundsOf(const QImage &image, const QRect &area, const QColor &color)
{
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) == color)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace Pixels
