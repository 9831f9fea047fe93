#pragma once

#include <QWidget>

/// A horizontal bar inside a lowered 2-pixel bevel: the done part (value / maximum of the inner
/// width, from the left) is filled with a gradient that runs from gray at the bar's left edge
/// to white at its right edge, the rest shows black, and the percentage stands centred in the
/// widget font and the palette's WindowText colour (by default "ＭＳ Ｐゴシック" 11 pixels, #464646).
class GradientProgressBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BevelWidth = 2;

    explicit GradientProgressBar(QWidget *parent = nullptr);

    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    /// A maximum below 0 counts as 0; the value is clamped to the new range.
    void setMaximum(int maximum);
    /// Clamped to 0..maximum.
    void setValue(int value);
    /// 100 * value / maximum rounded to the nearest whole number (0 when the maximum is 0),
    /// then " %".
    QString percentText() const;
    /// The area inside the bevel.
    QRect barRect() const;
    /// Width in pixels of the filled part.
    int doneWidth() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    /// Keeps presses, so that pressing on the bar never drags its window.
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_maximum = 10;
    int m_value = 0;
};
