#pragma once

#include <QColor>
#include <QWidget>

/// A coloured panel with optional 1-pixel outer and inner bevels and an optional centred
/// caption. Unlike the window's bare surface it keeps mouse presses to itself, so pressing on
/// a panel never drags the window.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel
    {
        None,
        Raised,
        Lowered
    };

    BevelPanel(const QColor &color, Bevel outer, Bevel inner, QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_color;
    Bevel m_outer;
    Bevel m_inner;
    QString m_caption;
};
