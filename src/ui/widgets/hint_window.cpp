#include "hint_window.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "palette.h"

namespace {
constexpr int MarginX = 4;
constexpr int MarginY = 3;
} // namespace

HintWindow::HintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(Look::gothic(16, true));
}

void HintWindow::setText(const QString &text)
{
    m_text = text;
    resize(sizeHint());
    update();
}

QSize HintWindow::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, m_text);
    return QSize(text.width() + 2 * MarginX + 1, text.height() + 2 * MarginY + 1);
}

void HintWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Cut the corners off the window itself, so that no compositor is needed for the round shape.
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), CornerRadius, CornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void HintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Look::Accent);
    painter.drawRoundedRect(QRectF(rect()), CornerRadius, CornerRadius);

    const QRect textRect = rect().adjusted(MarginX, MarginY, -MarginX - 1, -MarginY - 1);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(Look::Gray);
    painter.drawText(textRect.translated(1, 1), flags, m_text);
    painter.setPen(Look::White);
    painter.drawText(textRect, flags, m_text);
}
