#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

/// A vertical value control: an up button at the top, a down button at the bottom and a track
/// between them whose box shows the value (at the bottom for the minimum, at the top for the
/// maximum). The buttons step by one and wrap around at the ends; holding one repeats; pressing
/// or dragging in the track sets the value in proportion; Up/Down keys step, Enter moves on.
class DigitBar : public QWidget
{
    Q_OBJECT

public:
    explicit DigitBar(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    void setButtonHeight(int pixels);
    void setFocusColor(const QColor &color);
    QColor focusColor() const { return m_focusColor; }

    /// Up by one, wrapping from the maximum to the minimum.
    void stepUp();
    /// Down by one, wrapping from the minimum to the maximum.
    void stepDown();
    /// The value a press at y (widget coordinates) inside the track gives.
    int valueAtTrackY(int y) const;

public slots:
    /// Keeps the value within the range.
    void setValue(int value);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    enum class Part { None, Up, Down, Track };
    Part partAt(const QPoint &point) const;
    QRect trackRect() const;
    void repeatStep();

    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_buttonHeight = 16;
    QColor m_focusColor{Qt::white};
    Part m_pressed = Part::None;
    QTimer *m_repeatTimer = nullptr;
};
