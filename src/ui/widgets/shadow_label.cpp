#include "shadow_label.h"

#include <QPainter>

ShadowLabel::ShadowLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
}

void ShadowLabel::setText(const QString &text) { m_text = text; update(); }

void ShadowLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawText(rect().translated(1, 1), int(m_alignment), m_text);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), int(m_alignment), m_text);
}
