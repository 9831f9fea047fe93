#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

/// A vertical value control: an up button at the top, a down button at the bottom and a track
/// between them whose sunken box shows the value (at the bottom for the minimum, at the top for
/// the maximum), on white or, while the bar has the focus, on the focus colour. The buttons step
/// by one and wrap around at the ends; holding one repeats; pressing or dragging in the track
/// sets the value in proportion; Up/Down keys step like the buttons, Enter moves the focus on.
/// The text uses the widget font and the palette's WindowText colour.
class DigitBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    explicit DigitBar(QWidget *parent = nullptr);

    /// Sets both ends (a maximum below the minimum becomes the minimum) and clamps the value.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    /// Height of each of the two arrow buttons.
    void setButtonHeight(int pixels);
    int buttonHeight() const { return m_buttonHeight; }
    /// Background of the value box while the bar has the focus.
    void setFocusColor(const QColor &color);
    QColor focusColor() const { return m_focusColor; }
    /// Delay before a held arrow button starts repeating, and the time between repeats.
    void setRepeatTiming(int delayMs, int intervalMs);

    /// Up by one, wrapping from the maximum to the minimum.
    void stepUp();
    /// Down by one, wrapping from the minimum to the maximum.
    void stepDown();
    /// The value a press at y (widget coordinates) inside the track gives.
    int valueAtTrackY(int y) const;
    /// Where the value box is drawn for the current value.
    QRect valueBox() const;
    QRect upButtonRect() const;
    QRect downButtonRect() const;
    QRect trackRect() const;

    QSize sizeHint() const override;

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
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Part
    {
        None,
        Up,
        Down,
        Track
    };
    Part partAt(const QPoint &point) const;
    int boxHeight() const;
    /// The range of box tops: the top one stands for the maximum, the bottom one for the minimum.
    int highestBoxTop() const;
    int lowestBoxTop() const;
    void repeatStep();
    void stopPress();

    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_buttonHeight = 16;
    QColor m_focusColor{Qt::white};
    int m_repeatDelay = 400;
    int m_repeatInterval = 60;
    Part m_pressed = Part::None;
    QTimer *m_repeatTimer = nullptr;
};
