#include "shadow_label.h"

#include <QPainter>

#include "palette.h"

ShadowLabel::ShadowLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShadowLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    update();
}

QSize ShadowLabel::sizeHint() const
{
    // One extra pixel each way for the shadow.
    return fontMetrics().size(Qt::TextSingleLine, m_text) + QSize(1, 1);
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int flags = int(m_alignment) | Qt::TextSingleLine;
    // The shadow's extra pixel comes off the text's own box, so that a right-aligned text
    // keeps its shadow inside the label.
    const QRect textRect = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Look::Silver);
    painter.drawText(textRect.translated(1, 1), flags, m_text);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, flags, m_text);
}
