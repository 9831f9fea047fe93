#pragma once

#include <QString>

class JobControls;

/// "Tevaro.ini": where the window position, the preset, the parameters and the output folder
/// are kept between runs.
namespace SettingsFile {

inline constexpr char16_t FileName[] = u"Tevaro.ini";

/// Reads the file at iniPath into the controls in the described order; applies the restored
/// preset. Throws TevaroError when the preset cannot be applied (the restore stops there).
/// An empty output folder afterwards becomes programDir.
void restoreSettings(const QString &iniPath, JobControls &controls, const QString &programDir);

/// Writes all nine keys, keeping everything else in the file. The file is replaced as a whole
/// and atomically, so a failed save leaves it as it was. Throws TevaroError
/// "%s に書き込めません" with the file's full path when it cannot be written.
void saveSettings(const QString &iniPath, const JobControls &controls);

} // namespace SettingsFile
