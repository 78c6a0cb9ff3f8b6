#include "app/FormatCodes.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

TEST(FormatCodes, PickerPositionsAndFormatCodesDiffer) {
    struct Case {
        TPickerPositions positions;
        int pickerCode;
        int formatCode;
    };
    const Case cases[] = {
        { { 0, 0 }, 100, 2100 },   // the start-up choice
        { { 0, 3 }, 103, 2103 },   //
        { { 12, 12 }, 1312, 212 }, // the last audio format
        { { 1, 14 }, 214, 114 },   //
        { { 4, 11 }, 511, 2711 },  //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PickerCodeOf(c.positions), c.pickerCode);
        EXPECT_EQ(PickerPositionsOf(c.pickerCode), c.positions) << c.pickerCode;
        EXPECT_EQ(FormatCodeAt(c.positions.Family, c.positions.Format), c.formatCode);
        EXPECT_EQ(FamilyCodeOfFormat(c.formatCode), FamilyCodeAt(c.positions.Family));
        EXPECT_EQ(FormatIndexOf(c.formatCode), c.positions.Format);
    }
}

TEST(FormatCodes, FamilyMapIsOneToOneAndRefusesOtherPositions) {
    for (int position = 0; position < static_cast<int>(FamilyPickerMap.size()); ++position)
        EXPECT_EQ(FamilyPositionOf(FamilyCodeAt(position)), position);
    EXPECT_EQ(FamilyCodeAt(-1), -1);
    EXPECT_EQ(FamilyCodeAt(13), -1);
    EXPECT_EQ(FormatCodeAt(13, 0), -1);
    EXPECT_EQ(FamilyPositionOf(3), -1); // the iPod family is not offered
    // With nothing chosen in the format picker the code lands just below the family's first.
    EXPECT_EQ(FormatCodeAt(0, -1), 2099);
}

TEST(FormatCodes, PresetDigitsKeepTwoDigitsPerPickerInFieldOrder) {
    const TPresetIndexes indexes{ 3, 27, 10, 0, 9, 4 };
    EXPECT_EQ(PresetDigitsOf(indexes), "032710000904");
    EXPECT_EQ(PresetIndexesOf("032710000904"), indexes);
}

TEST(FormatCodes, ReplacingOnePickerKeepsTheOtherPairs) {
    EXPECT_EQ(ReplacePresetDigits("032710000904", ppFrameRate, 11), "032710001104");
    EXPECT_EQ(ReplacePresetDigits("032710000904", ppResolution, 0), "002710000904");
    EXPECT_EQ(ReplacePresetDigits("032710000904", ppSampleRate, 5), "032710000905");
}

TEST(FormatCodes, MalformedPresetDigitsAreRefused) {
    for (const char* text :
         { "", "03271000090", "0327100009045", "03271000090x", "-12710000904", " 32710000904" })
        EXPECT_THROW(PresetIndexesOf(text), EConvertError) << '"' << text << '"';
    EXPECT_THROW(PresetDigitsOf({ 0, 0, 0, -1, 0, 0 }), EAssertionFailed);
    EXPECT_THROW(PresetDigitsOf({ 0, 0, 0, 100, 0, 0 }), EAssertionFailed);
}

TEST(FormatCodes, FillOrderCoversEveryPickerOnceAndOnlyAudioPickersStayOn) {
    std::array<int, PresetPickerCount> seen{};
    for (const TPresetPicker picker : PresetFillOrder)
        ++seen[picker];
    for (const int count : seen)
        EXPECT_EQ(count, 1);
    int video = 0;
    for (int picker = 0; picker < PresetPickerCount; ++picker)
        video += IsVideoPicker(static_cast<TPresetPicker>(picker));
    EXPECT_EQ(video, 4);
    EXPECT_FALSE(IsVideoPicker(ppAudioBitrate));
    EXPECT_FALSE(IsVideoPicker(ppSampleRate));
}
