#pragma once
#include <array>

// The main window's controls that the job list operations switch together.

// The six preset pickers, in the order of their PresetDigits pairs.
inline constexpr std::array<const char*, 6> PresetPickerNames{
    "bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3",
    "bsSkinComboBox4", "bsSkinComboBox9", "bsSkinComboBox10"
};
inline constexpr const char* FamilyPickerName = "bsSkinOfficeComboBox2";
inline constexpr const char* FormatPickerName = "bsSkinOfficeComboBox1";

// Job row cells (sub-item indexes).
enum TJobCell {
    jcDuration = 0,
    jcSize = 1,
    jcOutputName = 2,
    jcProgress = 3,
    jcFps = 4,
    jcMediaTime = 5,
    jcOutputSize = 6,
    jcTaskNumber = 7,
    jcPickerCode = 8,
    jcPresetDigits = 9,
    // The working parameters, as the row schema writes and reads them.
    jcVideoCodec = 10,
    jcAudioCodec = 11,
    jcAudioChannels = 12,
    jcVideoTag = 13,
    jcFileExt = 14,
    jcFrameSize = 15,
    jcVideoBitrate = 16,
    jcFrameRate = 17,
    jcAudioBitrate = 18,
    jcAudioSampleRate = 19,
    jcFrameAspectRatio = 20,
    jcDisableVideo = 21,
    jcTargetType = 22,
    jcNormType = 23,
    jcFirstParameter = jcVideoCodec,
    jcCount = 24
};
