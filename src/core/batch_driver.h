#pragma once

#include <chrono>

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "batch_plan.h"
#include "batch_platform.h"
#include "encode_settings.h"
#include "progress_view.h"

class ProcessRunner;

/// Converts a list of inputs one after another: per input a thumbnail run, then the conversion
/// run. Driven by process signals and one timer, so start() returns at once and the event loop
/// keeps running. The owner disables its window while runningChanged(true) holds.
/// An input whose output would be the input itself is skipped; inputs that would share an
/// output get numbered names (see planBatch()). At the end one message lists the skipped
/// inputs, the failed conversions with the encoder's last line, and an encoder that could not
/// be started with where it was looked for.
class BatchDriver : public QObject, public BatchControl
{
    Q_OBJECT

public:
    BatchDriver(BatchPlatform &platform, QString programDir, QObject *parent = nullptr);
    ~BatchDriver() override;

    /// Starts a batch shown in view, which must outlive it. Does nothing and returns false for
    /// an empty list or while a batch runs.
    bool start(const QStringList &inputs, const EncodeSettings &settings, ProgressView &view);

    /// Cancels the current item: kills its conversion run, or keeps it from starting while the
    /// thumbnail is awaited; the item's output is deleted and the batch goes on. When there is
    /// nothing to cancel any more, beeps and says so.
    void cancel() override;

    bool isRunning() const { return m_state != State::Idle; }
    QString inputPath() const override { return m_inputPath; }
    QString outputPath() const override { return m_outputPath; }
    QString quotedOutputPath() const { return u'"' + m_outputPath + u'"'; }
    /// False once a cancel has ended the current conversion run: its output is then deleted.
    bool keepOutput() const { return m_keepOutput; }

    /// How long the thumbnail run may take before the conversion starts without a picture.
    void setThumbnailWaitLimit(std::chrono::milliseconds limit);

signals:
    void runningChanged(bool running);

private:
    enum class State
    {
        Idle,
        AwaitingThumbnail,
        Encoding,
        Ending
    };

    struct Failure
    {
        QString inputName;
        QString reason;
    };

    void nextItem();
    void startThumbnail();
    void thumbnailEnded(ProcessRunner *runner);
    void thumbnailWaitExpired();
    void cancelBeforeEncoding();
    void startEncoder();
    void encoderFinished(ProcessRunner *runner, int exitCode, bool crashed);
    void encoderFailedToStart(ProcessRunner *runner, const QString &message);
    void cancelFailed();
    void endBatch();
    void abortBatch();
    void becomeIdle();
    QString endReport() const;
    QString thumbnailPath() const;
    ProcessRunner *newRunner();
    void stopRun(QPointer<ProcessRunner> &run);
    template<typename Body> void guarded(Body &&body) noexcept;

    BatchPlatform &m_platform;
    QString m_programDir;
    QTimer m_thumbnailWait;

    State m_state = State::Idle;
    ProgressView *m_view = nullptr;
    EncodeSettings m_settings;
    EncoderProgram m_encoder;
    QList<BatchItem> m_items;
    qsizetype m_index = -1;
    QString m_inputPath;
    QString m_outputPath;
    bool m_keepOutput = true;
    QPointer<ProcessRunner> m_thumbnailRun;
    QPointer<ProcessRunner> m_encoderRun;

    QStringList m_skipped;
    QList<Failure> m_failures;
    QString m_startFailure;
};
