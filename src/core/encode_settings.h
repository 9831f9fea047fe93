#pragma once

#include <QString>

/// The conversion parameters, read from the main window's controls when a batch item starts.
struct EncodeSettings
{
    int frameSize = 0;     ///< 0 = 640x480 (4:3), 1 = 720x480 (16:9)
    QString videoCodec;    ///< the codec list's selected item, e.g. "MJPEG"
    int videoBitrate = 2048; ///< kbps, 512..8000
    int frameRate = 30;    ///< fps, 1..30
    int audioBitrate = 128; ///< kbps, 64..320
    int sampleRate = 0;    ///< 0 = 48000 Hz, 1 = 24000 Hz
    QString outputFolder;  ///< the output-folder text, unchanged

    friend bool operator==(const EncodeSettings &, const EncodeSettings &) = default;
};

/// Ranges of the parameter controls; a value beyond an end becomes that end.
namespace ParameterRange {
inline constexpr int FrameRateMin = 1, FrameRateMax = 30, FrameRateDefault = 30;
inline constexpr int VideoBitrateMin = 512, VideoBitrateMax = 8000, VideoBitrateDefault = 2048;
inline constexpr int AudioBitrateMin = 64, AudioBitrateMax = 320, AudioBitrateDefault = 128;
inline constexpr int SampleRateMin = 0, SampleRateMax = 1, SampleRateDefault = 0;
inline constexpr int FrameSizeMin = 0, FrameSizeMax = 1, FrameSizeDefault = 0;
} // namespace ParameterRange
