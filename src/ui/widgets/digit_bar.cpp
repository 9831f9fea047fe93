#include "digit_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTimer>

#include "edge_painting.h"

namespace {

void drawArrowButton(QPainter &painter, const QRect &rect, bool up, bool down, const QColor &arrow)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect, Edge::Face);
    if (down) {
        Edge::draw(painter, rect, Edge::Shadow, Edge::Shadow);
    } else {
        Edge::draw(painter, rect, Edge::Light, Edge::DarkShadow);
        Edge::draw(painter, rect.adjusted(1, 1, -1, -1), Edge::Face, Edge::Shadow);
    }
    const QPoint centre = rect.center() + (down ? QPoint(1, 1) : QPoint());
    QPolygon triangle;
    if (up)
        triangle << centre + QPoint(-3, 1) << centre + QPoint(3, 1) << centre + QPoint(0, -2);
    else
        triangle << centre + QPoint(-3, -1) << centre + QPoint(3, -1) << centre + QPoint(0, 2);
    painter.setPen(arrow);
    painter.setBrush(arrow);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

DigitBar::DigitBar(QWidget *parent)
    : QWidget(parent)
    , m_repeatTimer(new QTimer(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    connect(m_repeatTimer, &QTimer::timeout, this, &DigitBar::repeatStep);
}

void DigitBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    update();
    setValue(m_value);
}

void DigitBar::setButtonHeight(int pixels)
{
    m_buttonHeight = qMax(0, pixels);
    update();
}

void DigitBar::setFocusColor(const QColor &color)
{
    m_focusColor = color;
    update();
}

void DigitBar::setRepeatTiming(int delayMs, int intervalMs)
{
    m_repeatDelay = qMax(0, delayMs);
    m_repeatInterval = qMax(1, intervalMs);
}

void DigitBar::setValue(int value)
{
    value = qBound(m_minimum, value, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit valueChanged(m_value);
}

void DigitBar::stepUp()
{
    setValue(m_value >= m_maximum ? m_minimum : m_value + 1);
}
void DigitBar::stepDown()
{
    setValue(m_value <= m_minimum ? m_maximum : m_value - 1);
}

QSize DigitBar::sizeHint() const
{
    return QSize(40, 160);
}

QRect DigitBar::upButtonRect() const
{
    return QRect(0, 0, width(), qMin(m_buttonHeight, height() / 2));
}

QRect DigitBar::downButtonRect() const
{
    const int buttonHeight = qMin(m_buttonHeight, height() / 2);
    return QRect(0, height() - buttonHeight, width(), buttonHeight);
}

QRect DigitBar::trackRect() const
{
    const int top = upButtonRect().bottom() + 1;
    return QRect(0, top, width(), downButtonRect().top() - top);
}

int DigitBar::boxHeight() const
{
    return qMin(fontMetrics().height() + 6, trackRect().height());
}
int DigitBar::highestBoxTop() const
{
    return trackRect().top();
}
int DigitBar::lowestBoxTop() const
{
    return trackRect().top() + trackRect().height() - boxHeight();
}

QRect DigitBar::valueBox() const
{
    const int span = lowestBoxTop() - highestBoxTop();
    const double ratio =
        m_maximum == m_minimum ? 0.0 : double(m_value - m_minimum) / double(m_maximum - m_minimum);
    return QRect(2, lowestBoxTop() - qRound(ratio * span), width() - 4, boxHeight());
}

int DigitBar::valueAtTrackY(int y) const
{
    // The box's centre follows the pointer, so pressing on the box leaves it where it is.
    const int half = boxHeight() / 2;
    const int top = highestBoxTop() + half;
    const int bottom = lowestBoxTop() + half;
    if (bottom <= top || m_maximum == m_minimum)
        return y <= top ? m_maximum : m_minimum;
    const double fromBottom = qBound(0.0, double(bottom - y) / double(bottom - top), 1.0);
    return m_minimum + int(qRound64(fromBottom * (double(m_maximum) - double(m_minimum))));
}

DigitBar::Part DigitBar::partAt(const QPoint &point) const
{
    if (!rect().contains(point))
        return Part::None;
    if (upButtonRect().contains(point))
        return Part::Up;
    if (downButtonRect().contains(point))
        return Part::Down;
    return Part::Track;
}

void DigitBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    painter.fillRect(rect(), Qt::white);

    const QRect track = trackRect();
    if (track.height() > 0) {
        // A thin groove down the middle shows where the box can travel.
        const int x = track.center().x();
        Edge::draw(painter, QRect(x - 1, track.top() + 2, 3, track.height() - 4), Edge::Shadow, Edge::Light);
    }

    drawArrowButton(painter, upButtonRect(), true, m_pressed == Part::Up, text);
    drawArrowButton(painter, downButtonRect(), false, m_pressed == Part::Down, text);

    const QRect box = valueBox();
    painter.fillRect(box, hasFocus() ? m_focusColor : QColor(Qt::white));
    Edge::draw(painter, box, Edge::Shadow, Edge::Light);
    Edge::draw(painter, box.adjusted(1, 1, -1, -1), Edge::DarkShadow, Edge::Face);
    painter.setPen(text);
    painter.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::number(m_value));
}

void DigitBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = partAt(event->position().toPoint());
    switch (m_pressed) {
    case Part::Up:
        stepUp();
        m_repeatTimer->start(m_repeatDelay);
        break;
    case Part::Down:
        stepDown();
        m_repeatTimer->start(m_repeatDelay);
        break;
    case Part::Track:
        setValue(valueAtTrackY(event->position().toPoint().y()));
        break;
    case Part::None:
        break;
    }
    update();
}

void DigitBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed == Part::Track && (event->buttons() & Qt::LeftButton))
        setValue(valueAtTrackY(event->position().toPoint().y()));
}

void DigitBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        stopPress();
}

void DigitBar::stopPress()
{
    m_repeatTimer->stop();
    if (m_pressed != Part::None) {
        m_pressed = Part::None;
        update();
    }
}

void DigitBar::repeatStep()
{
    m_repeatTimer->start(m_repeatInterval);
    if (m_pressed == Part::Up)
        stepUp();
    else if (m_pressed == Part::Down)
        stepDown();
    else
        m_repeatTimer->stop();
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

void DigitBar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void DigitBar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void DigitBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A disabled or hidden bar never sees the release, so a held button must not repeat on.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopPress();
}

void DigitBar::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    stopPress();
}
