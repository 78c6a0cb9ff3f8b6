#include "Src/FFmpegTasks/OptionRecords.h"
#include "Src/FFmpegTasks/OptionText.h"
#include "Src/FFmpegTasks/TaskOptionRecords.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(OptionRecords, ResetLeavesEveryFieldAtTheTranscoderDefault) {
    TOutputOptions out;
    out.FileName = "a.mpg";
    out.VideoSyncMethod = 2;
    out.AudioSyncMethod = 1;
    out.MuxDelay = 0.5f;
    out.Info.TimeStamp = 3.0;
    out.Info.Title = "t";
    out.NormDefault = ntNTSC;
    out.TargetType = ttDVD;
    out.TimeLength = 5;
    out.DisableAudio = true;
    InitOutputOptions(out);
    EXPECT_EQ(out.FileName, "");
    EXPECT_EQ(out.VideoSyncMethod, -1);
    EXPECT_EQ(out.AudioSyncMethod, 0);
    EXPECT_EQ(out.MuxDelay, -1.0f);
    EXPECT_EQ(out.MuxPreload, -1.0f);
    EXPECT_EQ(out.Info.TimeStamp, -1.0);
    EXPECT_EQ(out.Info.Year, -1);
    EXPECT_EQ(out.Info.Title, "");
    EXPECT_EQ(out.NormDefault, ntPAL);
    EXPECT_EQ(out.NormType, ntAuto);
    EXPECT_EQ(out.TargetType, ttIgnore);
    EXPECT_EQ(out.TimeStart, kNoTime);
    EXPECT_EQ(out.TimeLength, kNoTime);
    EXPECT_EQ(out.CropTop, -1);
    EXPECT_EQ(out.AudioVolume, -1);
    EXPECT_FALSE(out.DisableAudio);

    TInputOptions in;
    in.TimeStart = 7;
    in.ProgramID = 3;
    in.ExtOptions = "x=1";
    InitInputOptions(in);
    EXPECT_EQ(in.TimeStart, kNoTime);
    EXPECT_EQ(in.ProgramID, -1);
    EXPECT_EQ(in.ExtOptions, "");
}

TEST(OptionText, SplitsLinesAndNameValuePairs) {
    using L = std::vector<TOptionLine>;
    const std::pair<const char*, L> cases[] = {
        { "", {} },
        { "   ", {} },
        { "b=1000", { { "b", "1000" } } },
        { "  ab=64000<CRLF>ar=22050  ", { { "ab", "64000" }, { "ar", "22050" } } },
        { "a=1\r\nb=2\rc=3\nd=4", { { "a", "1" }, { "b", "2" }, { "c", "3" }, { "d", "4" } } },
        { "metadata=title=a=b", { { "metadata", "title=a=b" } } },
        { "deinterlace", { { "deinterlace", "" } } },
        { "a=1\n\nb=", { { "a", "1" }, { "", "" }, { "b", "" } } },
        { "=5", { { "", "5" } } },
        { "a=1<CRLF>", { { "a", "1" } } },
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitOptionText(text), lines) << text;
}

TEST(OptionText, AppliesInOrderLowerCasesNamesAndSkipsOutputSideNames) {
    const std::string text = "Deinterlace=Yes<CRLF>acodec=mp2\nvcodec=mpeg4\nS=320x240\n"
                             "newaudio=\nvpre=fast\nVF=crop\nscodec=dvdsub\nb=1000";
    std::vector<TOptionLine> input, output;
    ApplyOptionText(text, true, [&](const std::string& n, const std::string& v) {
        input.push_back({ n, v });
    });
    ApplyOptionText(text, false, [&](const std::string& n, const std::string& v) {
        output.push_back({ n, v });
    });
    const std::vector<TOptionLine> expectedInput = { { "deinterlace", "Yes" }, { "acodec", "mp2" },
                                                     { "vcodec", "mpeg4" },    { "s", "320x240" },
                                                     { "scodec", "dvdsub" },   { "b", "1000" } };
    const std::vector<TOptionLine> expectedOutput = { { "deinterlace", "Yes" }, { "b", "1000" } };
    EXPECT_EQ(input, expectedInput);
    EXPECT_EQ(output, expectedOutput);
}

TEST(OptionText, AFailingLineStopsTheRestButKeepsWhatWentBefore) {
    std::vector<std::string> applied;
    EXPECT_THROW(ApplyOptionText("a=1\nbad=2\nc=3", true,
                                 [&](const std::string& n, const std::string&) {
                                     if (n == "bad") throw std::runtime_error("bad");
                                     applied.push_back(n);
                                 }),
                 std::runtime_error);
    EXPECT_EQ(applied, std::vector<std::string>{ "a" });
}

} // namespace

namespace {

TEST(TaskOptionRecords, KeepsOwnCopiesPerFileIndex) {
    TTaskOptionRecords records(3);
    EXPECT_EQ(records.InputOptions(0), nullptr);
    EXPECT_EQ(records.OutputOptions(2), nullptr);

    TInputOptions in;
    in.FileName = "in.vob";
    in.ProgramID = 2;
    records.SetInputOptions(1, in);
    in.FileName = "changed";
    ASSERT_NE(records.InputOptions(1), nullptr);
    EXPECT_EQ(records.InputOptions(1)->FileName, "in.vob");

    TOutputOptions out;
    out.VideoCodec = "mpeg4";
    records.SetOutputOptions(2, out);
    records.ResetOutputOptions(2);
    ASSERT_NE(records.OutputOptions(2), nullptr);
    EXPECT_EQ(records.OutputOptions(2)->VideoCodec, "");
    EXPECT_EQ(records.OutputOptions(2)->VideoSyncMethod, -1);

    records.ResetInputOptions(0);
    EXPECT_EQ(records.InputOptions(0), nullptr);
}

TEST(TaskOptionRecords, RefusesIndexesOutsideItsFiles) {
    TTaskOptionRecords records(2);
    EXPECT_THROW(records.SetInputOptions(2, TInputOptions()), EListError);
    EXPECT_THROW(records.SetOutputOptions(-1, TOutputOptions()), EListError);
    EXPECT_THROW(records.InputOptions(5), EListError);
    EXPECT_THROW(records.ResetOutputOptions(2), EListError);
}

} // namespace
