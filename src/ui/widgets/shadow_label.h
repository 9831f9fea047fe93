#pragma once

#include <QWidget>

/// A transparent label whose text is drawn twice: a silver copy one pixel right and down, then
/// the text in the font colour. Centred vertically, aligned left or right.
class ShadowLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ShadowLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
