#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class HintWindow;
class QTimer;
class QWidget;

/// The application-wide hint style. Installed as an event filter on the application, it
/// replaces Qt's tool tips for every widget with a toolTip (a widget without one shows the
/// hint of its nearest ancestor in the same window that has one): the hint shows once the
/// pointer has rested showDelay ms on the widget and hides after hideDelay ms; moving on to
/// another widget with a hint while one is showing shows the next one after shortDelay ms (at
/// once for 0). A press, a key or the wheel hides the hint until the pointer reaches another
/// widget.
class HintController : public QObject
{
    Q_OBJECT

public:
    /// Installs itself on the running application; removed again on destruction.
    explicit HintController(QObject *parent = nullptr);
    ~HintController() override;

    void setShowDelay(int milliseconds);
    int showDelay() const { return m_showDelay; }
    void setHideDelay(int milliseconds);
    int hideDelay() const { return m_hideDelay; }
    void setShortDelay(int milliseconds);
    int shortDelay() const { return m_shortDelay; }

    /// Runs from the pointer's arrival on a widget with a hint until the hint shows.
    QTimer *showTimer() const { return m_showTimer; }
    /// Runs while the hint is showing, until it hides.
    QTimer *hideTimer() const { return m_hideTimer; }
    HintWindow *hintWindow() const { return m_window; }
    bool isHintVisible() const;
    /// The widget whose hint shows or is about to show.
    QWidget *hintTarget() const { return m_target; }

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    /// Hides the hint at once; it comes back only for another widget.
    void dismiss();

signals:
    void hintShown(const QString &text);
    void hintHidden();

private:
    static QWidget *hintOwner(QWidget *widget);
    void pointerOver(QWidget *owner);
    void showHint();
    void hideHint();

    int m_showDelay = 500;
    int m_hideDelay = 2500;
    int m_shortDelay = 0;
    QTimer *m_showTimer;
    QTimer *m_hideTimer;
    HintWindow *m_window;
    QPointer<QWidget> m_target;
    QPoint m_pointer;
    bool m_pointerKnown = false;
};
