#include "OptionTestDispatcher.h"

#include "Src/AVUtilStubs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <unistd.h>

// Present only in sanitizer builds.
extern "C" void __lsan_disable() __attribute__((weak));
extern "C" void __lsan_enable() __attribute__((weak));

namespace {

// A German locale built for the test, where the decimal separator is a comma; none when the
// machine cannot build one.
locale_t GermanLocale() {
    static const locale_t locale = [] {
        const std::string folder =
            (std::filesystem::temp_directory_path() / ("vc-locale-" + std::to_string(getpid())))
                .string();
        std::filesystem::create_directories(folder);
        const std::string command =
            "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
        const int built = std::system(command.c_str());
        if (built != 0) {
            std::filesystem::remove_all(folder);
            return locale_t(nullptr);
        }
        setenv("LOCPATH", folder.c_str(), 1);
        // The C library keeps a few bytes of the search path for good once LOCPATH is used.
        if (__lsan_disable) __lsan_disable();
        const locale_t made = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
        if (__lsan_enable) __lsan_enable();
        unsetenv("LOCPATH");
        // The locale's files are mapped by now; the folder can go.
        std::filesystem::remove_all(folder);
        return made;
    }();
    return locale;
}

TEST(OptionLocale, ValuesParseTheSameInACommaLocale) {
    std::string error;
    ASSERT_TRUE(LoadTranscoderLibraries(error)) << error;
    const locale_t german = GermanLocale();
    if (!german) GTEST_SKIP() << "no German locale can be built here";
    const std::string options = "r=29.97;aspect=1.5;itsscale=0:0.5;qscale=2.5;t=1.5;"
                                "i_qfactor=0.71;adrift_threshold=0.25;muxpreload=0.3";
    TTestDispatcher plain;
    plain.Apply(options);

    const locale_t previous = uselocale(german);
    TTestDispatcher local;
    const std::string failure = ErrorOf([&] { local.Apply(options); });
    uselocale(previous);
    ASSERT_EQ(failure, "");

    const TTranscoderOptions& a = plain.Options();
    const TTranscoderOptions& b = local.Options();
    EXPECT_EQ(b.Fframe_rate.num, a.Fframe_rate.num);
    EXPECT_EQ(b.Fframe_rate.den, a.Fframe_rate.den);
    EXPECT_NEAR(double(b.Fframe_rate.num) / b.Fframe_rate.den, 29.97, 1e-6);
    EXPECT_FLOAT_EQ(b.Fframe_aspect_ratio, 1.5f);
    EXPECT_EQ(b.InputTSScale(0, 0), 0.5);
    EXPECT_FLOAT_EQ(b.Fvideo_qscale, 2.5f);
    EXPECT_EQ(b.Frecording_time, 1500000);
    EXPECT_FLOAT_EQ(b.Faudio_drift_threshold, 0.25f);
    EXPECT_FLOAT_EQ(b.Fmux_preload, 0.3f);
    const auto factor = [](const TTranscoderOptions& o) {
        std::uint8_t* text = nullptr;
        av::av_opt_get(o.FOptions.avcodec_opts[0].get(), "i_qfactor", 0, &text);
        const std::string value = text ? reinterpret_cast<const char*>(text) : "";
        av::av_free(text);
        return value;
    };
    EXPECT_EQ(factor(b), factor(a));
    EXPECT_TRUE(factor(a).starts_with("0.71")) << factor(a);
}

} // namespace
