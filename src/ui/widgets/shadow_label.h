#pragma once

#include <QWidget>

/// A transparent label whose text is drawn twice: a silver copy one pixel right and down, then
/// the text in the palette's WindowText colour. Centred vertically, aligned left or right. Like
/// a label without a window of its own it leaves mouse presses to what lies beneath it.
class ShadowLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ShadowLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    /// Only the horizontal part counts; the text is always centred vertically.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
