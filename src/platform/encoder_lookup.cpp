#include "encoder_lookup.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace EncoderLookup {

QString programName()
{
#ifdef Q_OS_WIN
    return u"ffmpeg.exe"_s;
#else
    return u"ffmpeg"_s;
#endif
}

EncoderProgram find(const QString &programDir)
{
    return find(programName(), programDir);
}

EncoderProgram find(const QString &name, const QString &programDir)
{
    EncoderProgram program;
    program.name = name;
    program.programDir = programDir;
    if (!programDir.isEmpty())
        program.path = QStandardPaths::findExecutable(name, {programDir});
    if (program.path.isEmpty())
        program.path = QStandardPaths::findExecutable(name);
    return program;
}

} // namespace EncoderLookup
