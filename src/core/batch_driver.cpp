#include "batch_driver.h"

#include <QRegularExpression>

#include "encoder_command.h"
#include "process_runner.h"

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString UnsupportedFormatMessage = u"非対応フォーマットが含まれていました。処理を中止します。"_s;
const QString CancelFailedMessage = u"変換を中止できませんでした。"_s;

// The encoder's last words. ffmpeg closes most errors with a generic "Conversion failed!";
// the line before it names the cause.
QString lastErrorLine(const QString &tail)
{
    QStringList lines;
    for (const QString &line : tail.split(QRegularExpression(u"[\r\n]"_s), Qt::SkipEmptyParts)) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    if (lines.size() > 1 && lines.last() == u"Conversion failed!"_s)
        lines.removeLast();
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

template<typename Body> void BatchDriver::guarded(Body &&body) noexcept
{
    // Whatever a step throws ends the batch the way the batch's own failures do, and never
    // reaches the event loop.
    try {
        body();
    } catch (...) {
        if (m_state == State::Idle || !m_view)
            return;
        try {
            abortBatch();
        } catch (...) {
            m_state = State::Idle;
            m_view = nullptr;
            emit runningChanged(false);
        }
    }
}

BatchDriver::BatchDriver(BatchPlatform &platform, QString programDir, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_programDir(std::move(programDir))
{
    m_thumbnailWait.setSingleShot(true);
    m_thumbnailWait.setInterval(1000ms);
    connect(&m_thumbnailWait, &QTimer::timeout, this,
            [this] { guarded([this] { thumbnailWaitExpired(); }); });
}

BatchDriver::~BatchDriver()
{
    // Runners still alive are children and die with the driver; their reports must not reach
    // a half-destroyed driver.
    for (ProcessRunner *runner : findChildren<ProcessRunner *>())
        runner->disconnect(this);
}

void BatchDriver::setThumbnailWaitLimit(std::chrono::milliseconds limit)
{
    m_thumbnailWait.setInterval(limit);
}

bool BatchDriver::start(const QStringList &inputs, const EncodeSettings &settings, ProgressView &view)
{
    if (m_state != State::Idle || inputs.isEmpty())
        return false;
    m_view = &view;
    m_settings = settings;
    m_items.clear();
    m_index = -1;
    m_skipped.clear();
    m_failures.clear();
    m_startFailure.clear();
    m_keepOutput = true;
    m_state = State::Ending; // busy, with no run to cancel yet

    guarded([&] {
        m_view->setMaximum(int(inputs.size()));
        m_view->setPosition(0);
        m_view->showView();
        m_view->setSizePollActive(true);
        emit runningChanged(true);

        // Without a folder text there is nowhere to write: the batch stops as for any other
        // failure of its own steps.
        if (m_settings.outputFolder.isEmpty()) {
            abortBatch();
            return;
        }
        // A folder that cannot be made shows up as each conversion's own failure.
        m_platform.makePath(m_settings.outputFolder);
        m_items = planBatch(inputs, m_settings.outputFolder, PathRules::nativeStyle(), m_platform);
        m_encoder = m_platform.findEncoder();
        nextItem();
    });
    return true;
}

void BatchDriver::nextItem()
{
    const PathStyle style = PathRules::nativeStyle();
    for (++m_index; m_index < m_items.size(); ++m_index) {
        const BatchItem &item = m_items.at(m_index);
        if (!item.outputIsInput)
            break;
        m_skipped.append(PathRules::fileName(item.inputPath, style));
    }
    if (m_index >= m_items.size()) {
        endBatch();
        return;
    }
    const BatchItem &item = m_items.at(m_index);
    m_inputPath = item.inputPath;
    m_outputPath = item.outputPath;
    m_view->setPosition(int(m_index));
    m_view->setNames(ProgressText::namesLine(m_inputPath, m_outputPath, style));
    m_view->clearThumbnail();
    startThumbnail();
}

QString BatchDriver::thumbnailPath() const
{
    return EncoderCommand::thumbnailPath(m_programDir, PathRules::nativeStyle());
}

ProcessRunner *BatchDriver::newRunner()
{
    ProcessRunner *runner = m_platform.createRunner(this);
    // A runner lives until its process is over, even when the batch has stopped listening.
    connect(runner, &ProcessRunner::finished, runner, &QObject::deleteLater);
    connect(runner, &ProcessRunner::failedToStart, runner, &QObject::deleteLater);
    return runner;
}

void BatchDriver::stopRun(QPointer<ProcessRunner> &run)
{
    // The runner stays until its process is over; the batch no longer hears from it.
    if (!run)
        return;
    run->disconnect(this);
    run->kill();
    run = nullptr;
}

void BatchDriver::startThumbnail()
{
    const QString thumbnail = thumbnailPath();
    // A picture left by an earlier run would be shown for this input.
    m_platform.removeFile(thumbnail);
    m_state = State::AwaitingThumbnail;
    if (m_platform.isFile(thumbnail)) {
        startEncoder();
        return;
    }
    ProcessRunner *runner = newRunner();
    m_thumbnailRun = runner;
    connect(runner, &ProcessRunner::finished, this,
            [this, runner](int, bool) { guarded([&] { thumbnailEnded(runner); }); });
    connect(runner, &ProcessRunner::failedToStart, this,
            [this, runner](const QString &) { guarded([&] { thumbnailEnded(runner); }); });
    m_thumbnailWait.start();
    runner->start(m_encoder.program(), EncoderCommand::buildThumbnailArguments(m_inputPath, thumbnail));
}

void BatchDriver::thumbnailEnded(ProcessRunner *runner)
{
    if (m_state != State::AwaitingThumbnail || runner != m_thumbnailRun)
        return;
    m_thumbnailWait.stop();
    m_thumbnailRun = nullptr;
    const QString thumbnail = thumbnailPath();
    if (m_platform.isFile(thumbnail)) {
        const bool shown = m_view->showThumbnail(thumbnail);
        m_platform.removeFile(thumbnail);
        if (!shown) {
            abortBatch();
            return;
        }
    }
    startEncoder();
}

void BatchDriver::thumbnailWaitExpired()
{
    if (m_state != State::AwaitingThumbnail)
        return;
    // A run still going may be halfway through writing the picture: no picture this time.
    stopRun(m_thumbnailRun);
    m_platform.removeFile(thumbnailPath());
    startEncoder();
}

void BatchDriver::startEncoder()
{
    m_keepOutput = true;
    m_state = State::Encoding;
    ProcessRunner *runner = newRunner();
    m_encoderRun = runner;
    connect(runner, &ProcessRunner::finished, this, [this, runner](int exitCode, bool crashed) {
        guarded([&] { encoderFinished(runner, exitCode, crashed); });
    });
    connect(runner, &ProcessRunner::failedToStart, this, [this, runner](const QString &message) {
        guarded([&] { encoderFailedToStart(runner, message); });
    });
    runner->start(m_encoder.program(),
                  EncoderCommand::buildEncodeArguments(m_settings, m_inputPath, m_outputPath));
}

void BatchDriver::encoderFinished(ProcessRunner *runner, int exitCode, bool crashed)
{
    if (m_state != State::Encoding || runner != m_encoderRun)
        return;
    m_encoderRun = nullptr;
    if (!m_keepOutput) {
        m_platform.removeFile(m_outputPath);
    } else if (crashed || exitCode != 0) {
        QString reason = lastErrorLine(runner->errorTail());
        if (reason.isEmpty()) {
            reason = crashed ? u"エンコーダーが異常終了しました"_s
                             : u"エンコーダーが終了コード %1 で終了しました"_s.arg(exitCode);
        }
        m_failures.append({PathRules::fileName(m_inputPath, PathRules::nativeStyle()), reason});
    }
    nextItem();
}

void BatchDriver::encoderFailedToStart(ProcessRunner *runner, const QString &message)
{
    if (m_state != State::Encoding || runner != m_encoderRun)
        return;
    m_encoderRun = nullptr;
    m_startFailure = message;
    endBatch();
}

void BatchDriver::cancel()
{
    guarded([this] {
        switch (m_state) {
        case State::Idle:
            return;
        case State::AwaitingThumbnail:
            cancelBeforeEncoding();
            return;
        case State::Encoding:
            if (!m_keepOutput)
                return; // already cancelled, the run is ending
            if (m_encoderRun && m_encoderRun->kill())
                m_keepOutput = false;
            else
                cancelFailed();
            return;
        case State::Ending:
            cancelFailed();
            return;
        }
    });
}

void BatchDriver::cancelBeforeEncoding()
{
    // The item's conversion is not started at all; as after a cancelled run, nothing is left
    // at its output path.
    m_thumbnailWait.stop();
    stopRun(m_thumbnailRun);
    m_platform.removeFile(thumbnailPath());
    m_keepOutput = false;
    m_platform.removeFile(m_outputPath);
    nextItem();
}

void BatchDriver::cancelFailed()
{
    // Nothing may follow the message: the batch can move on while it is open.
    m_view->beep();
    m_view->showMessage(CancelFailedMessage);
}

QString BatchDriver::endReport() const
{
    QStringList sections;
    if (!m_startFailure.isEmpty()) {
        QString text =
            u"エンコーダー「%1」を起動できませんでした。残りのファイルは変換していません。\n"_s.arg(
                m_encoder.name);
        if (m_encoder.path.isEmpty()) {
            text += u"探した場所: %1 と PATH のフォルダ"_s.arg(m_encoder.programDir);
        } else {
            text += u"起動しようとしたファイル: %1"_s.arg(m_encoder.path);
        }
        text += u"\n(%1)"_s.arg(m_startFailure);
        sections.append(text);
    }
    if (!m_skipped.isEmpty()) {
        sections.append(u"次のファイルは出力先が変換元と同じファイルになるため、変換しませんでした。\n"_s +
                        m_skipped.join(u'\n'));
    }
    if (!m_failures.isEmpty()) {
        QStringList lines;
        for (const Failure &failure : m_failures)
            lines.append(failure.inputName + u": "_s + failure.reason);
        sections.append(u"次のファイルは変換できませんでした。\n"_s + lines.join(u'\n'));
    }
    return sections.join(u"\n\n"_s);
}

void BatchDriver::endBatch()
{
    m_state = State::Ending;
    m_view->beep();
    m_view->setSizePollActive(false);
    const QString report = endReport();
    if (!report.isEmpty())
        m_view->showMessage(report);
    m_view->closeView();
    becomeIdle();
}

void BatchDriver::abortBatch()
{
    // The batch's own failures come between runs; a run still going after an unexpected one
    // is not left behind.
    m_state = State::Ending;
    m_thumbnailWait.stop();
    stopRun(m_thumbnailRun);
    stopRun(m_encoderRun);
    m_view->beep();
    m_view->showMessage(UnsupportedFormatMessage);
    m_view->setSizePollActive(false);
    m_view->closeView();
    becomeIdle();
}

void BatchDriver::becomeIdle()
{
    m_state = State::Idle;
    m_view = nullptr;
    emit runningChanged(false);
}
