#pragma once

#include <QString>

class ProcessRunner;
class QObject;

/// Where the encoder program was found, or where it was looked for in vain.
struct EncoderProgram
{
    QString name;       ///< the bare program name ("ffmpeg", "ffmpeg.exe" on Windows)
    QString path;       ///< the file found; empty when it was found nowhere
    QString programDir; ///< the first place searched, before the folders of PATH

    /// What to hand to the process start: the file found, else the bare name.
    QString program() const { return path.isEmpty() ? name : path; }
};

/// What a batch needs of the system: process runs, the encoder lookup and a few file
/// operations. Abstract so that the batch can be driven step by step in tests.
class BatchPlatform
{
public:
    virtual ~BatchPlatform() = default;

    /// A new runner for one process run, owned by parent.
    virtual ProcessRunner *createRunner(QObject *parent) = 0;
    virtual EncoderProgram findEncoder() = 0;

    /// Creates the folder and every missing parent; false when it cannot.
    virtual bool makePath(const QString &folder) = 0;
    /// True only for an existing file, not for a folder.
    virtual bool isFile(const QString &path) = 0;
    /// Deletes a file; false when it could not (a missing file included).
    virtual bool removeFile(const QString &path) = 0;
    /// The absolute path with links, "." and ".." resolved; empty when nothing exists there.
    virtual QString canonicalPath(const QString &path) = 0;
};
