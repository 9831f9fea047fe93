#pragma once

#include <QColor>
#include <QWidget>

/// A filled rectangle with an outline, drawn beneath the windowed controls. It takes no mouse
/// input of its own, so pressing on it reaches the window (a drag surface).
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(const QColor &fill, const QColor &outline, int outlineWidth, QWidget *parent = nullptr);

    QColor fill() const { return m_fill; }
    QColor outline() const { return m_outline; }
    int outlineWidth() const { return m_outlineWidth; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_outlineWidth;
};
