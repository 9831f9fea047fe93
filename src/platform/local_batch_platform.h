#pragma once

#include "batch_platform.h"

/// The batch's platform on this system: QProcess runs, the encoder lookup from the program's
/// folder, and the local file system.
class LocalBatchPlatform : public BatchPlatform
{
public:
    explicit LocalBatchPlatform(QString programDir);

    ProcessRunner *createRunner(QObject *parent) override;
    EncoderProgram findEncoder() override;
    bool makePath(const QString &folder) override;
    bool isFile(const QString &path) override;
    bool removeFile(const QString &path) override;
    QString canonicalPath(const QString &path) override;

private:
    QString m_programDir;
};
