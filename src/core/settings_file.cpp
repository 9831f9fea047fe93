#include "settings_file.h"

#include <iterator>

#include "ini_file.h"
#include "job_controls.h"
#include "preset_rows.h"

namespace SettingsFile {

namespace {

// The integer keys, in the order in which they are restored and saved.
struct IntegerKey
{
    QStringView section;
    QStringView key;
    int (JobControls::*get)() const;
    void (JobControls::*set)(int);
};

const IntegerKey IntegerKeys[] = {
    {u"SET", u"M_LEFT", &JobControls::windowLeft, &JobControls::setWindowLeft},
    {u"SET", u"M_TOP", &JobControls::windowTop, &JobControls::setWindowTop},
    {u"SET1", u"C0", &JobControls::presetIndex, &JobControls::setPresetIndex},
    {u"SET1", u"C1", &JobControls::frameRate, &JobControls::setFrameRate},
    {u"SET1", u"C2", &JobControls::videoBitrate, &JobControls::setVideoBitrate},
    {u"SET1", u"C3", &JobControls::sampleRate, &JobControls::setSampleRate},
    {u"SET1", u"C4", &JobControls::audioBitrate, &JobControls::setAudioBitrate},
    {u"SET1", u"C5", &JobControls::frameSize, &JobControls::setFrameSize},
};
// The preset is applied right after its index is restored, so the values saved after it win.
constexpr auto PresetKey = std::begin(IntegerKeys) + 2;

constexpr QStringView FolderSection = u"SET2";
constexpr QStringView FolderKey = u"C11";

} // namespace

void restoreSettings(const QString &iniPath, JobControls &controls, const QString &programDir)
{
    const IniFile ini(iniPath);
    for (auto key = std::begin(IntegerKeys); key != std::end(IntegerKeys); ++key) {
        (controls.*key->set)(ini.readInt(key->section, key->key, (controls.*key->get)()));
        if (key == PresetKey)
            PresetRows::applySelectedPreset(controls);
    }
    controls.setOutputFolder(ini.readString(FolderSection, FolderKey, controls.outputFolder()));
    if (controls.outputFolder().isEmpty())
        controls.setOutputFolder(programDir);
}

void saveSettings(const QString &iniPath, const JobControls &controls)
{
    IniFile ini(iniPath);
    for (const IntegerKey &key : IntegerKeys)
        ini.writeInt(key.section, key.key, (controls.*key.get)());
    ini.writeString(FolderSection, FolderKey, controls.outputFolder());
    ini.save();
}

} // namespace SettingsFile
