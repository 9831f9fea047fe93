#include "gradient_progress_bar.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "edge_painting.h"
#include "palette.h"

GradientProgressBar::GradientProgressBar(QWidget *parent)
    : QWidget(parent)
{
    setFont(Look::gothic(11));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Look::Text);
    setPalette(colours);
}

void GradientProgressBar::setMaximum(int maximum)
{
    m_maximum = qMax(0, maximum);
    m_value = qBound(0, m_value, m_maximum);
    update();
}

void GradientProgressBar::setValue(int value)
{
    m_value = qBound(0, value, m_maximum);
    update();
}

QString GradientProgressBar::percentText() const
{
    const qint64 percent = m_maximum == 0 ? 0 : (200 * qint64(m_value) + m_maximum) / (2 * qint64(m_maximum));
    return QString::number(percent) + QStringLiteral(" %");
}

QRect GradientProgressBar::barRect() const
{
    return rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
}

int GradientProgressBar::doneWidth() const
{
    if (m_maximum == 0)
        return 0;
    return int((qint64(barRect().width()) * m_value + m_maximum / 2) / m_maximum);
}

QSize GradientProgressBar::sizeHint() const
{
    return QSize(300, 15);
}

void GradientProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    // The lowered edge: shadow and dark shadow above and left, light below and right.
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    Edge::draw(painter, outer, Edge::Shadow, Edge::Light);
    Edge::draw(painter, inner, Edge::DarkShadow, Edge::Face);

    const QRect bar = barRect();
    painter.fillRect(bar, Look::Black);
    const int done = doneWidth();
    if (done > 0) {
        // The gradient spans the whole bar; only its done part is painted.
        QLinearGradient gradient(bar.left(), 0, bar.left() + bar.width(), 0);
        gradient.setColorAt(0, Look::Gray);
        gradient.setColorAt(1, Look::White);
        painter.fillRect(QRect(bar.left(), bar.top(), done, bar.height()), gradient);
    }

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, percentText());
}

void GradientProgressBar::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}
