#include "qprocess_runner.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QProcessRunner::QProcessRunner(QObject *parent)
    : ProcessRunner(parent)
{
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setReadChannel(QProcess::StandardError);
#ifdef Q_OS_WIN
    // A console program started from a window program would otherwise open a console window.
    m_process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments *arguments) { arguments->flags |= CREATE_NO_WINDOW; });
#endif
    connect(&m_process, &QProcess::started, this, &ProcessRunner::started);
    connect(&m_process, &QProcess::readyReadStandardError, this, &QProcessRunner::readErrorOutput);
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        readErrorOutput();
        emit finished(exitCode, status == QProcess::CrashExit);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit failedToStart(m_process.errorString());
    });
}

void QProcessRunner::start(const QString &program, const QStringList &arguments)
{
    m_process.start(program, arguments, QIODevice::ReadOnly);
}

bool QProcessRunner::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.kill();
    return true;
}

bool QProcessRunner::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

QString QProcessRunner::errorTail() const
{
    return QString::fromLocal8Bit(m_tail);
}

void QProcessRunner::readErrorOutput()
{
    m_tail += m_process.readAllStandardError();
    if (m_tail.size() <= TailLimit)
        return;
    m_tail = m_tail.right(TailLimit);
    // Start at a line, so that no character is cut in half.
    const qsizetype lineStart = m_tail.indexOf('\n');
    if (lineStart >= 0 && lineStart + 1 < m_tail.size())
        m_tail.remove(0, lineStart + 1);
}
