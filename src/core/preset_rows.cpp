// Placeholder until the real implementation lands.
#include "preset_rows.h"
#include "tevaro_error.h"
namespace PresetRows {
QString headerRow() { return QString(); }
std::optional<qint32> parseWholeNumber(const QString &) { return std::nullopt; }
QStringList splitPresetRow(const QString &row) { return row.split(u','); }
qint32 numberBeforeUnit(const QString &, const QString &) { throw TevaroError(QString()); }
QStringList splitLines(const QString &text) { return text.split(u'\n'); }
QString decodeText(const QByteArray &bytes) { return QString::fromUtf8(bytes); }
QStringList readPresetFile(const QString &) { return {}; }
void applySelectedPreset(JobControls &) {}
} // namespace PresetRows
