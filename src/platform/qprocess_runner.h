#pragma once

#include <QByteArray>
#include <QProcess>

#include "process_runner.h"

/// A process run over QProcess: program and arguments as given, no shell; no input (the null
/// device), output discarded, error output read as it comes and only its tail kept, so that no
/// pipe ever fills and stalls the program.
class QProcessRunner : public ProcessRunner
{
    Q_OBJECT

public:
    /// How much of the error output is kept, in bytes.
    static constexpr qsizetype TailLimit = 4096;

    explicit QProcessRunner(QObject *parent = nullptr);

    void start(const QString &program, const QStringList &arguments) override;
    bool kill() override;
    bool isRunning() const override;
    QString errorTail() const override;

private:
    void readErrorOutput();

    QProcess m_process;
    QByteArray m_tail;
};
