#pragma once

#include <QList>
#include <QStringList>

#include "path_rules.h"

class BatchPlatform;

/// One input of a batch and the file its conversion writes.
struct BatchItem
{
    QString inputPath;
    QString outputPath;
    /// The output would be the input itself: the item is never converted, so the input is
    /// neither overwritten nor deleted.
    bool outputIsInput = false;

    friend bool operator==(const BatchItem &, const BatchItem &) = default;
};

/// The output path of every input, in list order. Each starts from buildOutputPath(); an input
/// whose output names the input itself is marked. Different inputs never share an output, and
/// no output names another input of the batch: a later input gets "name (2).avi",
/// "name (3).avi", ... instead. The same input listed twice keeps one output.
/// Paths are compared as the style spells them (Windows: ignoring case and "/" versus "\")
/// and, for files that exist, by their canonical paths.
QList<BatchItem> planBatch(const QStringList &inputs, const QString &outputFolder, PathStyle style,
                           BatchPlatform &platform);
