#include "app/PresetLists.h"

namespace {

// clang-format off
// Resolution (bsSkinComboBox1)
constexpr std::string_view kR01[] = {
    "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288",
    "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576",
    "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kR02[] = {
    "112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176",
    "320*208", "320*224", "320*240",
};
constexpr std::string_view kR03[] = {
    "该格式无视频",
};
constexpr std::string_view kR04[] = {
    "保持原分辨率", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080",
    "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kR05[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480",
};
constexpr std::string_view kR06[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480",
};
constexpr std::string_view kR07[] = {
    "保持原分辨率", "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320",
    "480*368", "512*384", "640*272", "640*353", "640*480", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080",
};
constexpr std::string_view kR08[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480", "720*406",
};
constexpr std::string_view kR09[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320", "480*368",
    "512*384", "640*272", "640*353", "640*480", "720*406", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080",
};
constexpr std::string_view kR10[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480",
    "704*576", "1280*720", "1440*1080", "1920*1080",
};
constexpr std::string_view kR11[] = {
    "320*240", "368*208", "480*272", "640*480", "720*480",
};
constexpr std::string_view kR12[] = {
    "112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176",
    "320*208", "320*224", "320*240", "352*288", "480*360",
};
constexpr std::string_view kR13[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "1280*720",
};
constexpr std::string_view kR14[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480",
    "704*576",
};
constexpr std::string_view kR15[] = {
    "1280*720", "1440*1080", "1920*1080",
};
constexpr std::string_view kR16[] = {
    "640*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768", "1280*720",
    "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kR17[] = {
    "704*576", "1280*720", "1440*1080", "1920*1080",
};
constexpr std::string_view kR18[] = {
    "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "704*576",
    "1280*720", "1440*1080", "1920*1080",
};
constexpr std::string_view kR19[] = {
    "160*120", "320*240", "480*272", "640*480", "720*480",
};
constexpr std::string_view kR20[] = {
    "320*240", "640*480",
};
constexpr std::string_view kR21[] = {
    "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288",
    "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576",
    "800*600", "852*480", "1024*768",
};
constexpr std::string_view kR22[] = {
    "保持原分辨率", "640*480", "720*480", "720*576", "960*540", "1024*768", "1280*720", "1280*1024",
    "1600*1024", "1600*1200", "1920*1080", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view kR23[] = {
    "保持原分辨率", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480",
    "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200",
    "2048*1536", "2560*1600",
};
constexpr std::string_view kR24[] = {
    "保持原分辨率", "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320",
    "480*368", "512*384", "640*272", "640*353", "640*480", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080", "2048*1536", "2560*1600",
};
constexpr std::string_view kR25[] = {
    "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288",
    "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480", "720*576",
    "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080", "1920*1200", "1920*1440", "2048*1536", "2560*1600",
};
constexpr std::string_view kR26[] = {
    "保持原分辨率", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480",
    "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200",
    "2048*1536", "2560*1600", "3840*2160",
};
constexpr std::string_view kR27[] = {
    "保持原分辨率", "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*320",
    "480*368", "512*384", "640*272", "640*353", "640*480", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080", "2048*1536", "2560*1600", "3840*2160",
};
constexpr std::string_view kR28[] = {
    "保持原分辨率", "640*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768",
    "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "2048*1536",
    "2560*1600",
};
constexpr std::string_view kR29[] = {
    "保持原分辨率", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480",
    "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "2048*1536",
    "2560*1600",
};
constexpr std::string_view kR30[] = {
    "保持原分辨率", "480*480", "480*576", "640*368", "640*480", "704*480", "704*576", "720*480",
    "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200",
    "1920*1080", "1920*1200", "2048*1536", "2560*1600",
};
// Video bit rate (bsSkinComboBox2)
constexpr std::string_view kV01[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps",
    "2000 kbps",
};
constexpr std::string_view kV02[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV03[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV04[] = {
    "8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps",
    "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps",
};
constexpr std::string_view kV05[] = {
    "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV06[] = {
    "无视频",
};
constexpr std::string_view kV07[] = {
    "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
    "4000 kbps",
};
constexpr std::string_view kV08[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps",
};
constexpr std::string_view kV09[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV10[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1000 kbps", "1200 kbps",
    "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV11[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV12[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV13[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV14[] = {
    "216 kbps", "384 kbps", "512 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
};
constexpr std::string_view kV15[] = {
    "8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps",
    "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps", "512 kbps",
    "600 kbps",
};
constexpr std::string_view kV16[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV17[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV18[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1000 kbps", "1200 kbps",
    "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV19[] = {
    "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV20[] = {
    "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps",
    "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV21[] = {
    "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
    "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV22[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps",
    "2000 kbps", "2500 kbps",
};
constexpr std::string_view kV23[] = {
    "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps",
};
constexpr std::string_view kV24[] = {
    "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps", "1800 kbps",
    "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV25[] = {
    "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps",
    "1800 kbps", "2000 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV26[] = {
    "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps",
    "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV27[] = {
    "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps",
    "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV28[] = {
    "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps", "1800 kbps", "2000 kbps",
    "2500 kbps", "3000 kbps", "3500 kbps",
};
constexpr std::string_view kV29[] = {
    "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps", "1800 kbps", "2000 kbps",
    "2500 kbps", "3000 kbps", "3500 kbps", "4000 kbps",
};
constexpr std::string_view kV30[] = {
    "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1000 kbps", "1200 kbps",
    "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
};
constexpr std::string_view kV31[] = {
    "528 kbps", "600 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps", "1800 kbps",
    "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV32[] = {
    "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
    "3000 kbps", "4000 kbps",
};
constexpr std::string_view kV33[] = {
    "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
    "3000 kbps", "4000 kbps",
};
// Frame rate (bsSkinComboBox9)
constexpr std::string_view kF01[] = {
    "保持原帧速率", "10.00", "13.00", "15.00", "18.00", "20.00", "23.00", "23.97", "24.00", "25.00",
    "29.97", "30.00",
};
constexpr std::string_view kF02[] = {
    "1", "2", "3", "5", "10", "12", "15",
};
constexpr std::string_view kF03[] = {
    "无视频",
};
constexpr std::string_view kF04[] = {
    "保持原帧速率", "25.00", "29.97", "30.00",
};
constexpr std::string_view kF05[] = {
    "保持原帧速率", "10.00", "12.00", "15.00", "20.00", "23.98", "24.00", "25.00", "29.97", "30.00",
};
constexpr std::string_view kF06[] = {
    "15.00", "23.98", "29.97",
};
constexpr std::string_view kF07[] = {
    "1", "2", "3", "5", "10", "12", "15", "25",
};
constexpr std::string_view kF08[] = {
    "保持原帧速率", "23.98", "24.00", "25.00", "29.97", "30.00",
};
// Audio bit rate (bsSkinComboBox3)
constexpr std::string_view kA01[] = {
    "16 kbps", "24 kbps", "32 kbps", "40 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps",
    "96 kbps", "112 kbps", "128 kbps", "144 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps",
    "320 kbps",
};
constexpr std::string_view kA02[] = {
    "5 kbps", "6 kbps", "7 kbps", "8 kbps", "10 kbps", "12 kbps",
};
constexpr std::string_view kA03[] = {
    "4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps", "7.4 kbps", "7.95 kbps", "10.2 kbps",
    "12.2 kbps",
};
constexpr std::string_view kA04[] = {
    "64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps",
};
constexpr std::string_view kA05[] = {
    "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps", "128 kbps",
};
constexpr std::string_view kA06[] = {
    "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps",
    "128 kbps",
};
// Sample rate (bsSkinComboBox10)
constexpr std::string_view kH01[] = {
    "11025", "16000", "22050", "32000", "44100", "48000",
};
constexpr std::string_view kH02[] = {
    "8000",
};
constexpr std::string_view kH03[] = {
    "22050", "32000", "44100", "48000",
};
constexpr std::string_view kH04[] = {
    "8000", "11025", "16000", "22050", "32000", "44100", "48000",
};
constexpr std::string_view kH05[] = {
    "11025", "22050", "44100",
};
constexpr std::string_view kH06[] = {
    "22050", "24000", "32000", "44100", "48000",
};
// Aspect mode (bsSkinComboBox4)
constexpr std::string_view kS01[] = {
    "保持原视频模式", "普通视频4:3模式", "宽屏视频16:9模式", "宽屏视频37:20模式", "宽屏视频47:20模式",
};
constexpr std::string_view kS02[] = {
    "保持原视频模式", "普通视频4:3模式",
};
constexpr std::string_view kS03[] = {
    "无视频",
};

constexpr TPresetList kLists[] = {
    { "R01", kR01 },
    { "R02", kR02 },
    { "R03", kR03 },
    { "R04", kR04 },
    { "R05", kR05 },
    { "R06", kR06 },
    { "R07", kR07 },
    { "R08", kR08 },
    { "R09", kR09 },
    { "R10", kR10 },
    { "R11", kR11 },
    { "R12", kR12 },
    { "R13", kR13 },
    { "R14", kR14 },
    { "R15", kR15 },
    { "R16", kR16 },
    { "R17", kR17 },
    { "R18", kR18 },
    { "R19", kR19 },
    { "R20", kR20 },
    { "R21", kR21 },
    { "R22", kR22 },
    { "R23", kR23 },
    { "R24", kR24 },
    { "R25", kR25 },
    { "R26", kR26 },
    { "R27", kR27 },
    { "R28", kR28 },
    { "R29", kR29 },
    { "R30", kR30 },
    { "V01", kV01 },
    { "V02", kV02 },
    { "V03", kV03 },
    { "V04", kV04 },
    { "V05", kV05 },
    { "V06", kV06 },
    { "V07", kV07 },
    { "V08", kV08 },
    { "V09", kV09 },
    { "V10", kV10 },
    { "V11", kV11 },
    { "V12", kV12 },
    { "V13", kV13 },
    { "V14", kV14 },
    { "V15", kV15 },
    { "V16", kV16 },
    { "V17", kV17 },
    { "V18", kV18 },
    { "V19", kV19 },
    { "V20", kV20 },
    { "V21", kV21 },
    { "V22", kV22 },
    { "V23", kV23 },
    { "V24", kV24 },
    { "V25", kV25 },
    { "V26", kV26 },
    { "V27", kV27 },
    { "V28", kV28 },
    { "V29", kV29 },
    { "V30", kV30 },
    { "V31", kV31 },
    { "V32", kV32 },
    { "V33", kV33 },
    { "F01", kF01 },
    { "F02", kF02 },
    { "F03", kF03 },
    { "F04", kF04 },
    { "F05", kF05 },
    { "F06", kF06 },
    { "F07", kF07 },
    { "F08", kF08 },
    { "A01", kA01 },
    { "A02", kA02 },
    { "A03", kA03 },
    { "A04", kA04 },
    { "A05", kA05 },
    { "A06", kA06 },
    { "H01", kH01 },
    { "H02", kH02 },
    { "H03", kH03 },
    { "H04", kH04 },
    { "H05", kH05 },
    { "H06", kH06 },
    { "S01", kS01 },
    { "S02", kS02 },
    { "S03", kS03 },
};
// clang-format on

static_assert(std::size(kLists) == PresetListCount);
static_assert(static_cast<int>(TPresetListId::S03) + 1 == PresetListCount);

} // namespace

const TPresetList& PresetList(TPresetListId id) {
    return kLists[static_cast<size_t>(id)];
}

std::span<const TPresetList> PresetLists() {
    return kLists;
}

TPresetPicker PresetListPicker(const TPresetList& list) {
    switch (list.Label.front()) {
    case 'R':
        return ppResolution;
    case 'V':
        return ppVideoBitrate;
    case 'F':
        return ppFrameRate;
    case 'A':
        return ppAudioBitrate;
    case 'H':
        return ppSampleRate;
    default:
        return ppAspect;
    }
}
