#include "app/FormatCatalogue.h"

#include "app/FormatCodes.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

namespace {

// clang-format off
// 0: common video containers, 100 to 114
constexpr std::string_view kFamily0[] = {
    "AVI - 音频视频交错格式(*.avi)",
    "MP4 - MPEG-4视频格式(*.mp4)",
    "DivX - 视频格式(*.avi)",
    "MOV - 苹果QuickTime视频格式(*.mov)",
    "XviD - 视频格式(*.avi)",
    "MKV - Matroska视频格式(*.mkv)",
    "MPEG-1视频格式(*.mpg)",
    "MPEG-2视频格式(*.mpg)",
    "ASF - 高级流视频格式(*.asf)",
    "3GP - 视频格式(*.3gp)",
    "WMV - 视频格式(*.wmv)",
    "DVD - 视频格式(*.mpg)",
    "SVCD - 视频格式(*.mpg)",
    "VCD - 视频格式(*.mpg)",
    "RM - REAL视频格式(*.rm)",
};

// 1: common audio formats, 200 to 212
constexpr std::string_view kFamily1[] = {
    "MP3 - MPEG Layer-3音频格式(*.mp3)",
    "WMA - Windows媒体音频格式(*.wma)",
    "WAV - 波形音频格式(*.wav)",
    "AAC - 高级音频格式(*.aac)",
    "M4A - MPEG-4音频格式(*.m4a)",
    "OGG - Ogg Vorbis音频格式(*.ogg)",
    "RA - RealAudio音频格式(*.ra)",
    "AC3 - 杜比数字AC-3音频格式(*.ac3)",
    "AIFF - 音频交换文件格式(*.aiff)",
    "MP2 - MPEG Layer-2音频格式(*.mp2)",
    "FLAC-音频格式(*.flac)",
    "MP4-MP4音频格式(*.m4a)",
    "AMR-手机音频格式(*.amr)",
};

// 2: high-definition video, 300 to 309
constexpr std::string_view kFamily2[] = {
    "高清AVI视频格式(*.avi)",
    "高清AVI视频格式(*.avi)",
    "高清H264视频格式(*.mp4)",
    "高清MPEG-4视频格式(*.mp4)",
    "高清MOV视频格式(*.mov)",
    "高清ASF视频格式(*.asf)",
    "高清WMV视频格式(*.wmv)",
    "高清DVD视频格式(*.vob)",
    "高清MPEG-2视频格式(*.mpg)",
    "高清MKV视频格式(*.mkv)",
};

// 3: iPod, 400 to 413
constexpr std::string_view kFamily3[] = {
    "iPod (320X240) 高清晰视频(*.mp4)",
    "iPod (320X240) 高压缩视频(*.mp4)",
    "iPod (320X240) 标准视频(*.mp4)",
    "iPod Video2 TV OutPut视频(*.mp4)",
    "iPod Video2 (640X480)视频(*.mp4)",
    "iPod Video2 (640X480)高清晰视频(*.mp4)",
    "iPod Video2 (640X480)高压缩视频(*.mp4)",
    "iPod touch MPEG-4视频(*.mp4)",
    "iPod touch MPEG-4 480P视频(*.mp4)",
    "iPod touch MPEG-4 480P高清晰视频(*.mp4)",
    "iPod touch MPEG-4 480P高压缩视频(*.mp4)",
    "iPod touch MPEG-4 480P宽屏视频(*.mp4)",
    "iPod touch MPEG-4 (320X240)视频(*.mp4)",
    "iPod touch MPEG-4 (480X320)视频(*.mp4)",
};

// 4: iPhone, 500 to 514
constexpr std::string_view kFamily4[] = {
    "标准iPhone MPEG-4视频(*.mp4)",
    "iPhone MPEG-4视频480P(*.mp4)",
    "高清iPhone MPEG-4视频720P(*.mp4)",
    "高清iPhone H264视频720P(*.mp4)",
    "高清iPhone H264视频1080P(*.mp4)",
    "iPhone MPEG-4视频宽屏(*.mp4)",
    "iPhone MPEG-4高清晰视频(*.mp4)",
    "iPhone MPEG-4视频(320X240)(*.mp4)",
    "iPhone MPEG-4视频(480X320)(*.mp4)",
    "iPhone 标准MOV视频(*.mov)",
    "iPhone 高清MOV视频(*.mov)",
    "iPhone 标准AVI视频-Xvid(*.avi)",
    "iPhone 高清DivX视频(*.avi)",
    "iPhone 高清AVI视频(*.avi)",
    "iPhone 高清WMV视频(*.wmv)",
};

// 5: PSP, 600 to 604
constexpr std::string_view kFamily5[] = {
    "PSP MPEG-4视频(*.mp4)",
    "PSP AVC MPEG-4视频(*.mp4)",
    "PSP高清晰MPEG-4视频(*.mp4)",
    "PSP高压缩MPEG-4视频(*.mp4)",
    "PSP Video MPEG-4视频480P(*.mp4)",
};

// 6: 3GPP, BlackBerry and common phone formats, 700 to 713
constexpr std::string_view kFamily6[] = {
    "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)",
    "3GPP -  第三代合作项目-3GP视频+AAC音频(*.3gp)",
    "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2)",
    "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)",
    "黑莓手机3GP视频+AMR音频(*.3gp)",
    "黑莓手机3GP视频+AAC音频(*.3gp)",
    "黑莓手机AVI视频(*.avi)",
    "黑莓手机MPEG-4视频(*.mp4)",
    "黑莓手机AMR音频格式(*.amr)",
    "Symbian智能平台手机专用MP4视频(*.mp4)",
    "各种手机常用的MP4视频(*.mp4)",
    "各种手机常用的AVI视频(*.avi)",
    "各种手机常用的MOV视频(*.mov)",
    "各种手机常用的MP4视频(*.mp4)",
};

// 7: Apple TV, 800 to 804
constexpr std::string_view kFamily7[] = {
    "Apple TV H264视频(320X240)(*.mp4)",
    "Apple TV H264视频480P(640X480)(*.mp4)",
    "Apple TV H264视频720P(1280X720)(*.mp4)",
    "Apple TV H264高清晰视频480P(640X480)(*.mp4)",
    "Apple TV MPEG-4高压缩视频480P(640X480)(*.mp4)",
};

// 8: Xbox360, 900 to 909
constexpr std::string_view kFamily8[] = {
    "Xbox360 HD H.264视频(*.mp4)",
    "Xbox360 MCE HD MPEG-2视频(*.mpg)",
    "Xbox360 MCE HD MPEG-2视频(*.mpg)",
    "Xbox360 MPEG-4视频(*.mp4)",
    "Xbox360 MP4高清晰视频(*.mp4)",
    "Xbox360 WMV视频(*.wmv)",
    "Xbox360 WMV HDTV视频(*.wmv)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
    "Xbox360 MCE 高清晰AVI视频(*.avi)",
};

// 9: portable players, 1000 to 1007
constexpr std::string_view kFamily9[] = {
    "爱可视AV500/GMini402视频(*.avi)",
    "爱可视AV700视频(*.avi)",
    "Creative Zen Vision视频(*.avi)",
    "Zune MPEG-4 AVC视频(*.mp4)",
    "Zune MPEG-4 AVC视频(*.mp4)",
    "Zune MPEG-4视频(*.mp4)",
    "Zune WMV多媒体视频(*.wmv)",
    "iRiver PMP-100视频(*.avi)",
};

// 10: MP4, 1100 to 1104
constexpr std::string_view kFamily10[] = {
    "MP4机播放的MP4视频格式(*.mp4)",
    "电脑上使用的MP4视频格式(*.mp4)",
    "MPEG-4视频高清晰视频(*.mp4)",
    "MP4 AVC视频(*.mp4)",
    "MP4 H264编码视频(*.mp4)",
};

// 11: Flash (FLV, SWF), 1200 to 1203
constexpr std::string_view kFamily11[] = {
    "FLV在线网络视频(*.flv)",
    "SWF动画视频FLASH动画视频(*.swf)",
    "FLV在线网络音频格式(*.flv)",
    "SWF动画视频FLASH动画音频格式(*.swf)",
};

// 12: iPad, 1300 to 1310
constexpr std::string_view kFamily12[] = {
    "iPad标准视频格式(*.mp4)",
    "iPad高清视频格式H.264编码(*.mp4)",
    "iPad MPEG-4视频格式 XviD编码 (*.mp4)",
    "iPad 720P HD高清晰视频MPEG-4(*.mp4)",
    "iPad 优化视频方案1(*.mp4)",
    "iPad 优化视频方案2(*.mp4)",
    "iPad 1080P FHD全高清晰视频MPEG-4(*.mp4)",
    "iPad 标准MOV视频(*.mov)",
    "iPad 高清MOV视频(*.mov)",
    "iPad 标准AVI视频(*.avi)",
    "iPad 高清AVI视频(*.avi)",
};

// 13: MPEG, 1400 to 1410
constexpr std::string_view kFamily13[] = {
    "MPG标准视频(*.mpg)",
    "MPEG-1标准视频(*.mpg)",
    "MPEG-2标准视频(*.mpg)",
    "MPEG-4标准视频(*.mp4)",
    "MPEG-2高清HD视频(*.mpg)",
    "MPEG-4高清HD视频(*.mp4)",
    "MPEG-2优化视频(*.mpg)",
    "MPEG-2高压缩视频(*.mpg)",
    "DVD格式高清晰视频(*.mpg)",
    "SVCD格式标清视频(*.mpg)",
    "VCD格式清晰视频(*.mpg)",
};

// 14: SWF and FLV, 1500 to 1506
constexpr std::string_view kFamily14[] = {
    "标准的SWF视频格式(*.swf)",
    "高清的SWF动画视频FLASH动画视频(*.swf)",
    "优化的SWF视频格式(*.swf)",
    "高压缩的SWF视频格式(*.swf)",
    "FLV在线网络视频(*.flv)",
    "SWF动画视频FLASH动画音频格式(*.swf)",
    "FLV在线网络音频格式(*.flv)",
};

// 15: AVI, 1600 to 1606
constexpr std::string_view kFamily15[] = {
    "AVI标准视频(*.avi)",
    "HD高清晰AVI标准视频(*.avi)",
    "网络上常用的AVI视频(*.avi)",
    "电脑上常用的AVI视频(*.avi)",
    "优化的AVI视频(*.avi)",
    "高压缩的AVI视频(*.avi)",
    "高清的HD AVI视频(*.avi)",
};

// 16: MKV, 1700 to 1706
constexpr std::string_view kFamily16[] = {
    "MKV标准视频(*.mkv)",
    "HD高清MKV视频(*.mkv)",
    "网络上常用的MKV视频(*.mkv)",
    "电脑上常用的MKV标准视频(*.mkv)",
    "优化的MKV视频(*.mkv)",
    "高压缩的MKV视频(*.mkv)",
    "高清的HD MKV视频(*.mkv)",
};

// 17: WMV, 1800 to 1806
constexpr std::string_view kFamily17[] = {
    "WMV标准视频(*.wmv)",
    "HD高清WMV视频(*.wmv)",
    "网络上常用的WMV视频(*.wmv)",
    "电脑上常用的WMV标准视频(*.wmv)",
    "优化的WMV视频(*.wmv)",
    "高压缩的WMV视频(*.wmv)",
    "高清的HD WMV视频(*.wmv)",
};

// 18: ASF, 1900 to 1906
constexpr std::string_view kFamily18[] = {
    "ASF标准视频(*.asf)",
    "HD高清ASF视频(*.asf)",
    "网络上常用的ASF视频(*.asf)",
    "电脑上常用的ASF标准视频(*.asf)",
    "优化的ASF视频(*.asf)",
    "高压缩的ASF视频(*.asf)",
    "高清的HD ASF视频(*.asf)",
};

// 19: Android, 2000 to 2011
constexpr std::string_view kFamily19[] = {
    "Android手机AVI视频(*.avi)",
    "Android手机MPEG-4视频(*.mp4)",
    "Android平台高清MP4视频(*.mp4)",
    "安卓智能平台手机专用MP4视频(*.mp4)",
    "H.264高清的MP4视频(*.mp4)",
    "各种手机常用的AVI视频DivX(*.avi)",
    "安卓适用的AVI视频Xvid(*.avi)",
    "安卓常用的MOV视频(*.mov)",
    "Android常用的WMV视频(*.wmv)",
    "Android常用的MPEG视频(*.mpg)",
    "Android平台的MKV视频(*.mkv)",
    "Android平台的FLV视频(*.flv)",
};

// 20: VOB, 2100 to 2105
constexpr std::string_view kFamily20[] = {
    "VOB标准视频(*.vob)",
    "HD高清VOB视频(*.vob)",
    "高清DVD视频格式(*.vob)",
    "电脑上常用的VOB标准视频(*.vob)",
    "优化的VOB视频(*.vob)",
    "高压缩的VOB视频(*.vob)",
};

// 21: MTS sources, 2200 to 2212
constexpr std::string_view kFamily21[] = {
    "MTS转换为标准AVI视频(*.avi)",
    "Sony HD高清MTS视频转换为HD高清AVI视频(*.avi)",
    "Sony AVCHD高清视频格式(*.avi)",
    "MTS转换为MPEG-2视频格式标准视频(*.mpg)",
    "MTS转换为MPG视频格式(*.mpg)",
    "MTS转换为MP4视频(*.mp4)",
    "MTS转换为AVI视频(*.avi)",
    "MTS转换为3GP视频(*.3gp)",
    "MTS转换为电脑常用WMV视频(*.wmv)",
    "MTS转换为网络在线常用FLV视频(*.flv)",
    "MTS视频转换为DVD视频(*.mpg)",
    "MTS视频转换为SVCD视频(*.mpg)",
    "MTS视频转换为VCD视频(*.mpg)",
};

// 22: MOD sources, 2300 to 2312
constexpr std::string_view kFamily22[] = {
    "MOD视频转换为标准AVI视频(*.avi)",
    "JVC HD高清MOD视频转换为HD高清AVI视频(*.avi)",
    "JVC DV摄像机MOD高清视频格式，转换为AVI视频格式(*.avi)",
    "MOD视频转换为MPEG-2视频格式标准视频(*.mpg)",
    "MOD视频转换为MPG视频格式(*.mpg)",
    "MOD视频转换为MP4视频(*.mp4)",
    "MOD视频转换为AVI视频(*.avi)",
    "MOD视频转换为3GP视频(*.3gp)",
    "MOD视频转换为电脑常用WMV视频(*.wmv)",
    "MOD视频转换为网络在线常用FLV视频(*.flv)",
    "MOD视频转换为DVD视频(*.mpg)",
    "MOD视频转换为SVCD视频(*.mpg)",
    "MOD视频转换为VCD视频(*.mpg)",
};

// 23: RMVB sources, 2400 to 2414
constexpr std::string_view kFamily23[] = {
    "RMVB视频转换为标准AVI视频(*.avi)",
    "HD高清RMVB视频转换为HD高清AVI视频(*.avi)",
    "RM视频格式，转换为AVI视频格式(*.avi)",
    "RMVB视频转换为MPEG-2视频格式标准视频(*.mpg)",
    "RMVB视频转换为MPG视频格式(*.mpg)",
    "RMVB视频转换为MP4视频(*.mp4)",
    "RMVB视频转换为AVI视频(*.avi)",
    "RMVB视频转换为3GP视频(*.3gp)",
    "RMVB视频转换为电脑常用WMV视频(*.wmv)",
    "RMVB视频转换为网络在线常用FLV视频(*.flv)",
    "RMVB视频转换为SWF视频(*.swf)",
    "RMVB视频转换为VOB视频(*.vob)",
    "RMVB视频转换为DVD视频(*.mpg)",
    "RMVB视频转换为SVCD视频(*.mpg)",
    "RMVB视频转换为VCD视频(*.mpg)",
};

// 24: smart phones, 2500 to 2515
constexpr std::string_view kFamily24[] = {
    "智能手机标准MP4视频(*.mp4)",
    "智能手机DivX视频(*.mp4)",
    "智能手机Xvid视频(*.mp4)",
    "H.264编码高清视频(*.mp4)",
    "智能手机高清AVI视频(*.avi)",
    "AVI视频-智能手机适用(*.avi)",
    "MKV格式视频(*.mkv)",
    "手机MOV视频(*.mov)",
    "FLV网络格式视频(*.flv)",
    "手机3GP视频(*.3gp)",
    "WMV格式视频(*.wmv)",
    "ASF格式视频(*.asf)",
    "MPG格式视频(*.mpg)",
    "智能手机支持的MPEG-2视频(*.mpg)",
    "智能手机支持的MPEG-4视频(*.mp4)",
    "手机MP3格式音频(*.mp3)",
};

// 25: tablets, 2600 to 2612
constexpr std::string_view kFamily25[] = {
    "高清AVI格式视频(*.avi)",
    "平板电脑支持的AVI视频(*.avi)",
    "平板电脑标准的MP4视频(*.mp4)",
    "适用平板电脑的DivX视频(*.mp4)",
    "Xvid视频高清(*.mp4)",
    "H.264格式高清视频(*.mp4)",
    "安卓平板电脑MPEG-2视频(*.mpg)",
    "Android平板支持的MPEG-4视频(*.mp4)",
    "MKV格式视频(*.mkv)",
    "MOV格式视频(*.mov)",
    "FLV格式视频(*.flv)",
    "平板电脑WMV视频(*.wmv)",
    "平板电脑MP3音频(*.mp3)",
};

// 26: smart TV, 2700 to 2711
constexpr std::string_view kFamily26[] = {
    "智能电视高清MP4视频(*.mp4)",
    "4K高清电视DivX视频(*.mp4)",
    "电视高清Xvid视频(*.mp4)",
    "H.264编码高清视频(*.mp4)",
    "高清智能电视AVI视频(*.avi)",
    "4K高清电视AVI视频(*.avi)",
    "智能电视适用的MKV视频(*.mkv)",
    "高清MOV格式视频(*.mov)",
    "FLV网络视频(*.flv)",
    "WMV高清视频(*.wmv)",
    "高清MPEG视频(*.mpg)",
    "MPEG-4超高清视频(*.mp4)",
};

// 27: network set-top boxes, 2800 to 2812
constexpr std::string_view kFamily27[] = {
    "高清MPEG-4视频(*.mp4)",
    "网络机顶盒标准MP4视频(*.mp4)",
    "网络机顶盒高清MP4视频DivX(*.mp4)",
    "高清Xvid编码视频(*.mp4)",
    "全高清H.264视频(*.mp4)",
    "网络机顶盒MPEG-2视频(*.mpg)",
    "网络机顶盒适用的AVI视频(*.avi)",
    "高清AVI视频-网络机顶盒(*.avi)",
    "高清MKV视频(*.mkv)",
    "高清MOV视频(*.mov)",
    "FLV格式视频(*.flv)",
    "WMV高清格式视频(*.wmv)",
    "高清晰MPG格式视频(*.mpg)",
};

constexpr std::span<const std::string_view> kFamilies[FormatFamilyCount] = {
    kFamily0, kFamily1, kFamily2, kFamily3, kFamily4, kFamily5, kFamily6, kFamily7, kFamily8,
    kFamily9, kFamily10, kFamily11, kFamily12, kFamily13, kFamily14, kFamily15, kFamily16,
    kFamily17, kFamily18, kFamily19, kFamily20, kFamily21, kFamily22, kFamily23, kFamily24,
    kFamily25, kFamily26, kFamily27,
};

constexpr std::string_view kFamilyPickerCaptions[] = {
    "VOB视频", // 20
    "常用视频", // 0
    "HD视频", // 2
    "iPhone视频", // 4
    "智能电视", // 26
    "MP4视频", // 10
    "MPG视频", // 13
    "MKV视频", // 16
    "WMV视频", // 17
    "ASF视频", // 18
    "iPad视频", // 12
    "Flash视频", // 11
    "常用音频", // 1
};
// clang-format on

// Byte offsets where the UTF-8 characters of a text begin.
std::vector<size_t> CharacterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

} // namespace

std::span<const std::string_view> FamilyFormatCaptions(int familyCode) {
    if (familyCode < 0 || familyCode >= FormatFamilyCount) return {};
    return kFamilies[familyCode];
}

std::string_view FamilyPickerCaption(int familyPosition) {
    if (familyPosition < 0 || familyPosition >= static_cast<int>(std::size(kFamilyPickerCaptions)))
        throw EListError(Format("List index out of bounds (%d)", familyPosition));
    return kFamilyPickerCaptions[familyPosition];
}

bool IsCatalogueFormat(int formatCode) {
    if (formatCode < 0) return false;
    const int index = FormatIndexOf(formatCode);
    return index < static_cast<int>(FamilyFormatCaptions(FamilyCodeOfFormat(formatCode)).size());
}

std::string_view FormatCaption(int formatCode) {
    if (!IsCatalogueFormat(formatCode))
        throw EListError(Format("List index out of bounds (%d)", formatCode));
    return FamilyFormatCaptions(FamilyCodeOfFormat(formatCode))[FormatIndexOf(formatCode)];
}

std::vector<int> CatalogueFormatCodes() {
    std::vector<int> codes;
    for (int family = 0; family < FormatFamilyCount; ++family)
        for (size_t index = 0; index < FamilyFormatCaptions(family).size(); ++index)
            codes.push_back(FormatCodeOf(family, static_cast<int>(index)));
    return codes;
}

std::string CaptionExtension(std::string_view caption) {
    // Counted in characters, not bytes: the names in front of the extension are mostly Chinese.
    const std::vector<size_t> starts = CharacterStarts(caption);
    const size_t length = starts.size();
    const size_t first = length >= 5 ? length - 5 : 0;
    const size_t last = length >= 1 ? length - 1 : 0; // the closing ")" is left out
    std::string value;
    if (first < last) {
        const size_t from = starts[first];
        const size_t to = starts[last];
        value = caption.substr(from, to - from);
    }
    if (value == "flac") return ".flac";
    if (value == "aiff") return ".aiff";
    if (value == "mpeg") return ".mpeg";
    if (value == "*.rm") return ".rm";
    if (value == "*.ra") return ".ra";
    return value;
}
