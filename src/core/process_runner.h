#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

/// One run of an external program, reported only through signals. Exactly one of finished()
/// and failedToStart() ends a run that was started.
class ProcessRunner : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// Starts program with arguments handed over as they are, never through a shell.
    /// Returns at once; a runner is started once.
    virtual void start(const QString &program, const QStringList &arguments) = 0;
    /// Ends the process at once. False when no process runs (never started, or already ended).
    virtual bool kill() = 0;
    virtual bool isRunning() const = 0;
    /// The last lines the program wrote to its error output (a few KB at most).
    virtual QString errorTail() const = 0;

signals:
    void started();
    /// crashed: the process was ended by a signal (or by kill()) instead of exiting.
    void finished(int exitCode, bool crashed);
    void failedToStart(const QString &message);
};
