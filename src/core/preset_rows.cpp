#include "preset_rows.h"

#include <limits>

#include <QFile>
#include <QStringDecoder>

#include "job_controls.h"
#include "tevaro_error.h"

using namespace Qt::StringLiterals;

namespace PresetRows {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

QString field(const QStringList &fields, qsizetype column)
{
    return column < fields.size() ? fields.at(column) : QString();
}

} // namespace

QString headerRow()
{
    return u",[拡張子],[ｻｲｽﾞ],[ｺｰﾃﾞｯｸ],[ﾌﾚｰﾑﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ],[ｺｰﾃﾞｯｸ],[ｻﾝﾌﾟﾙﾚｰﾄ],[ﾋﾞｯﾄﾚｰﾄ]"_s;
}

std::optional<qint32> parseWholeNumber(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    qsizetype hexStart = -1;
    if (i < size && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X'))
        hexStart = i + 1;
    else if (i + 1 < size && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X'))
        hexStart = i + 2;

    if (hexStart >= 0) {
        if (hexStart == size)
            return std::nullopt;
        quint64 value = 0;
        for (qsizetype k = hexStart; k < size; ++k) {
            const int digit = hexDigit(text.at(k));
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + quint64(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        // A 32-bit pattern: "$FFFFFFFF" is -1, and a sign negates the pattern with wrap-around.
        const quint32 pattern = negative ? 0u - quint32(value) : quint32(value);
        return qint32(pattern);
    }

    if (i == size)
        return std::nullopt;
    qint64 value = 0;
    for (; i < size; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QStringList splitPresetRow(const QString &row)
{
    QStringList fields;
    const qsizetype size = row.size();
    qsizetype i = 0;
    while (i < size && isBlank(row.at(i)))
        ++i;
    while (i < size) {
        QString text;
        if (row.at(i) == u'"') {
            // A quote ends the field unless another follows it; a missing closing quote lets
            // the field run to the end of the row.
            ++i;
            while (i < size) {
                if (row.at(i) == u'"') {
                    if (i + 1 < size && row.at(i + 1) == u'"') {
                        text += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += row.at(i);
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < size && !isBlank(row.at(i)) && row.at(i) != u',')
                ++i;
            text = row.mid(start, i - start);
        }
        fields.append(text);

        while (i < size && isBlank(row.at(i)))
            ++i;
        if (i < size && row.at(i) == u',') {
            if (i == size - 1)
                fields.append(QString());
            ++i;
            while (i < size && isBlank(row.at(i)))
                ++i;
        }
    }
    return fields;
}

qint32 numberBeforeUnit(const QString &field, const QString &unit)
{
    const qsizetype at = field.indexOf(unit, 0, Qt::CaseSensitive);
    const QString text = at > 0 ? field.left(at) : QString();
    if (const auto number = parseWholeNumber(text))
        return *number;
    throw TevaroError(u"'%1' は整数ではありません"_s.arg(text));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString decodeText(const QByteArray &bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder shiftJis("Shift_JIS");
    return shiftJis.decode(bytes);
}

QStringList readPresetFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TevaroError(u"ファイル %1 は開けません"_s.arg(path));
    return splitLines(decodeText(file.readAll()));
}

void applySelectedPreset(JobControls &controls)
{
    if (controls.presetIndex() <= 0)
        controls.setPresetIndex(1);
    const int index = controls.presetIndex();
    const QStringList fields = index >= 0 ? splitPresetRow(controls.presetRow(index)) : QStringList();

    const QString size = field(fields, 2);
    if (size == u"640x480"_s)
        controls.setFrameSize(0);
    else if (size == u"720x480"_s)
        controls.setFrameSize(1);

    // Item 0 unless an item contains the field; the empty field is contained in none.
    const QString codec = field(fields, 3);
    int codecIndex = 0;
    for (int i = 0; !codec.isEmpty() && i < controls.codecCount(); ++i) {
        if (controls.codecItem(i).contains(codec, Qt::CaseSensitive)) {
            codecIndex = i;
            break;
        }
    }
    controls.setCodecIndex(codecIndex);

    controls.setFrameRate(numberBeforeUnit(field(fields, 4), u"fps"_s));
    controls.setVideoBitrate(numberBeforeUnit(field(fields, 5), u"kbps"_s));

    const qint32 sampleRate = numberBeforeUnit(field(fields, 7), u"Hz"_s);
    if (sampleRate == 24000)
        controls.setSampleRate(1);
    else if (sampleRate == 48000)
        controls.setSampleRate(0);

    controls.setAudioBitrate(numberBeforeUnit(field(fields, 8), u"kbps"_s));
}

} // namespace PresetRows
