#include "hint_controller.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "hint_window.h"

namespace {
// How far below the pointer's hot spot the hint starts, clear of the cursor's picture.
constexpr int BelowPointer = 20;
} // namespace

HintController::HintController(QObject *parent)
    : QObject(parent)
    , m_showTimer(new QTimer(this))
    , m_hideTimer(new QTimer(this))
    , m_window(new HintWindow)
{
    m_showTimer->setObjectName(QStringLiteral("hintShowTimer"));
    m_showTimer->setSingleShot(true);
    m_showTimer->setInterval(m_showDelay);
    m_hideTimer->setObjectName(QStringLiteral("hintHideTimer"));
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(m_hideDelay);
    connect(m_showTimer, &QTimer::timeout, this, &HintController::showHint);
    connect(m_hideTimer, &QTimer::timeout, this, &HintController::hideHint);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

HintController::~HintController()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    delete m_window;
}

void HintController::setShowDelay(int milliseconds)
{
    m_showDelay = qMax(0, milliseconds);
    m_showTimer->setInterval(m_showDelay);
}

void HintController::setHideDelay(int milliseconds)
{
    m_hideDelay = qMax(0, milliseconds);
    m_hideTimer->setInterval(m_hideDelay);
}

void HintController::setShortDelay(int milliseconds)
{
    m_shortDelay = qMax(0, milliseconds);
}

bool HintController::isHintVisible() const
{
    return m_window->isVisible();
}

bool HintController::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Qt's own tool tip would show the same text a second time.
        return true;
    case QEvent::MouseMove: {
        auto *widget = qobject_cast<QWidget *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!widget || widget == m_window || mouse->buttons() != Qt::NoButton)
            break;
        // An ignored move travels on to the parents; the first widget to see a position is
        // the one under the pointer.
        const QPoint global = mouse->globalPosition().toPoint();
        if (m_pointerKnown && global == m_pointer)
            break;
        m_pointer = global;
        m_pointerKnown = true;
        pointerOver(hintOwner(widget));
        break;
    }
    case QEvent::Leave: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && m_target && m_target->window() == widget) {
            m_pointerKnown = false;
            pointerOver(nullptr);
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (watched->isWidgetType())
            dismiss();
        break;
    case QEvent::ApplicationDeactivate:
        m_pointerKnown = false;
        pointerOver(nullptr);
        break;
    case QEvent::Hide: {
        // A hint must not outlive its control, nor the window it sits in.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_target && (widget == m_target || widget->isAncestorOf(m_target))) {
            m_target = nullptr;
            m_showTimer->stop();
            hideHint();
        }
        break;
    }
    default:
        break;
    }
    return false;
}

QWidget *HintController::hintOwner(QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

void HintController::pointerOver(QWidget *owner)
{
    if (owner == m_target)
        return;
    const bool wasShowing = isHintVisible();
    m_target = owner;
    m_showTimer->stop();
    if (!owner) {
        hideHint();
        return;
    }
    if (!wasShowing) {
        m_showTimer->start(m_showDelay);
    } else if (m_shortDelay == 0) {
        showHint();
    } else {
        hideHint();
        m_showTimer->start(m_shortDelay);
    }
}

void HintController::showHint()
{
    m_showTimer->stop();
    if (!m_target || !m_target->isVisible() || m_target->toolTip().isEmpty())
        return;
    const QString text = m_target->toolTip();
    m_window->setText(text);

    QPoint at = m_pointerKnown ? m_pointer : m_target->mapToGlobal(m_target->rect().center());
    at.ry() += BelowPointer;
    if (const QScreen *screen = m_target->screen()) {
        // Keep the whole hint on the screen: to the left of a right edge, above a bottom one.
        const QRect area = screen->availableGeometry();
        const QSize size = m_window->size();
        if (at.x() + size.width() > area.right() + 1)
            at.setX(area.right() + 1 - size.width());
        if (at.y() + size.height() > area.bottom() + 1)
            at.setY(at.y() - BelowPointer - size.height() - 2);
        at.setX(qMax(at.x(), area.left()));
        at.setY(qMax(at.y(), area.top()));
    }
    m_window->move(at);
    m_window->show();
    m_hideTimer->start(m_hideDelay);
    emit hintShown(text);
}

void HintController::hideHint()
{
    m_hideTimer->stop();
    if (!m_window->isVisible())
        return;
    m_window->hide();
    emit hintHidden();
}

void HintController::dismiss()
{
    m_showTimer->stop();
    hideHint();
}
