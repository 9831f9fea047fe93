#pragma once

#include <QAbstractButton>
#include <QColor>

class QTimer;

/// A flat button: a face in Color with a border and a centred caption. Under the pointer the
/// caption turns CaptionOverColor, the border BorderDestColor and the face moves to DestColor,
/// gradually (Step per channel every Speed ms) when fading is on. A disabled button looks like
/// an enabled one and ignores the pointer and clicks.
class FadeButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit FadeButton(const QString &caption, QWidget *parent = nullptr);

    void setColor(const QColor &color);
    void setDestColor(const QColor &color);
    void setBorderColor(const QColor &color);
    void setBorderDestColor(const QColor &color);
    void setCaptionColor(const QColor &color);
    void setCaptionOverColor(const QColor &color);
    void setShowBorder(bool show);
    void setBorderHeight(int pixels);
    void setFadeOnOver(bool on);
    void setFadeOnLeave(bool on);
    void setStep(int step);
    void setSpeed(int milliseconds);

    QColor faceColor() const { return m_face; }
    QColor currentBorderColor() const;
    QColor currentCaptionColor() const;
    bool isHovered() const { return m_hovered; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fadeTick();
    void setHovered(bool hovered);

    QColor m_color{0xC0, 0xC0, 0x83};
    QColor m_destColor{0xC0, 0xC0, 0x83};
    QColor m_borderColor{Qt::gray};
    QColor m_borderDestColor{Qt::black};
    QColor m_captionColor{Qt::white};
    QColor m_captionOverColor{Qt::yellow};
    bool m_showBorder = true;
    int m_borderHeight = 1;
    bool m_fadeOnOver = false;
    bool m_fadeOnLeave = false;
    int m_step = 2;
    int m_speed = 12;

    QColor m_face = m_color;
    bool m_hovered = false;
    QTimer *m_fadeTimer = nullptr;
};
