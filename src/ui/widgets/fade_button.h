#pragma once

#include <QAbstractButton>
#include <QColor>

class QTimer;

/// A flat button: a face in Color with a border and a centred caption. Under the pointer the
/// caption turns CaptionOverColor, the border BorderDestColor and the face moves to DestColor,
/// gradually (Step per channel every Speed ms) when FadeOnOver is on, at once otherwise. When
/// the pointer leaves, caption and border take their colours back at once and the face returns
/// to Color, gradually when FadeOnLeave is on. A disabled button looks like an enabled one at
/// rest and ignores the pointer and clicks.
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
    /// Colour change per channel and fade step; at least 1.
    void setStep(int step);
    /// Milliseconds between two fade steps.
    void setSpeed(int milliseconds);

    QColor color() const { return m_color; }
    QColor destColor() const { return m_destColor; }
    QColor borderColor() const { return m_borderColor; }
    QColor borderDestColor() const { return m_borderDestColor; }
    QColor captionColor() const { return m_captionColor; }
    QColor captionOverColor() const { return m_captionOverColor; }
    bool showBorder() const { return m_showBorder; }
    int borderHeight() const { return m_borderHeight; }
    bool fadeOnOver() const { return m_fadeOnOver; }
    bool fadeOnLeave() const { return m_fadeOnLeave; }
    int step() const { return m_step; }
    int speed() const { return m_speed; }

    /// The face colour as painted now (between Color and DestColor while fading).
    QColor faceColor() const { return m_face; }
    QColor currentBorderColor() const;
    QColor currentCaptionColor() const;
    /// True while the pointer is over an enabled button.
    bool isHovered() const { return m_hovered; }
    /// True while the face is still on its way to its target colour.
    bool isFading() const;
    /// Moves the face one step towards its target; the fade timer calls this every Speed ms.
    void advanceFade();

    QSize sizeHint() const override;

signals:
    /// The face colour changed, at once or by one fade step.
    void faceColorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
    QColor targetFace() const;
    void setFace(const QColor &color);
    /// After a colour setting changed: jump to the target unless a fade is under way.
    void settleFace();

    QColor m_color{0xC0, 0xC0, 0x83};
    QColor m_destColor{0xC0, 0xC0, 0x83};
    QColor m_borderColor{0x80, 0x80, 0x80};
    QColor m_borderDestColor{0x00, 0x00, 0x00};
    QColor m_captionColor{0xFF, 0xFF, 0xFF};
    QColor m_captionOverColor{0xFF, 0xFF, 0x00};
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
