#include "digit_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

DigitBar::DigitBar(QWidget *parent)
    : QWidget(parent)
    , m_repeatTimer(new QTimer(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(m_repeatTimer, &QTimer::timeout, this, &DigitBar::repeatStep);
}

void DigitBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    setValue(m_value);
}

void DigitBar::setButtonHeight(int pixels) { m_buttonHeight = pixels; update(); }
void DigitBar::setFocusColor(const QColor &color) { m_focusColor = color; update(); }

void DigitBar::setValue(int value)
{
    value = qBound(m_minimum, value, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit valueChanged(m_value);
}

void DigitBar::stepUp() { setValue(m_value >= m_maximum ? m_minimum : m_value + 1); }
void DigitBar::stepDown() { setValue(m_value <= m_minimum ? m_maximum : m_value - 1); }

QRect DigitBar::trackRect() const
{
    return QRect(0, m_buttonHeight, width(), height() - 2 * m_buttonHeight);
}

int DigitBar::valueAtTrackY(int y) const
{
    const QRect track = trackRect();
    if (track.height() <= 1 || m_maximum == m_minimum)
        return m_minimum;
    const double fromBottom = double(track.bottom() - y) / double(track.height() - 1);
    return m_minimum + qRound(qBound(0.0, fromBottom, 1.0) * (m_maximum - m_minimum));
}

DigitBar::Part DigitBar::partAt(const QPoint &point) const
{
    if (point.y() < m_buttonHeight)
        return Part::Up;
    if (point.y() >= height() - m_buttonHeight)
        return Part::Down;
    return Part::Track;
}

void DigitBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect track = trackRect();
    const int boxHeight = fontMetrics().height() + 4;
    const int span = qMax(0, track.height() - boxHeight);
    const double ratio = m_maximum == m_minimum ? 0.0 : double(m_value - m_minimum) / (m_maximum - m_minimum);
    const QRect box(2, track.top() + span - qRound(ratio * span), width() - 4, boxHeight);
    painter.fillRect(box, hasFocus() ? m_focusColor : QColor(Qt::white));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, QString::number(m_value));
}

void DigitBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = partAt(event->position().toPoint());
    switch (m_pressed) {
    case Part::Up:
        stepUp();
        m_repeatTimer->start(400);
        break;
    case Part::Down:
        stepDown();
        m_repeatTimer->start(400);
        break;
    case Part::Track:
        setValue(valueAtTrackY(event->position().toPoint().y()));
        break;
    case Part::None:
        break;
    }
}

void DigitBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed == Part::Track && (event->buttons() & Qt::LeftButton))
        setValue(valueAtTrackY(event->position().toPoint().y()));
}

void DigitBar::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = Part::None;
    m_repeatTimer->stop();
}

void DigitBar::repeatStep()
{
    m_repeatTimer->setInterval(50);
    if (m_pressed == Part::Up)
        stepUp();
    else if (m_pressed == Part::Down)
        stepDown();
}

void DigitBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DigitBar::focusInEvent(QFocusEvent *event) { QWidget::focusInEvent(event); update(); }
void DigitBar::focusOutEvent(QFocusEvent *event) { QWidget::focusOutEvent(event); update(); }
