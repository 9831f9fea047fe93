#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "main_window.h"

/// A temporary program folder with a "profile.txt", and the context a window built there gets.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QByteArray &profile = defaultProfile())
    {
        writeFile(QStringLiteral("profile.txt"), profile);
    }

    static QByteArray defaultProfile()
    {
        return QByteArrayLiteral("\"標準 4:3\",AVI,640x480,MJPEG,30fps,2048kbps,PCM,48000Hz,128kbps\n"
                                 "\"ワイド 16:9\",AVI,720x480,MJPEG,24fps,3000kbps,PCM,24000Hz,96kbps\n");
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ProgramContext context(const QStringList &arguments = {}) const
    {
        ProgramContext context;
        context.programDir = m_dir.path();
        context.executablePath = m_dir.filePath(QStringLiteral("tevaro"));
        context.arguments = arguments;
        return context;
    }

private:
    QTemporaryDir m_dir;
};
