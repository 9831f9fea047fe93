#pragma once

#include <algorithm>

#include <QStringList>

#include "encode_settings.h"
#include "job_controls.h"
#include "path_rules.h"
#include "preset_rows.h"

/// JobControls over plain values, limited like the real controls. Starts in the state the main
/// window has before its first activation: at 20, 20, nothing selected, the design values.
/// Every setter call is appended to log as "name=value", so tests can check the order of a pass.
class FakeJobControls : public JobControls
{
public:
    FakeJobControls() = default;
    /// Header row plus the given lines as rows, the codec list holding "MJPEG".
    explicit FakeJobControls(const QStringList &presetLines)
        : rows(QStringList{PresetRows::headerRow()} + presetLines)
    {}

    int left = 20;
    int top = 20;
    QStringList rows;
    int presetSelection = -1;
    QStringList codecs{QStringLiteral("MJPEG")};
    int codecSelection = -1;
    int frameRateValue = 30;
    int videoBitrateValue = 2048;
    int sampleRateValue = 0;
    int audioBitrateValue = 128;
    int frameSizeValue = 0;
    QString folder;
    QStringList log;

    int windowLeft() const override { return left; }
    int windowTop() const override { return top; }
    void setWindowLeft(int value) override { left = logged(u"left", value); }
    void setWindowTop(int value) override { top = logged(u"top", value); }

    int presetRowCount() const override { return int(rows.size()); }
    QString presetRow(int index) const override { return rows.value(index); }
    int presetIndex() const override { return presetSelection; }
    void setPresetIndex(int index) override
    {
        presetSelection = logged(u"preset", index >= 0 && index < rows.size() ? index : -1);
    }

    int codecCount() const override { return int(codecs.size()); }
    QString codecItem(int index) const override { return codecs.value(index); }
    int codecIndex() const override { return codecSelection; }
    void setCodecIndex(int index) override
    {
        codecSelection = logged(u"codec", index >= 0 && index < codecs.size() ? index : -1);
    }

    int frameRate() const override { return frameRateValue; }
    void setFrameRate(int value) override
    {
        frameRateValue = logged(
            u"frameRate", std::clamp(value, ParameterRange::FrameRateMin, ParameterRange::FrameRateMax));
    }
    int videoBitrate() const override { return videoBitrateValue; }
    void setVideoBitrate(int value) override
    {
        videoBitrateValue = logged(u"videoBitrate", std::clamp(value, ParameterRange::VideoBitrateMin,
                                                               ParameterRange::VideoBitrateMax));
    }
    int sampleRate() const override { return sampleRateValue; }
    void setSampleRate(int value) override
    {
        sampleRateValue = logged(
            u"sampleRate", std::clamp(value, ParameterRange::SampleRateMin, ParameterRange::SampleRateMax));
    }
    int audioBitrate() const override { return audioBitrateValue; }
    void setAudioBitrate(int value) override
    {
        audioBitrateValue = logged(u"audioBitrate", std::clamp(value, ParameterRange::AudioBitrateMin,
                                                               ParameterRange::AudioBitrateMax));
    }
    int frameSize() const override { return frameSizeValue; }
    void setFrameSize(int value) override
    {
        frameSizeValue = logged(
            u"frameSize", std::clamp(value, ParameterRange::FrameSizeMin, ParameterRange::FrameSizeMax));
    }

    QString outputFolder() const override { return folder; }
    void setOutputFolder(const QString &text) override
    {
        log.append(QStringLiteral("folder=") + text);
        // Like the edit: only a changed text runs its normalisation.
        if (text != folder)
            folder = PathRules::withoutTrailingSeparators(text, PathRules::nativeStyle());
    }

private:
    int logged(QStringView name, int value)
    {
        log.append(name.toString() + u'=' + QString::number(value));
        return value;
    }
};
