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
    m_fadeTimer->setObjectName(QStringLiteral("fadeTimer"));
    m_fadeTimer->setInterval(m_speed);
    connect(m_fadeTimer, &QTimer::timeout, this, &FadeButton::advanceFade);
}

void FadeButton::setColor(const QColor &color)
{
    m_color = color;
    settleFace();
}

void FadeButton::setDestColor(const QColor &color)
{
    m_destColor = color;
    settleFace();
}

void FadeButton::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void FadeButton::setBorderDestColor(const QColor &color)
{
    m_borderDestColor = color;
    update();
}

void FadeButton::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    update();
}

void FadeButton::setCaptionOverColor(const QColor &color)
{
    m_captionOverColor = color;
    update();
}

void FadeButton::setShowBorder(bool show)
{
    m_showBorder = show;
    update();
}

void FadeButton::setBorderHeight(int pixels)
{
    m_borderHeight = qMax(0, pixels);
    update();
}

void FadeButton::setFadeOnOver(bool on)
{
    m_fadeOnOver = on;
}
void FadeButton::setFadeOnLeave(bool on)
{
    m_fadeOnLeave = on;
}
void FadeButton::setStep(int step)
{
    m_step = qMax(1, step);
}

void FadeButton::setSpeed(int milliseconds)
{
    m_speed = qMax(0, milliseconds);
    m_fadeTimer->setInterval(m_speed);
}

QColor FadeButton::currentBorderColor() const
{
    return m_hovered ? m_borderDestColor : m_borderColor;
}
QColor FadeButton::currentCaptionColor() const
{
    return m_hovered ? m_captionOverColor : m_captionColor;
}
bool FadeButton::isFading() const
{
    return m_fadeTimer->isActive();
}
QColor FadeButton::targetFace() const
{
    return m_hovered ? m_destColor : m_color;
}

QSize FadeButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return QSize(text.width() + 8 + 2 * m_borderHeight, text.height() + 4 + 2 * m_borderHeight);
}

void FadeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_face);
    const int edge = qMin(m_borderHeight, qMin(width(), height()) / 2);
    if (m_showBorder && edge > 0) {
        const QColor border = currentBorderColor();
        painter.fillRect(0, 0, width(), edge, border);
        painter.fillRect(0, height() - edge, width(), edge, border);
        painter.fillRect(0, 0, edge, height(), border);
        painter.fillRect(width() - edge, 0, edge, height(), border);
    }
    painter.setPen(currentCaptionColor());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
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
    if (event->type() == QEvent::EnabledChange) {
        // Disabling under the pointer puts the button at rest at once, so that it looks like
        // an enabled one; enabling under the pointer reacts as if the pointer had just come in.
        if (!isEnabled()) {
            setHovered(false);
            m_fadeTimer->stop();
            setFace(m_color);
        } else if (underMouse()) {
            setHovered(true);
        }
    }
}

void FadeButton::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    const bool fade = hovered ? m_fadeOnOver : m_fadeOnLeave;
    if (fade && m_face != targetFace()) {
        m_fadeTimer->start();
    } else {
        m_fadeTimer->stop();
        setFace(targetFace());
    }
    update();
}

void FadeButton::setFace(const QColor &color)
{
    if (m_face == color)
        return;
    m_face = color;
    update();
    emit faceColorChanged(m_face);
}

void FadeButton::settleFace()
{
    if (!m_fadeTimer->isActive())
        setFace(targetFace());
}

static int stepTowards(int from, int to, int step)
{
    if (from < to)
        return qMin(from + step, to);
    return qMax(from - step, to);
}

void FadeButton::advanceFade()
{
    const QColor target = targetFace();
    setFace(QColor(stepTowards(m_face.red(), target.red(), m_step),
                   stepTowards(m_face.green(), target.green(), m_step),
                   stepTowards(m_face.blue(), target.blue(), m_step)));
    if (m_face == target)
        m_fadeTimer->stop();
}
