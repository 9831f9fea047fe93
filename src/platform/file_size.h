#pragma once

#include <QString>

namespace FileSize {

/// The size of a file in bytes, or -1 when it cannot be opened for reading (missing, a folder,
/// access refused, an empty path). Opened only for the query, so the encoder may go on writing.
qint64 of(const QString &path);

} // namespace FileSize
