#pragma once

#include "batch_platform.h"

/// Finds the encoder the way the program search of the original system did: in the program's
/// own folder first, then in the folders of PATH.
namespace EncoderLookup {

/// "ffmpeg" ("ffmpeg.exe" on Windows).
QString programName();

EncoderProgram find(const QString &programDir);
/// The same search for another program name.
EncoderProgram find(const QString &name, const QString &programDir);

} // namespace EncoderLookup
