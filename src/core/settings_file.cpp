// Placeholder until the real implementation lands.
#include "settings_file.h"
#include "tevaro_error.h"
namespace SettingsFile {
void restoreSettings(const QString &, JobControls &, const QString &) {}
void saveSettings(const QString &, const JobControls &) {}
} // namespace SettingsFile
