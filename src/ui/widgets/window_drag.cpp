#include "window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool WindowDrag::press(QWidget *window, QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    event->accept();
    QWindow *handle = window->windowHandle();
    if (handle && handle->startSystemMove()) {
        m_manual = false;
        return true;
    }
    m_manual = true;
    m_offset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    return true;
}

void WindowDrag::move(QWidget *window, QMouseEvent *event)
{
    if (m_manual && (event->buttons() & Qt::LeftButton))
        window->move(event->globalPosition().toPoint() - m_offset);
}

void WindowDrag::release()
{
    m_manual = false;
}
