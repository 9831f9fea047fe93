#pragma once

#include <QWidget>

/// The application's hint window: a rounded rectangle in the accent colour with the text in
/// bold white "ＭＳ Ｐゴシック" 16 pixels over a gray shadow one pixel right and down. A frameless
/// tool-tip window that takes neither the focus nor the mouse.
class HintWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CornerRadius = 4;

    explicit HintWindow(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_text;
};
