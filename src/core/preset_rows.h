#pragma once

#include <QStringList>

#include <optional>

class JobControls;

/// The preset list: rows of "profile.txt", their fields, and applying one to the controls.
namespace PresetRows {

/// The fixed header row, row 0 of the preset list.
QString headerRow();

/// A whole number: leading spaces (code 32 only), an optional sign, decimal digits within signed
/// 32 bits; or "$", "x", "0x" (either case of x) followed by hex digits read as a 32-bit pattern.
std::optional<qint32> parseWholeNumber(const QString &text);

/// Splits a row into its fields (blanks 1..32, commas, quoted fields with doubled quotes).
QStringList splitPresetRow(const QString &row);

/// The whole number before the first occurrence of unit; throws TevaroError
/// "'%s' は整数ではありません" when there is none.
qint32 numberBeforeUnit(const QString &field, const QString &unit);

/// CR LF, lone CR and lone LF each end a line; the empty rest after the last break is no line.
QStringList splitLines(const QString &text);

/// Decodes file bytes as UTF-8, or as Shift-JIS when they are not valid UTF-8.
QString decodeText(const QByteArray &bytes);

/// Reads "profile.txt" whole and returns its lines. Throws TevaroError
/// "ファイル %s は開けません" with the full path when the file cannot be opened.
QStringList readPresetFile(const QString &path);

/// Applies the selected row to the controls in seven steps; the header row or no selection
/// selects row 1. Throws TevaroError at the first field it cannot convert; earlier steps keep
/// their effect.
void applySelectedPreset(JobControls &controls);

} // namespace PresetRows
