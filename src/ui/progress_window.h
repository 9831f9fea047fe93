#pragma once

#include <QWidget>

#include "progress_view.h"
#include "window_drag.h"

class BevelPanel;
class FadeButton;
class GradientProgressBar;
class QLabel;
class QTimer;
class Shape;

/// The small borderless window of a running batch: the thumbnail, the names of the input and
/// the output, both file sizes polled once a second, the position in the batch and the cancel
/// button. It reads the paths from the batch when it polls and asks the batch to cancel; it
/// never decides what the batch does next.
///
/// Give it no parent: a window disabled for the batch would disable it too.
class ProgressWindow : public QWidget, public ProgressView
{
    Q_OBJECT

public:
    explicit ProgressWindow(BatchControl &batch, QWidget *parent = nullptr);

    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    void showView() override;
    void setNames(const QString &names) override;
    void clearThumbnail() override;
    bool showThumbnail(const QString &path) override;
    void setSizePollActive(bool active) override;
    void beep() override;
    void showMessage(const QString &message) override;
    void closeView() override;

    /// One tick of the size poll: both sizes, in KB, from the batch's current paths.
    void pollSizes();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setLabelText(QLabel *label, const QString &text);

    BatchControl &m_batch;
    WindowDrag m_drag;

    Shape *m_background = nullptr;
    Shape *m_thumbnailFrame = nullptr;
    QLabel *m_thumbnail = nullptr;
    QLabel *m_namesLabel = nullptr;
    QLabel *m_sizesLabel = nullptr;
    GradientProgressBar *m_progressBar = nullptr;
    BevelPanel *m_cancelPanel = nullptr;
    FadeButton *m_cancelButton = nullptr;
    QTimer *m_sizePoll = nullptr;
};
