#include "fade_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTimer>

FadeButton::FadeButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
    , m_fadeTimer(new QTimer(this))
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(m_fadeTimer, &QTimer::timeout, this, &FadeButton::fadeTick);
}

void FadeButton::setColor(const QColor &color) { m_color = m_face = color; update(); }
void FadeButton::setDestColor(const QColor &color) { m_destColor = color; }
void FadeButton::setBorderColor(const QColor &color) { m_borderColor = color; update(); }
void FadeButton::setBorderDestColor(const QColor &color) { m_borderDestColor = color; }
void FadeButton::setCaptionColor(const QColor &color) { m_captionColor = color; update(); }
void FadeButton::setCaptionOverColor(const QColor &color) { m_captionOverColor = color; }
void FadeButton::setShowBorder(bool show) { m_showBorder = show; update(); }
void FadeButton::setBorderHeight(int pixels) { m_borderHeight = pixels; update(); }
void FadeButton::setFadeOnOver(bool on) { m_fadeOnOver = on; }
void FadeButton::setFadeOnLeave(bool on) { m_fadeOnLeave = on; }
void FadeButton::setStep(int step) { m_step = step; }
void FadeButton::setSpeed(int milliseconds) { m_speed = milliseconds; }

QColor FadeButton::currentBorderColor() const { return m_hovered ? m_borderDestColor : m_borderColor; }
QColor FadeButton::currentCaptionColor() const { return m_hovered ? m_captionOverColor : m_captionColor; }

void FadeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_face);
    if (m_showBorder && m_borderHeight > 0) {
        QPen pen(currentBorderColor(), m_borderHeight);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal half = m_borderHeight / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
    painter.setPen(currentCaptionColor());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void FadeButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled())
        setHovered(true);
}

void FadeButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void FadeButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHovered(false);
}

void FadeButton::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    const bool fade = hovered ? m_fadeOnOver : m_fadeOnLeave;
    if (fade) {
        m_fadeTimer->start(m_speed);
    } else {
        m_fadeTimer->stop();
        m_face = hovered ? m_destColor : m_color;
    }
    update();
}

static int stepTowards(int from, int to, int step)
{
    if (from < to)
        return qMin(from + step, to);
    return qMax(from - step, to);
}

void FadeButton::fadeTick()
{
    const QColor target = m_hovered ? m_destColor : m_color;
    m_face = QColor(stepTowards(m_face.red(), target.red(), m_step),
                    stepTowards(m_face.green(), target.green(), m_step),
                    stepTowards(m_face.blue(), target.blue(), m_step));
    if (m_face == target)
        m_fadeTimer->stop();
    update();
}
