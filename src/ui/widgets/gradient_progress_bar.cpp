#include "gradient_progress_bar.h"

#include <QLinearGradient>
#include <QPainter>

GradientProgressBar::GradientProgressBar(QWidget *parent)
    : QWidget(parent)
{
}

void GradientProgressBar::setMaximum(int maximum) { m_maximum = maximum; update(); }
void GradientProgressBar::setValue(int value) { m_value = value; update(); }

QString GradientProgressBar::percentText() const
{
    const int percent = m_maximum <= 0 ? 0 : qRound(100.0 * m_value / m_maximum);
    return QString::number(percent) + QStringLiteral(" %");
}

void GradientProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    if (m_maximum > 0 && m_value > 0) {
        QLinearGradient gradient(inner.topLeft(), inner.topRight());
        gradient.setColorAt(0, Qt::gray);
        gradient.setColorAt(1, Qt::white);
        const int done = int(qint64(inner.width()) * qMin(m_value, m_maximum) / m_maximum);
        painter.fillRect(QRect(inner.left(), inner.top(), done, inner.height()), gradient);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, percentText());
}
