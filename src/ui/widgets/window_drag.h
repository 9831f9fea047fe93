#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

/// Moves a frameless window when the user presses on its own surface and drags. Asks the window
/// system first; where it refuses (some X11 setups, the offscreen platform), moves by hand.
class WindowDrag
{
public:
    /// Returns true when the press started a drag.
    bool press(QWidget *window, QMouseEvent *event);
    void move(QWidget *window, QMouseEvent *event);
    void release();

private:
    bool m_manual = false;
    QPoint m_offset;
};
