#pragma once

#include <QString>

/// What the preset application and the settings file need of the main window's controls.
/// The window implements it over its widgets; tests implement it over plain values.
/// Every parameter setter keeps the value within the control's range (a value beyond an end
/// becomes that end).
class JobControls
{
public:
    virtual ~JobControls() = default;

    virtual int windowLeft() const = 0;
    virtual int windowTop() const = 0;
    virtual void setWindowLeft(int left) = 0;
    virtual void setWindowTop(int top) = 0;

    /// Rows of the preset list, the header row at 0; each row is its whole line of text.
    virtual int presetRowCount() const = 0;
    virtual QString presetRow(int index) const = 0;
    /// -1 when nothing is selected.
    virtual int presetIndex() const = 0;
    /// An index outside 0..presetRowCount()-1 leaves nothing selected. Raises no change event.
    virtual void setPresetIndex(int index) = 0;

    virtual int codecCount() const = 0;
    virtual QString codecItem(int index) const = 0;
    /// -1 when nothing is selected.
    virtual int codecIndex() const = 0;
    virtual void setCodecIndex(int index) = 0;

    virtual int frameRate() const = 0;
    virtual void setFrameRate(int value) = 0;
    virtual int videoBitrate() const = 0;
    virtual void setVideoBitrate(int value) = 0;
    virtual int sampleRate() const = 0;
    virtual void setSampleRate(int value) = 0;
    virtual int audioBitrate() const = 0;
    virtual void setAudioBitrate(int value) = 0;
    virtual int frameSize() const = 0;
    virtual void setFrameSize(int value) = 0;

    virtual QString outputFolder() const = 0;
    /// Setting a different text runs the edit's normalisation (trailing separators removed).
    virtual void setOutputFolder(const QString &folder) = 0;
};
