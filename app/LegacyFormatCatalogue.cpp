#include "app/LegacyFormatCatalogue.h"

#include <algorithm>
#include <array>

namespace {

// Ascending by code; a family's formats lie together in picker order. The titles are shown as
// they stand, blanks and parentheses included.
// clang-format off
constexpr TLegacyFormat kFormats[] = {
    { 100, "AVI - 音频视频交错格式(*.avi)", "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式", 0 },
    { 101, "MP4 - MPEG-4视频格式(*.mp4)", "为网络广播和视频通信制定的压缩标准,有很小的体积和清晰的画质", 1 },
    { 102, "DivX - 视频格式(*.avi)", "DivX采用MPEG-4技术来压缩的数字多媒体格式,有接近DVD的画质和完美的音质", 2 },
    { 103, "MOV - 苹果QuickTime视频格式(*.mov)", "MOV即QuickTime影片格式，它是Apple公司开发的音频视频文件格式", 3 },
    { 104, "XviD - 视频格式(*.avi)", "XviD是世界上最流行的视频编码,很多电影是用XviD压制的", 4 },
    { 105, "MKV - Matroska视频格式(*.mkv)", "Matroska是一种新的多媒体封装格式 ，有超清晰的画面，和完美的音质", 5 },
    { 106, "MPEG-1视频格式(*.mpg)", "工业级标准而设计的压缩格式，具有VHS的画质和接近CD的音质", 6 },
    { 107, "MPEG-2视频格式(*.mpg)", "工业级标准而设计的压缩格式，具有广播级的视频画质和CD的音质", 7 },
    { 108, "ASF - 高级流视频格式(*.asf)", "微软制定的高级流媒体视频格式，被广泛用于网络", 8 },
    { 109, "3GP - 视频格式(*.3gp)", "3GP是一种3G流媒体的视频编码格式，手机支持的视频格式", 9 },
    { 110, "WMV - 视频格式(*.wmv)", "WMV是微软推出的一种流媒体格式,WMV格式的体积非常小,很适合在网上播放和传输", 10 },
    { 111, "DVD - 视频格式(*.mpg)", "DVD-数字视频光盘通,常用来播放标准电视机清晰度的电影,高质量的音乐", 11 },
    { 112, "SVCD - 视频格式(*.mpg)", "SVCD采用MPEG-2压缩,比VCD视频有更好的视频质量", 12 },
    { 113, "VCD - 视频格式(*.mpg)", "可以在VCD机上直接播放,也可以在配置了光驱的电脑中播放。", 13 },
    { 114, "RM - REAL视频格式(*.rm)", "RealNetWorks推出的一种流媒体格式,低码率,很适合在网上播放和传输", 14 },
    { 200, "MP3 - MPEG Layer-3音频格式(*.mp3)", "最流行的音频格式,具有体积小,音质高的特点,几乎成为网上音乐的代名词", 0 },
    { 201, "WMA - Windows媒体音频格式(*.wma)", "微软公司推出的与MP3格式齐名的一种新的音频格式", 1 },
    { 202, "WAV - 波形音频格式(*.wav) ", "WAV为微软公司开发的波形声音文件格式", 2 },
    { 203, "AAC - 高级音频格式(*.aac)", "高级声音数据设计的文件压缩格式,与Mp3类似,苹果公司的ipod,iPhone支持的音频格式", 3 },
    { 204, "M4A - MPEG-4音频格式(*.m4a)", "M4A是MPEG4音频标准的文件,几乎所有支持MPEG4音频的软件都支持m4a音频", 4 },
    { 205, "OGG - Ogg Vorbis音频格式(*.ogg)", "OGG是一种常见的格式，在音乐软件、游戏音效、便携播放器、网络浏览器上都得到广泛支持", 5 },
    { 206, "RA - RealAudio音频格式(*.ra)", "RealNetworks制定的流媒体音频格式,便于网络传输的音频格式", 6 },
    { 207, "AC3 - 杜比数字AC-3音频格式(*.ac3)", "杜比数字AC-3是杜比公司开发的新一代家庭影院多声道数字音频系统。", 7 },
    { 208, "AIFF - 音频交换文件格式(*.aiff)", "AIFF是音频交换文件格式是Apple公司开发的声音文件格式,广泛应用于各种专业的音频软件中", 8 },
    { 209, "MP2 - MPEG Layer-2音频格式(*.mp2)", "MPEG Layer-2音频格式，具有CD级别的音质", 9 },
    { 210, "FLAC-音频格式(*.flac)", "FLAC是一套著名的无损压缩编码,所以还原CD音乐光盘音质", 10 },
    { 211, "ALAC-Apple Lossless无损音频格式(*.alac) ", "ALAC是流行的Apple Lossless无损音频格,ALAC是一种无损压缩音频技术,具有完美的CD音质", 11 },
    { 212, "AMR-手机音频格式(*.amr)", "AMR是流行的手机数字音乐文件格式之一", 12 },
    { 300, "高清AVI视频格式(*.avi)", "高清晰AVI视频格式(DivX视频编码)", 20 },
    { 301, "高清AVI视频格式(*.avi)", "高清晰AVI视频格式(XviD视频编码)", 21 },
    { 302, "高清H264视频格式(*.mp4)", "高清晰H264视频格式(H264 AVC视频编码)", 21 },
    { 303, "高清MPEG-4视频格式(*.mp4)", "高清MPEG-4视频格式)", 21 },
    { 304, "高清MOV视频格式(*.mov)", "高清MOV视频格式(QuickTime苹果视频格式)", 21 },
    { 305, "高清ASF视频格式(*.asf)", "微软高清晰ASF视频格式(高级流视频格式)", 21 },
    { 306, "高清WMV视频格式(*.wmv)", "微软高清晰WMV视频格式(高级流视频格式)", 21 },
    { 307, "高清DVD视频格式(*.vob)", "高清DVD视频格式", 21 },
    { 308, "高清MPEG-2视频格式(*.mpg)", "高清MPEG-2视频格式", 21 },
    { 309, "高清MKV视频格式(*.mkv)", "高清MKV视频格式", 21 },
    { 400, "iPod (320X240) 高清晰视频(*.mp4)", "为iPod优化的MPEG-4视频预置方案.(320*240高质量)", 20 },
    { 401, "iPod (320X240) 高压缩视频(*.mp4)", "为iPod优化的MPEG-4视频预置方案.(320*240高压缩)", 21 },
    { 402, "iPod (320X240) 标准视频(*.mp4)", "为iPod优化的MPEG-4视频预置方案.(320*240标准)", 21 },
    { 403, "iPod Video2 TV OutPut视频(*.mp4)", "为iPod优化的电视TV视频预置方案.", 21 },
    { 404, "iPod Video2 (640X480)视频(*.mp4)", "为iPod Video2优化的(640X480)视频预置方案.(640X480标准)", 21 },
    { 405, "iPod Video2 (640X480)高清晰视频(*.mp4)", "为iPod Video2优化的(640X480)视频预置方案.(640X480高清晰)", 21 },
    { 406, "iPod Video2 (640X480)高压缩视频(*.mp4)", "为iPod Video2优化的(640X480)视频预置方案.(640X480高压缩)", 21 },
    { 407, "iPod touch MPEG-4视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.", 21 },
    { 408, "iPod touch MPEG-4 480P视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(480P)", 21 },
    { 409, "iPod touch MPEG-4 480P高清晰视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(高清晰)", 21 },
    { 410, "iPod touch MPEG-4 480P高压缩视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(高压缩)", 21 },
    { 411, "iPod touch MPEG-4 480P宽屏视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(宽频)", 21 },
    { 412, "iPod touch MPEG-4 (320X240)视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(320*240)", 21 },
    { 413, "iPod touch MPEG-4 (480X320)视频(*.mp4)", "为iPod touch优化的MPEG-4视频预置方案.(480X320)", 21 },
    { 500, "iPhone MPEG-4视频(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.", 20 },
    { 501, "iPhone MPEG-4视频480P(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.(480P)", 21 },
    { 502, "iPhone MPEG-4视频宽屏(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.(宽屏)", 20 },
    { 503, "iPhone MPEG-4高清晰视频(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.(高清晰)", 21 },
    { 504, "iPhone MPEG-4视频(320X240)(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.(320*240)", 20 },
    { 505, "iPhone MPEG-4视频(480X320)(*.mp4)", "为iPhone优化的MPEG-4视频预置方案.(480*320)", 21 },
    { 600, "PSP MPEG-4视频(*.mp4)", "为PSP优化的MPEG-4视频预置方案.", 20 },
    { 601, "PSP AVC MPEG-4视频(*.mp4)", "为PSP优化的AVC MPEG-4视频预置方案.", 21 },
    { 602, "PSP高清晰MPEG-4视频(*.mp4)", "为PSP优化的MPEG-4视频预置方案.(高清晰)", 20 },
    { 603, "PSP高压缩MPEG-4视频(*.mp4)", "为PSP优化的MPEG-4视频预置方案.(高压缩)", 21 },
    { 604, "PSP Video MPEG-4视频480P(*.mp4)", "为PSP优化的MPEG-4视频预置方案.(480P)", 20 },
    { 700, "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)", "第三代合作伙伴项目3GPP制定的多媒体格式，手机视频格式.(AMR音频)", 20 },
    { 701, "3GPP -  第三代合作项目-3GP视频+AAC音频(*.3gp)", "第三代合作伙伴项目3GPP制定的多媒体格式，手机视频格式.(AAC音频)", 20 },
    { 702, "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2))", "第三代合作伙伴项目2-3GPP2制定的多媒体格式，手机视频格式.(AMR音频)", 21 },
    { 703, "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)", "第三代合作伙伴项目2-3GPP2制定的多媒体格式，手机视频格式.(AAC音频)", 21 },
    { 704, "黑莓手机3GP视频+AMR音频(*.3gp)", "为黑莓手机优化的AMR音频预置方案.(AMR音频)", 20 },
    { 705, "黑莓手机3GP视频+AAC音频(*.3gp)", "为黑莓手机优化的3GPP视频预置方案.(AAC音频)", 21 },
    { 706, "黑莓手机AVI视频(*.avi)", "为黑莓手机优化的AVI视频预置方案.", 20 },
    { 707, "黑莓手机MPEG-4视频(*.mp4)", "为黑莓手机优化的MPEG-4视频预置方案.", 21 },
    { 708, "黑莓手机AMR音频格式(*.amr)", "为黑莓手机优化的AMR音频格式预置方案.", 21 },
    { 709, "Symbian智能平台手机专用MP4视频(*.mp4)", "为智能手机手机优化的MP4视频预置方案.(如诺基亚等)", 21 },
    { 710, "各种手机常用的MP4视频(*.mp4)", "为常用手机优化的MP4视频预置方案.(如索爱/三星/摩托罗拉等)", 21 },
    { 711, "各种手机常用的AVI视频(*.avi)", "为常用手机优化的AVI视频预置方案.", 21 },
    { 712, "各种手机常用的MOV视频(*.mov)", "为手机优化的MOV视频预置方案.", 21 },
    { 713, "各种手机常用的MP4视频(*.mp4)", "为手机优化的MP4视频预置方案.", 21 },
    { 800, "Apple TV H264视频(320X240)(*.mp4)", "为Apple TV优化的MPEG-4 H264视频预置方案.(320X240)", 22 },
    { 801, "Apple TV H264视频480P(640X480)(*.mp4)", "为Apple TV优化的MPEG-4 H264视频预置方案.(640X480)", 23 },
    { 802, "Apple TV H264视频720P(1280X720)(*.mp4)", "为Apple TV优化的MPEG-4 H264视频预置方案.(1280X720)", 24 },
    { 803, "Apple TV H264高清晰视频480P(640X480)(*.mp4)", "为Apple TV优化的MPEG-4 H264视频预置方案.(640X480高清晰)", 25 },
    { 804, "Apple TV MPEG-4高压缩视频480P(640X480)(*.mp4)", "为Apple TV优化的MPEG-4视频预置方案.(640X480高压缩)", 26 },
    { 900, "Xbox360 HD H.264视频(*.mp4)", "Xbox360支持AVC/H.264视频文件.", 22 },
    { 901, "Xbox360 MCE HD MPEG-2视频(*.mpg)", "为Xbox360优化的高清晰MPEG-2视频预置方案.", 23 },
    { 902, "Xbox360 MCE HD MPEG-2视频(*.mpg)", "为Xbox360优化的高清晰MPEG-2视频预置方案.", 24 },
    { 903, "Xbox360 MPEG-4视频(*.mp4)", "为Xbox360优化的MP4视频预置方案.", 25 },
    { 904, "Xbox360 MP4高清晰视频(*.mp4)", "为Xbox360优化的MP4视频预置方案.(高清晰)", 26 },
    { 905, "Xbox360 WMV视频(*.wmv)", "为Xbox360优化的WMV视频预置方案.", 21 },
    { 906, "Xbox360 WMV HDTV视频(*.wmv)", "为Xbox360优化的WMV视频预置方案.(高清晰)", 21 },
    { 907, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(高清晰).", 21 },
    { 908, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(微软编码1).", 21 },
    { 909, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(微软编码2).", 21 },
    { 1000, "爱可视AV500/GMini402视频(*.avi)", "为爱可视AV500/GMini402优化的MPEG-4视频预置方案", 22 },
    { 1001, "爱可视AV700视频(*.avi)", "为爱可视AV700优化的MPEG-4视频预置方案", 23 },
    { 1002, "Creative Zen Vision视频(*.avi)", "为Creative Zen Vision优化的MPEG-4视频预置方案", 24 },
    { 1003, "Zune MPEG-4 AVC视频(*.mp4)", "为微软Zune优化的MPEG-4 AVC视频预置方案", 25 },
    { 1004, "Zune MPEG-4 AVC视频(*.mp4)", "为微软Zune优化的MPEG-4 AVC视频预置方案", 26 },
    { 1005, "Zune MPEG-4视频(*.mp4)", "为微软Zune优化的MPEG-4视频预置方案", 21 },
    { 1006, "Zune WMV多媒体视频(*.wmv)", "为微软Zune优化的WMV多媒体视频预置方案", 21 },
    { 1007, "iRiver PMP-100视频(*.avi)", "为iRiver PMP-100优化的MPEG-4视频预置方案", 21 },
    { 1100, "MP4机播放的MP4视频格式(*.mp4)", "为各种MP4机优化的MPEG-4视频预置方案", 22 },
    { 1101, "电脑上使用的MP4视频格式(*.mp4)", "为电脑上使用的MP4优化的MPEG-4视频预置方案", 23 },
    { 1102, "MPEG-4视频高清晰视频(*.mp4)", "MPEG-4视频预置方案(高清晰编码格式)", 24 },
    { 1103, "MP4 AVC视频(*.mp4)", "MPEG-4 AVC视频预置方案", 25 },
    { 1104, "MP4 H264编码视频(*.mp4)", "优化的MPEG-4视频预置方案(H264高清晰编码)", 26 },
    { 1200, "FLV在线网络视频(*.flv)", "在线视频网站常用的视频预置方案如(优酷、酷六、土豆网)", 22 },
    { 1201, "SWF动画视频FLASH动画视频(*.swf)", "最常用的FLASH动画视频预置方案，动画格式为SWF文件", 23 },
    { 1202, "FLV在线网络音频格式(*.flv)", "在线视频网站常用的视频预置方案如(优酷、酷六、土豆网)(音频格式)", 24 },
    { 1203, "SWF动画视频FLASH动画音频格式(*.swf)", "最常用的FLASH动画视频预置方案，动画格式为SWF文件(音频格式)", 25 },
};
// clang-format on

// Where each family's formats start in kFormats, and one past the last family.
constexpr std::array<std::size_t, LegacyFamilyCount + 1> FamilyStarts() {
    std::array<std::size_t, LegacyFamilyCount + 1> starts{};
    std::size_t i = 0;
    for (int family = 0; family < LegacyFamilyCount; ++family) {
        starts[std::size_t(family)] = i;
        while (i < std::size(kFormats) && kFormats[i].Code / 100 == family + 1)
            ++i;
    }
    starts[LegacyFamilyCount] = i;
    return starts;
}
constexpr auto kFamilyStarts = FamilyStarts();
static_assert(kFamilyStarts[LegacyFamilyCount] == std::size(kFormats));

} // namespace

std::span<const TLegacyFormat> LegacyFamilyFormats(int familyPosition) {
    if (familyPosition < 0 || familyPosition >= LegacyFamilyCount) return {};
    const std::size_t first = kFamilyStarts[std::size_t(familyPosition)];
    const std::size_t last = kFamilyStarts[std::size_t(familyPosition) + 1];
    return std::span<const TLegacyFormat>(kFormats).subspan(first, last - first);
}

std::span<const TLegacyFormat> LegacyFormatCatalogue() {
    return kFormats;
}

const TLegacyFormat* FindLegacyFormat(int code) {
    const auto it = std::ranges::find(kFormats, code, &TLegacyFormat::Code);
    return it == std::end(kFormats) ? nullptr : &*it;
}
