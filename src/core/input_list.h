#pragma once

#include <QStringList>

/// The paths of the next batch, kept sorted in ascending order ignoring letter case.
/// Duplicates are kept; equal entries keep the order in which they came.
class InputList
{
public:
    /// Inserts one path at its sorted place; returns its index.
    qsizetype add(const QString &path);
    /// Inserts many paths at once: sorts them and merges them in, so that a large folder costs
    /// one sort rather than one insertion per entry.
    void addMany(QStringList paths);
    void clear();

    bool isEmpty() const { return m_paths.isEmpty(); }
    qsizetype size() const { return m_paths.size(); }
    const QString &at(qsizetype index) const { return m_paths.at(index); }
    const QStringList &paths() const { return m_paths; }

private:
    QStringList m_paths;
    QStringList m_keys; // case-folded twins of m_paths, compared ordinally
};
