#include "input_list.h"

#include <algorithm>
#include <numeric>
#include <vector>

qsizetype InputList::add(const QString &path)
{
    const QString key = path.toCaseFolded();
    const auto position = std::upper_bound(m_keys.cbegin(), m_keys.cend(), key);
    const qsizetype index = position - m_keys.cbegin();
    m_keys.insert(index, key);
    m_paths.insert(index, path);
    return index;
}

void InputList::addMany(QStringList paths)
{
    if (paths.size() < 8) {
        for (const QString &path : std::as_const(paths))
            add(path);
        return;
    }
    QStringList keys;
    keys.reserve(paths.size());
    for (const QString &path : std::as_const(paths))
        keys.append(path.toCaseFolded());
    std::vector<qsizetype> order(paths.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](qsizetype a, qsizetype b) { return keys.at(a) < keys.at(b); });

    QStringList mergedPaths;
    QStringList mergedKeys;
    mergedPaths.reserve(m_paths.size() + paths.size());
    mergedKeys.reserve(m_paths.size() + paths.size());
    qsizetype old = 0;
    for (const qsizetype next : order) {
        // Existing entries that compare equal stay before the new one, as single adds would do.
        while (old < m_keys.size() && !(keys.at(next) < m_keys.at(old))) {
            mergedKeys.append(std::move(m_keys[old]));
            mergedPaths.append(std::move(m_paths[old]));
            ++old;
        }
        mergedKeys.append(std::move(keys[next]));
        mergedPaths.append(std::move(paths[next]));
    }
    for (; old < m_keys.size(); ++old) {
        mergedKeys.append(std::move(m_keys[old]));
        mergedPaths.append(std::move(m_paths[old]));
    }
    m_paths = std::move(mergedPaths);
    m_keys = std::move(mergedKeys);
}

void InputList::clear()
{
    m_paths.clear();
    m_keys.clear();
}
