#pragma once

#include <QString>

#include "path_rules.h"

/// What the batch shows while it runs: the progress window, or a recorder in tests.
class ProgressView
{
public:
    virtual ~ProgressView() = default;

    virtual void setMaximum(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    /// Shows the view in its first state: no picture, the design names, "0KB -> 0KB".
    virtual void showView() = 0;
    /// The name line, "input -> output".
    virtual void setNames(const QString &names) = 0;
    virtual void clearThumbnail() = 0;
    /// Loads the picture from path; false when the file cannot be read as a picture.
    virtual bool showThumbnail(const QString &path) = 0;
    /// The one-second poll of both file sizes.
    virtual void setSizePollActive(bool active) = 0;
    virtual void beep() = 0;
    /// A plain message with one OK button; returns once it has been closed.
    virtual void showMessage(const QString &message) = 0;
    /// Hides the view at the end of a batch.
    virtual void closeView() = 0;
};

/// What the progress window reads from the running batch, at the moment it needs it, and the
/// one thing it asks of it.
class BatchControl
{
public:
    virtual ~BatchControl() = default;
    virtual QString inputPath() const = 0;
    virtual QString outputPath() const = 0;
    virtual void cancel() = 0;
};

namespace ProgressText {

inline constexpr char16_t DesignNames[] = u"***.*** -> ***.***";
inline constexpr char16_t InitialSizes[] = u"0KB -> 0KB";

/// Whole KB of 1000 bytes, remainder dropped; a size below zero (unreadable file) gives 0.
qint64 kilobytes(qint64 bytes);
/// "<in>KB -> <out>KB", sizes in bytes, -1 for a file that cannot be read.
QString sizesLine(qint64 inputBytes, qint64 outputBytes);
/// The file names of both paths, joined by " -> ".
QString namesLine(const QString &inputPath, const QString &outputPath, PathStyle style);

} // namespace ProgressText
