#pragma once

#include <optional>

#include <QList>
#include <QString>

/// A Windows private-profile ("INI") file, read whole when constructed and written whole by save().
///
/// Reading: a missing file has no keys; section and key names match without regard to letter
/// case (the first matching section and key count); a value is read without the blanks around
/// it, without one pair of enclosing single or double quotes, and only up to 2047 bytes of its
/// UTF-8 form. A file that is not valid UTF-8 is read as Shift-JIS.
///
/// Writing: a written key replaces its value line in place; a new key goes after the last key of
/// its section, a new section at the end of the file. Every other line (foreign sections and
/// keys, comments, blank lines) stays as it was, line endings included; new lines take the
/// file's first line ending, LF in a new file. The file is written as UTF-8.
class IniFile
{
public:
    /// At most this many bytes of a value are read.
    static constexpr qsizetype MaxValueBytes = 2047;

    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    /// The value's text as read, or nothing when the section or key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    /// The value's text, or defaultValue when the key is missing (a present empty value is empty).
    QString readString(QStringView section, QStringView key, const QString &defaultValue) const;
    /// The value read as a whole number (PresetRows::parseWholeNumber), or defaultValue when the
    /// key is missing or holds no whole number.
    int readInt(QStringView section, QStringView key, int defaultValue) const;

    void writeString(QStringView section, QStringView key, const QString &value);
    /// Written in decimal, with "-" when negative.
    void writeInt(QStringView section, QStringView key, int value);

    /// The whole file as save() writes it.
    QString text() const;

    /// Replaces the file on disk atomically: a failed save leaves the old file as it was.
    /// Throws TevaroError "%s に書き込めません" with the file's full path when it cannot be written,
    /// and also when the file exists but could not be read, so that its content is never lost.
    void save() const;

private:
    struct Line
    {
        QString text;
        QString ending; // "\r\n", "\r", "\n" or empty for a last line without a break
    };
    struct Section
    {
        qsizetype header; // index of the "[name]" line
        qsizetype end;    // index of the next section's header, or the line count
    };

    std::optional<Section> findSection(QStringView name) const;
    qsizetype findKey(const Section &section, QStringView key) const;
    void endLastLine();

    QString m_path;
    QList<Line> m_lines;
    QString m_newline = QStringLiteral("\n");
    bool m_unreadable = false;
};
