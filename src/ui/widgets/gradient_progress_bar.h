#pragma once

#include <QWidget>

/// A horizontal bar inside a lowered bevel: the done part is filled with a gradient from gray
/// at the left to white at the right, the rest shows black, and the percentage stands centred.
class GradientProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit GradientProgressBar(QWidget *parent = nullptr);

    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    void setMaximum(int maximum);
    void setValue(int value);
    /// 100 * value / maximum, rounded, then " %".
    QString percentText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_maximum = 10;
    int m_value = 0;
};
