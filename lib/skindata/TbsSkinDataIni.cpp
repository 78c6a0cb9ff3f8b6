// The skin description's own sections (VERSION, PICTURES, FORMINFO, SKINOBJECTS and
// SKINCONTROLS), read by both loads and written by every writer.
#include "lib/skindata/TbsSkinData.h"

#include "lib/skindata/bsSkinFieldIO.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "lib/skindata/bsSkinRecordKinds.h"
#include "platform/rtl/TCustomIniFile.h"
#include "platform/rtl/TStringList.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <set>

namespace {

const char* const kVersion = "VERSION";
const char* const kPictures = "PICTURES";
const char* const kFormInfo = "FORMINFO";
const char* const kSkinObjects = "SKINOBJECTS";
const char* const kSkinControls = "SKINCONTROLS";

bool RectIsEmpty(const TRect& r) {
    return r.Right - r.Left <= 0 || r.Bottom - r.Top <= 0;
}

// The entry numbers 0 .. count-1 that the section holds, ascending. A hostile count of
// billions then costs no more than the keys that are really there.
std::vector<int> EntryNumbers(const TCustomIniFile& ini, const std::string& section, int count) {
    TStringList keys;
    ini.ReadSection(section, keys);
    std::set<int> numbers;
    for (int i = 0; i < keys.Count(); ++i) {
        const std::string& key = keys[i];
        if (key.empty() || key.size() > 10 || (key[0] == '0' && key.size() > 1)) continue;
        if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const long long number = std::stoll(key);
        if (number < count) numbers.insert(int(number));
    }
    return { numbers.begin(), numbers.end() };
}

template <class TRecord, class TCreate>
void LoadEntries(const TCustomIniFile& ini, const char* section, TCreate create,
                 std::vector<std::unique_ptr<TRecord>>& list) {
    const int count = ini.ReadInteger(section, "count", 0);
    for (const int i : EntryNumbers(ini, section, count)) {
        const TbsSkinEntry entry = SplitSkinEntry(ini.ReadString(section, IntToStr(i), ""));
        auto record = create(entry.Kind, entry.IDName);
        if (!record) continue;
        record->LoadFromFile(ini);
        list.push_back(std::move(record));
    }
}

template <class TRecord, class TWord>
void SaveEntries(TCustomIniFile& ini, const char* section, TWord word,
                 const std::vector<std::unique_ptr<TRecord>>& list) {
    ini.EraseSection(section);
    ini.WriteInteger(section, "count", int(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        ini.WriteString(section, IntToStr(std::int64_t(i)), list[i]->IDName + ":" + word(*list[i]));
        list[i]->SaveToFile(ini);
    }
}

} // namespace

void TbsSkinData::LoadVersionAndPictureNames(const TCustomIniFile& ini) {
    SkinName = ini.ReadString(kVersion, "skinname", "");
    SkinAuthor = ini.ReadString(kVersion, "skinauthor", "");
    AuthorEmail = ini.ReadString(kVersion, "authoremail", "");
    AuthorURL = ini.ReadString(kVersion, "authorurl", "");
    SkinComments = ini.ReadString(kVersion, "skincomments", "");
    FPictureName = ini.ReadString(kPictures, "picture", "");
    FInActivePictureName = ini.ReadString(kPictures, "inactivepicture", "");
    FMaskName = ini.ReadString(kPictures, "mask", "");
}

void TbsSkinData::LoadDescription(const TCustomIniFile& ini) {
    LoadFormInfo(ini);
    PopupWindow.LoadFromFile(ini);
    LayerFrame.LoadFromFile(ini);
    HintWindow.LoadFromFile(ini);
    FSkinColors.LoadFromFile(ini);
    LoadObjects(ini);
    LoadCtrls(ini);
}

namespace {

// FORMINFO's keys up to "borderwidth", in the order written.
template <class TSkin>
void ExchangeFrame(TbsSkinFieldIO& io, TSkin& s) {
    io.Point("lefttoppoint", s.LTPoint);
    io.Point("righttoppoint", s.RTPoint);
    io.Point("leftbottompoint", s.LBPoint);
    io.Point("rightbottompoint", s.RBPoint);
    io.Rect("clientrect", s.ClRect);
    io.Integer("bgpictureindex", s.BGPictureIndex, -1);
    io.Integer("mdibgpictureindex", s.MDIBGPictureIndex, -1);
    io.Boolean("leftstretch", s.LeftStretch);
    io.Boolean("rightstretch", s.RightStretch);
    io.Boolean("topstretch", s.TopStretch);
    io.Boolean("bottomstretch", s.BottomStretch);
    io.Boolean("stretcheffect", s.StretchEffect);
    io.StretchType("stretchtype", s.StretchType);
    io.Boolean("mdibgstretcheffect", s.MDIBGStretchEffect);
    io.StretchType("mdibgstretchtype", s.MDIBGStretchType);
    io.Rect("maskrectarea", s.MaskRectArea);
    io.Point("hittestlefttoppoint", s.HitTestLTPoint);
    io.Point("hittestrighttoppoint", s.HitTestRTPoint);
    io.Point("hittestleftbottompoint", s.HitTestLBPoint);
    io.Point("hittestrightbottompoint", s.HitTestRBPoint);
    io.Rect("buttonsrect", s.ButtonsRect);
    io.Rect("captionrect", s.CaptionRect);
    io.Integer("buttonsoffset", s.ButtonsOffset, 0);
    io.Boolean("buttonsinleft", s.CapButtonsInLeft);
    io.Boolean("mainmenupopupup", s.MainMenuPopupUp);
    io.Integer("borderwidth", s.BorderW, 0);
    io.Boolean("autorenderinginactiveimage", s.AutoRenderingInActiveImage);
}

// The keys after the inactive effect.
template <class TSkin>
void ExchangeFrameTail(TbsSkinFieldIO& io, TSkin& s) {
    io.Integer("formminwidth", s.FormMinWidth, 0);
    io.Boolean("mditabstransparent", s.MDITabsTransparent);
    io.Boolean("mainmenubartransparent", s.MainMenuBarTransparent);
}

} // namespace

void TbsSkinData::LoadFormInfo(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, kFormInfo);
    ExchangeFrame(reader, *this);
    InActiveEffect = ReadInActiveEffect(ini, kFormInfo, "inactiveeffect");
    ExchangeFrameTail(reader, *this);
    NormaliseFormInfo();
}

void TbsSkinData::NormaliseFormInfo() {
    if (!FMaskName.empty()) {
        if (RectIsEmpty(MaskRectArea)) {
            MaskRectArea = ClRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClRect.Bottom);
        }
        const auto fallBack = [](TPoint& hitTest, const TPoint& corner) {
            if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
        };
        fallBack(HitTestLTPoint, LTPoint);
        fallBack(HitTestRTPoint, RTPoint);
        fallBack(HitTestLBPoint, LBPoint);
        fallBack(HitTestRBPoint, RBPoint);
    }
    if (RBPoint.X == LTPoint.X || RBPoint.Y == LTPoint.Y) return;
    LTPoint.X = std::max(LTPoint.X, ClRect.Left);
    LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
    RTPoint.X = std::min(RTPoint.X, ClRect.Right);
    RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
    LBPoint.X = std::max(LBPoint.X, ClRect.Left);
    LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
    RBPoint.X = std::min(RBPoint.X, ClRect.Right);
    RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
}

void TbsSkinData::LoadObjects(const TCustomIniFile& ini) {
    LoadEntries(ini, kSkinObjects, CreateSkinObjectRecord, ObjectList);
}

void TbsSkinData::LoadCtrls(const TCustomIniFile& ini) {
    LoadEntries(ini, kSkinControls, CreateSkinControlRecord, CtrlList);
}

void TbsSkinData::SaveFormInfo(TCustomIniFile& ini) {
    TbsSkinFieldWriter writer(ini, kFormInfo);
    ExchangeFrame(writer, *this);
    WriteInActiveEffect(ini, kFormInfo, "inactiveeffect", InActiveEffect);
    ExchangeFrameTail(writer, *this);
}

void TbsSkinData::SaveObjects(TCustomIniFile& ini) {
    SaveEntries(ini, kSkinObjects, SkinObjectKindWord, ObjectList);
}

void TbsSkinData::SaveCtrls(TCustomIniFile& ini) {
    SaveEntries(ini, kSkinControls, SkinControlKindWord, CtrlList);
}

void TbsSkinData::WriteSkinIni(TCustomIniFile& ini) {
    ini.EraseSection(kVersion);
    ini.WriteInteger(kVersion, "ver", 1);
    ini.WriteString(kVersion, "skinname", SkinName);
    ini.WriteString(kVersion, "skinauthor", SkinAuthor);
    ini.WriteString(kVersion, "authoremail", AuthorEmail);
    ini.WriteString(kVersion, "authorurl", AuthorURL);
    ini.WriteString(kVersion, "skincomments", SkinComments);

    ini.EraseSection(kPictures);
    ini.WriteString(kPictures, "picture", FPictureName);
    ini.WriteString(kPictures, "inactivepicture", FInActivePictureName);
    ini.WriteString(kPictures, "mask", FMaskName);
    SkinIniWriteStrings(ini, kPictures, "activepictures", FActivePicturesNames);

    ini.EraseSection(kFormInfo);
    SaveFormInfo(ini);

    PopupWindow.SaveToFile(ini);
    LayerFrame.SaveToFile(ini);
    HintWindow.SaveToFile(ini);
    ini.EraseSection(TbsSkinColors::Section);
    FSkinColors.SaveToFile(ini);

    SaveObjects(ini);
    SaveCtrls(ini);
}
