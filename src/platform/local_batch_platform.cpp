#include "local_batch_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "encoder_lookup.h"
#include "qprocess_runner.h"

LocalBatchPlatform::LocalBatchPlatform(QString programDir)
    : m_programDir(std::move(programDir))
{}

ProcessRunner *LocalBatchPlatform::createRunner(QObject *parent)
{
    return new QProcessRunner(parent);
}

EncoderProgram LocalBatchPlatform::findEncoder()
{
    return EncoderLookup::find(m_programDir);
}

bool LocalBatchPlatform::makePath(const QString &folder)
{
    return !folder.isEmpty() && QDir().mkpath(folder);
}

bool LocalBatchPlatform::isFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool LocalBatchPlatform::removeFile(const QString &path)
{
    return !path.isEmpty() && QFile::remove(path);
}

QString LocalBatchPlatform::canonicalPath(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}
