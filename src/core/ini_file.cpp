#include "ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "preset_rows.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView text = trimBlanks(line);
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 1)
        return std::nullopt;
    return trimBlanks(text.sliced(1, close - 1));
}

// The key of a "key=value" line; comments, section lines and lines without "=" have none.
std::optional<QStringView> keyName(QStringView line)
{
    const QStringView text = trimBlanks(line);
    if (text.isEmpty() || text.startsWith(u';') || sectionName(text))
        return std::nullopt;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimBlanks(text.left(equals));
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The longest prefix whose UTF-8 form fits in maxBytes, never splitting a character.
QStringView utf8Prefix(QStringView text, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        qsizetype length = 1;
        qsizetype size = 3;
        if (c.unicode() < 0x80)
            size = 1;
        else if (c.unicode() < 0x800)
            size = 2;
        else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            length = 2;
            size = 4;
        }
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        i += length;
    }
    return text.left(i);
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadable = file.exists();
        return;
    }
    const QString text = PresetRows::decodeText(file.readAll());
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const qsizetype breakLength = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
        const QString ending = text.mid(i, breakLength);
        if (m_lines.isEmpty())
            m_newline = ending;
        m_lines.append({text.mid(start, i - start), ending});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < text.size())
        m_lines.append({text.mid(start), QString()});
}

std::optional<IniFile::Section> IniFile::findSection(QStringView name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto found = sectionName(m_lines.at(i).text);
        if (!found || !sameName(*found, name))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines.at(end).text))
            ++end;
        return Section{i, end};
    }
    return std::nullopt;
}

qsizetype IniFile::findKey(const Section &section, QStringView key) const
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const auto found = keyName(m_lines.at(i).text);
        if (found && sameName(*found, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const qsizetype line = findKey(*range, key);
    if (line < 0)
        return std::nullopt;
    const QStringView text = m_lines.at(line).text;
    QStringView value = trimBlanks(text.sliced(text.indexOf(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return utf8Prefix(value, MaxValueBytes).toString();
}

QString IniFile::readString(QStringView section, QStringView key, const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInt(QStringView section, QStringView key, int defaultValue) const
{
    const auto number = PresetRows::parseWholeNumber(value(section, key).value_or(QString()));
    return number.value_or(defaultValue);
}

void IniFile::endLastLine()
{
    if (!m_lines.isEmpty() && m_lines.last().ending.isEmpty())
        m_lines.last().ending = m_newline;
}

void IniFile::writeString(QStringView section, QStringView key, const QString &value)
{
    const auto range = findSection(section);
    if (!range) {
        endLastLine();
        m_lines.append({u'[' + section.toString() + u']', m_newline});
        m_lines.append({key.toString() + u'=' + value, m_newline});
        return;
    }
    const qsizetype existing = findKey(*range, key);
    if (existing >= 0) {
        // The key keeps the spelling it has in the file.
        Line &line = m_lines[existing];
        line.text = keyName(line.text)->toString() + u'=' + value;
        return;
    }
    qsizetype after = range->header;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        if (keyName(m_lines.at(i).text))
            after = i;
    }
    if (m_lines.at(after).ending.isEmpty())
        m_lines[after].ending = m_newline;
    m_lines.insert(after + 1, {key.toString() + u'=' + value, m_newline});
}

void IniFile::writeInt(QStringView section, QStringView key, int value)
{
    writeString(section, key, QString::number(value));
}

QString IniFile::text() const
{
    QString text;
    for (const Line &line : m_lines)
        text += line.text + line.ending;
    return text;
}

void IniFile::save() const
{
    // Written to a new file that then replaces the old one, so that a failure at any point
    // leaves the previous settings whole.
    QSaveFile file(m_path);
    const QByteArray bytes = text().toUtf8();
    if (m_unreadable || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        const QString fullPath = QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath());
        throw TevaroError(u"%1 に書き込めません"_s.arg(fullPath));
    }
}
