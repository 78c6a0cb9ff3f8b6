#include "tools/skincheck/SkinCheck.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindata/bsSkinRecordKinds.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <exception>
#include <filesystem>
#include <utility>

namespace {

enum class TResize { Any, None, All, Across, Down, Fixed };

const char* ResizeWord(TResize mode) {
    switch (mode) {
    case TResize::None:
        return "no face";
    case TResize::All:
        return "resizable both ways";
    case TResize::Across:
        return "resizable across";
    case TResize::Down:
        return "resizable down";
    case TResize::Fixed:
        return "fixed size";
    default:
        return "any size";
    }
}

struct TNeed {
    const char* Name;
    const char* Kind;
    TResize Mode;
};

const TNeed kFrameObjects[] = {
    { "closebutton", "stdbutton", TResize::Any },
    { "minbutton", "stdbutton", TResize::Any },
    { "maxbutton", "stdbutton", TResize::Any },
    { "rollupbutton", "stdbutton", TResize::Any },
    { "sysmenubutton", "stdbutton", TResize::Any },
    { "caption", "caption", TResize::Any },
    { "menuitem", "menuitem", TResize::Any },
    { "mainmenubaritem", "mainmenubaritem", TResize::Any },
};

const TNeed kFrameControls[] = {
    { "button", "button", TResize::All },
    { "resizebutton", "button", TResize::All },
    { "resizetoolbutton", "button", TResize::All },
    { "toolbutton", "button", TResize::All },
    { "menuitembutton", "button", TResize::All },
    { "officequickbutton", "button", TResize::All },
    { "combobutton", "button", TResize::All },
    { "editbutton", "button", TResize::All },
    { "checkbox", "checkradio", TResize::Across },
    { "radiobox", "checkradio", TResize::Across },
    { "panel", "panel", TResize::All },
    { "groupbox", "panel", TResize::All },
    { "toolpanel", "panel", TResize::All },
    { "resizetoolpanel", "panel", TResize::All },
    { "statusbar", "panel", TResize::All },
    { "label", "label", TResize::All },
    { "menuheader", "label", TResize::All },
    { "stdlabel", "stdlabel", TResize::Any },
    { "edit", "edit", TResize::All },
    { "buttonedit", "edit", TResize::All },
    { "memo", "memo", TResize::All },
    { "listbox", "listbox", TResize::All },
    { "combobox", "combobox", TResize::Across },
    { "hscrollbar", "scrollbar", TResize::Across },
    { "vscrollbar", "scrollbar", TResize::Down },
    { "bothhscrollbar", "scrollbar", TResize::Across },
    { "hupdown", "updown", TResize::Any },
    { "vupdown", "updown", TResize::Any },
    { "slider", "slider", TResize::Any },
    { "tab", "tab", TResize::Any },
    { "listview", "listview", TResize::Any },
    { "treeview", "treeview", TResize::Any },
    { "scrollbox", "scrollbox", TResize::All },
    { "bevel", "bevel", TResize::Any },
    { "hsplitter", "splitter", TResize::Across },
    { "vsplitter", "splitter", TResize::Down },
    { "mainmenubar", "mainmenubar", TResize::Any },
};

const TNeed kToolControls[] = {
    { "button", "button", TResize::All },
    { "resizebutton", "button", TResize::All },
    { "resizetoolbutton", "button", TResize::All },
    { "toolbutton", "button", TResize::All },
    { "combobutton", "button", TResize::All },
    { "combobox", "combobox", TResize::Across },
    { "listbox", "listbox", TResize::All },
    { "hscrollbar", "scrollbar", TResize::Across },
    { "vscrollbar", "scrollbar", TResize::Down },
    { "bothhscrollbar", "scrollbar", TResize::Across },
    { "radiobox", "checkradio", TResize::Across },
};

const char* const kSections[] = { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                  "SKINCONTROLS" };
const char* const kCommands[] = { "cmclose",   "cmmaximize", "cmminimize",
                                  "cmsysmenu", "cmdefault",  "cmrollup" };

std::string Text(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}

std::string Text(const TPoint& p) {
    return std::to_string(p.X) + "," + std::to_string(p.Y);
}

bool IsEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

bool Inside(const TRect& r, int width, int height) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height &&
           r.Left <= r.Right && r.Top <= r.Bottom;
}

TResize ResizeOf(const TRect& skinRect, const TPoint& rt, const TPoint& lb, const TPoint& rb) {
    if (IsEmpty(skinRect)) return TResize::None;
    if (rb.X != 0 && rb.Y != 0) return TResize::All;
    if (rt.X != 0 || rt.Y != 0) return TResize::Across;
    if (lb.X != 0 || lb.Y != 0) return TResize::Down;
    return TResize::Fixed;
}

using TFaces = std::vector<std::pair<const char*, TRect>>;

// The rectangles of a control record that lie in its picture.
TFaces PictureRects(const TbsDataSkinControl& c) {
    TFaces f{ { "skinrect", c.SkinRect } };
    if (auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(&c))
        f.insert(f.end(), { { "activeskinrect", b->ActiveSkinRect },
                            { "downskinrect", b->DownSkinRect },
                            { "disabledskinrect", b->DisabledSkinRect },
                            { "focusedskinrect", b->FocusedSkinRect },
                            { "animateskinrect", b->AnimateSkinRect } });
    if (auto* r = dynamic_cast<const TbsDataSkinCheckRadioControl*>(&c))
        f.insert(f.end(), { { "activeskinrect", r->ActiveSkinRect },
                            { "checkimagerect", r->CheckImageRect },
                            { "uncheckimagerect", r->UnCheckImageRect },
                            { "activecheckimagerect", r->ActiveCheckImageRect },
                            { "activeuncheckimagerect", r->ActiveUnCheckImageRect },
                            { "unenabledcheckimagerect", r->UnEnabledCheckImageRect },
                            { "unenableduncheckimagerect", r->UnEnabledUnCheckImageRect },
                            { "grayedcheckimagerect", r->GrayedCheckImageRect },
                            { "activegrayedcheckimagerect", r->ActiveGrayedCheckImageRect } });
    if (auto* e = dynamic_cast<const TbsDataSkinEditControl*>(&c))
        f.insert(f.end(), { { "activeskinrect", e->ActiveSkinRect },
                            { "activebuttonrect", e->ActiveButtonRect },
                            { "downbuttonrect", e->DownButtonRect },
                            { "unenabledbuttonrect", e->UnEnabledButtonRect } });
    if (auto* l = dynamic_cast<const TbsDataSkinListBox*>(&c))
        f.insert(f.end(), { { "sitemrect", l->SItemRect },
                            { "activeitemrect", l->ActiveItemRect },
                            { "focusitemrect", l->FocusItemRect },
                            { "activeupbuttonrect", l->ActiveUpButtonRect },
                            { "downupbuttonrect", l->DownUpButtonRect },
                            { "activedownbuttonrect", l->ActiveDownButtonRect },
                            { "downdownbuttonrect", l->DownDownButtonRect } });
    if (auto* b = dynamic_cast<const TbsDataSkinComboBox*>(&c))
        f.insert(f.end(), { { "activeskinrect", b->ActiveSkinRect },
                            { "sitemrect", b->SItemRect },
                            { "activeitemrect", b->ActiveItemRect },
                            { "focusitemrect", b->FocusItemRect },
                            { "activebuttonrect", b->ActiveButtonRect },
                            { "downbuttonrect", b->DownButtonRect },
                            { "unenabledbuttonrect", b->UnEnabledButtonRect } });
    if (auto* s = dynamic_cast<const TbsDataSkinScrollBarControl*>(&c))
        f.insert(f.end(), { { "activeupbuttonrect", s->ActiveUpButtonRect },
                            { "downupbuttonrect", s->DownUpButtonRect },
                            { "activedownbuttonrect", s->ActiveDownButtonRect },
                            { "downdownbuttonrect", s->DownDownButtonRect },
                            { "thumbrect", s->ThumbRect },
                            { "activethumbrect", s->ActiveThumbRect },
                            { "downthumbrect", s->DownThumbRect },
                            { "glyphrect", s->GlyphRect },
                            { "activeglyphrect", s->ActiveGlyphRect },
                            { "downglyphrect", s->DownGlyphRect } });
    if (auto* u = dynamic_cast<const TbsDataSkinUpDownControl*>(&c))
        f.insert(f.end(), { { "activeupbuttonrect", u->ActiveUpButtonRect },
                            { "downupbuttonrect", u->DownUpButtonRect },
                            { "activedownbuttonrect", u->ActiveDownButtonRect },
                            { "downdownbuttonrect", u->DownDownButtonRect } });
    if (auto* s = dynamic_cast<const TbsDataSkinSlider*>(&c))
        f.insert(f.end(), { { "hrulerrect", s->HRulerRect },
                            { "hthumbrect", s->HThumbRect },
                            { "vrulerrect", s->VRulerRect },
                            { "vthumbrect", s->VThumbRect } });
    if (auto* t = dynamic_cast<const TbsDataSkinTabControl*>(&c))
        f.insert(f.end(), { { "tabrect", t->TabRect },
                            { "activetabrect", t->ActiveTabRect },
                            { "focustabrect", t->FocusTabRect },
                            { "mouseintabrect", t->MouseInTabRect },
                            { "tabsbgrect", t->TabsBGRect },
                            { "closebuttonrect", t->CloseButtonRect },
                            { "closebuttonactiverect", t->CloseButtonActiveRect },
                            { "closebuttondownrect", t->CloseButtonDownRect } });
    if (auto* p = dynamic_cast<const TbsDataSkinPanelControl*>(&c))
        f.insert(f.end(), { { "checkimagerect", p->CheckImageRect },
                            { "uncheckimagerect", p->UnCheckImageRect },
                            { "markframerect", p->MarkFrameRect },
                            { "framerect", p->FrameRect },
                            { "gripperrect", p->GripperRect } });
    if (auto* s = dynamic_cast<const TbsDataSkinSplitterControl*>(&c))
        f.push_back({ "gripperrect", s->GripperRect });
    return f;
}

// The rectangles of an object record that lie in its active picture.
TFaces ActivePictureRects(const TbsDataSkinObject& o) {
    TFaces f{ { "activeskinrect", o.ActiveSkinRect }, { "inactiveskinrect", o.InActiveSkinRect } };
    if (o.SkinRectInAPicture) f.push_back({ "skinrect", o.SkinRect });
    if (auto* b = dynamic_cast<const TbsDataSkinButton*>(&o))
        f.insert(f.end(),
                 { { "downrect", b->DownRect }, { "disableskinrsect", b->DisableSkinRect } });
    if (auto* b = dynamic_cast<const TbsDataSkinStdButton*>(&o))
        f.insert(f.end(), { { "restorerect", b->RestoreRect },
                            { "restoreactiverect", b->RestoreActiveRect },
                            { "restoredownrect", b->RestoreDownRect },
                            { "restoreinactiverect", b->RestoreInActiveRect } });
    if (auto* m = dynamic_cast<const TbsDataSkinMenuItem*>(&o))
        f.insert(f.end(), { { "dividerrect", m->DividerRect },
                            { "checkimagerect", m->CheckImageRect },
                            { "activecheckimagerect", m->ActiveCheckImageRect },
                            { "radioimagerect", m->RadioImageRect },
                            { "activeradioimagerect", m->ActiveRadioImageRect },
                            { "arrowimagerect", m->ArrowImageRect },
                            { "activearrowimagerect", m->ActiveArrowImageRect } });
    if (auto* m = dynamic_cast<const TbsDataSkinMainMenuItem*>(&o))
        f.push_back({ "downrect", m->DownRect });
    return f;
}

class TChecker {
public:
    explicit TChecker(std::vector<TSkinProblem>& problems) : FProblems(problems) {}

    void Check(const std::string& folder);

private:
    void Report(std::string where, std::string what) {
        FProblems.push_back({ std::move(where), std::move(what) });
    }
    void CheckRawIni(const TMemIniFile& ini);
    void CheckNeeds(bool frameSkin);
    void CheckPictureIndex(const std::string& where, const char* key, int index);
    const TBitmap* Picture(int index) const;
    void CheckRects(const std::string& where, const TFaces& faces, const TBitmap* picture,
                    const char* pictureName);
    void CheckGuidePoints(const TbsDataSkinCustomControl& c);
    void CheckWindowPoints(const char* section, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                           int pictureIndex);
    void CheckControls();
    void CheckObjects(bool frameSkin);
    void CheckFrame();
    void CheckNamedRecords();

    std::vector<TSkinProblem>& FProblems;
    TbsSkinData FSkin{ nullptr };
};

std::string FindIni(const std::string& folder) {
    namespace fs = std::filesystem;
    if (fs::exists(fs::path(folder) / "skin.ini")) return (fs::path(folder) / "skin.ini").string();
    std::string found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".ini") {
            if (!found.empty()) return "";
            found = entry.path().string();
        }
    return found;
}

void TChecker::Check(const std::string& folder) {
    const std::string iniName = FindIni(folder);
    if (iniName.empty()) {
        Report(folder, "holds no skin.ini and no single other .ini file");
        return;
    }
    TMemIniFile ini(iniName);
    CheckRawIni(ini);
    try {
        FSkin.LoadFromFile(iniName);
    } catch (const std::exception& e) {
        Report(iniName, std::string("does not load: ") + e.what());
        return;
    }
    if (FSkin.Empty) {
        Report(iniName, "does not load as a skin");
        return;
    }
    const bool frameSkin = !FSkin.FPictureName.empty();
    if (frameSkin && FSkin.FPicture.Empty())
        Report("PICTURES", "picture " + FSkin.FPictureName + " is missing");
    for (int i = 0; i < FSkin.FActivePicturesNames.Count(); ++i)
        if (!Picture(i))
            Report("PICTURES", "active picture " + std::to_string(i) + " (" +
                                   FSkin.FActivePicturesNames[i] + ") is missing");
    CheckNeeds(frameSkin);
    CheckControls();
    CheckObjects(frameSkin);
    if (frameSkin) CheckFrame();
    CheckNamedRecords();
}

void TChecker::CheckRawIni(const TMemIniFile& ini) {
    for (const char* section : kSections) {
        TStringList keys;
        ini.ReadSection(section, keys);
        if (keys.Count() == 0) Report(section, "section is missing or holds no key");
    }
    TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        TStringList keys;
        ini.ReadSection(sections[s], keys);
        for (int k = 0; k < keys.Count(); ++k) {
            const std::string value = ini.ReadString(sections[s], keys[k], "");
            // Rectangles and points are comma lists of numbers; the reader drops their minus
            // signs. Texts with commas and dashes are no coordinates.
            const bool numbers = value.find_first_not_of("0123456789,- ") == std::string::npos;
            if (numbers && value.find(',') != std::string::npos &&
                value.find('-') != std::string::npos)
                Report(sections[s], keys[k] + "=" + value + " has a negative coordinate");
        }
    }
    TStringList objects;
    ini.ReadSection("SKINOBJECTS", objects);
    for (int k = 0; k < objects.Count(); ++k) {
        const TbsSkinEntry entry = SplitSkinEntry(ini.ReadString("SKINOBJECTS", objects[k], ""));
        if (entry.Kind != "stdbutton") continue;
        const std::string command = ini.ReadString(entry.IDName, "command", "");
        bool known = false;
        for (const char* word : kCommands)
            known = known || command == word;
        if (!known) Report(entry.IDName, "command \"" + command + "\" is no command word");
    }
}

void TChecker::CheckNeeds(bool frameSkin) {
    const auto need = [&](const TNeed& n, bool object) {
        std::string kind;
        if (object) {
            const int i = FSkin.GetIndex(n.Name);
            if (i >= 0) kind = SkinObjectKindWord(*FSkin.ObjectList[std::size_t(i)]);
        } else {
            const int i = FSkin.GetControlIndex(n.Name);
            if (i >= 0) {
                const auto& c = *FSkin.CtrlList[std::size_t(i)];
                kind = SkinControlKindWord(c);
                auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&c);
                if (custom && n.Mode != TResize::Any && kind == n.Kind) {
                    const TResize mode =
                        ResizeOf(c.SkinRect, custom->RTPoint, custom->LBPoint, custom->RBPoint);
                    if (mode != n.Mode)
                        Report(n.Name, std::string("is ") + ResizeWord(mode) + ", needs to be " +
                                           ResizeWord(n.Mode));
                }
            }
        }
        if (kind.empty())
            Report(n.Name, std::string("record is missing (") + n.Kind + ")");
        else if (kind != n.Kind)
            Report(n.Name, "record is " + kind + ", needs " + n.Kind);
    };
    if (frameSkin) {
        for (const TNeed& n : kFrameObjects)
            need(n, true);
        for (const TNeed& n : kFrameControls)
            need(n, false);
    } else {
        for (const TNeed& n : kToolControls)
            need(n, false);
    }
}

const TBitmap* TChecker::Picture(int index) const {
    if (index < 0 || std::size_t(index) >= FSkin.FActivePictures.size()) return nullptr;
    const TBitmap* picture = FSkin.FActivePictures[std::size_t(index)].get();
    return picture && !picture->Empty() ? picture : nullptr;
}

void TChecker::CheckPictureIndex(const std::string& where, const char* key, int index) {
    if (index == -1 || Picture(index)) return;
    Report(where, std::string(key) + "=" + std::to_string(index) + " names no picture");
}

void TChecker::CheckRects(const std::string& where, const TFaces& faces, const TBitmap* picture,
                          const char* pictureName) {
    for (const auto& [key, rect] : faces) {
        if (IsEmpty(rect)) continue;
        if (!picture) {
            Report(where, std::string(key) + " and the faces after it have no picture to lie in");
            return;
        }
        if (!Inside(rect, picture->Width(), picture->Height()))
            Report(where, std::string(key) + "=" + Text(rect) + " lies outside " + pictureName +
                              " (" + std::to_string(picture->Width()) + "x" +
                              std::to_string(picture->Height()) + ")");
    }
}

void TChecker::CheckGuidePoints(const TbsDataSkinCustomControl& c) {
    if (IsEmpty(c.SkinRect)) return;
    const int w = c.SkinRect.Right - c.SkinRect.Left;
    const int h = c.SkinRect.Bottom - c.SkinRect.Top;
    const std::pair<const char*, TPoint> points[] = { { "lefttoppoint", c.LTPoint },
                                                      { "righttoppoint", c.RTPoint },
                                                      { "leftbottompoint", c.LBPoint },
                                                      { "rightbottompoint", c.RBPoint } };
    for (const auto& [key, p] : points)
        if (p.X > w || p.Y > h)
            Report(c.IDName, std::string(key) + "=" + Text(p) + " lies outside the face");
    if (!IsEmpty(c.ClRect) && !Inside(c.ClRect, w, h))
        Report(c.IDName, "clientrect=" + Text(c.ClRect) + " lies outside the face");
    switch (ResizeOf(c.SkinRect, c.RTPoint, c.LBPoint, c.RBPoint)) {
    case TResize::All:
        if (c.RTPoint.X <= c.LTPoint.X || c.RBPoint.X <= c.LBPoint.X)
            Report(c.IDName, "top or bottom edge strip is empty");
        if (c.LBPoint.Y <= c.LTPoint.Y || c.RBPoint.Y <= c.RTPoint.Y)
            Report(c.IDName, "left or right edge strip is empty");
        if (IsEmpty(c.ClRect)) Report(c.IDName, "clientrect is empty");
        break;
    case TResize::Across:
        if (c.RTPoint.X <= c.LTPoint.X) Report(c.IDName, "middle strip across is empty");
        break;
    case TResize::Down:
        if (c.LBPoint.Y <= c.LTPoint.Y) Report(c.IDName, "middle strip down is empty");
        break;
    default:
        break;
    }
}

void TChecker::CheckControls() {
    for (const auto& record : FSkin.CtrlList) {
        const TbsDataSkinControl& c = *record;
        CheckPictureIndex(c.IDName, "pictureindex", c.PictureIndex);
        CheckPictureIndex(c.IDName, "maskpictureindex", c.MaskPictureIndex);
        if (auto* p = dynamic_cast<const TbsDataSkinPanelControl*>(&c))
            CheckPictureIndex(c.IDName, "bgpictureindex", p->BGPictureIndex);
        if (auto* t = dynamic_cast<const TbsDataSkinTabControl*>(&c))
            CheckPictureIndex(c.IDName, "bgpictureindex", t->BGPictureIndex);
        // A picture index that names no picture is reported once, not again for each face.
        if (c.PictureIndex == -1 || Picture(c.PictureIndex))
            CheckRects(c.IDName, PictureRects(c), Picture(c.PictureIndex), "its picture");
        if (auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&c))
            CheckGuidePoints(*custom);
    }
}

void TChecker::CheckObjects(bool frameSkin) {
    const TBitmap* main = FSkin.FPicture.Empty() ? nullptr : &FSkin.FPicture;
    for (const auto& record : FSkin.ObjectList) {
        const TbsDataSkinObject& o = *record;
        CheckPictureIndex(o.IDName, "activepictureindex", o.ActivePictureIndex);
        CheckPictureIndex(o.IDName, "activemaskpictureindex", o.ActiveMaskPictureIndex);
        if (o.ActivePictureIndex == -1 || Picture(o.ActivePictureIndex))
            CheckRects(o.IDName, ActivePictureRects(o), Picture(o.ActivePictureIndex),
                       "its active picture");
        if (!o.SkinRectInAPicture)
            CheckRects(o.IDName, { { "skinrect", o.SkinRect } }, main, "the frame picture");
        if (dynamic_cast<const TbsDataSkinStdButton*>(&o) && o.ActivePictureIndex == -1)
            Report(o.IDName, "has no active picture for its hot and pressed faces");
        const bool capButton = dynamic_cast<const TbsDataSkinStdButton*>(&o) &&
                               !dynamic_cast<const TbsDataSkinMainMenuBarButton*>(&o);
        if (frameSkin && capButton && o.SkinRectInAPicture && IsEmpty(FSkin.ButtonsRect) &&
            IsEmpty(FSkin.CaptionRect))
            Report(o.IDName, "has its faces in a picture, but captionrect and buttonsrect leave "
                             "no row to stand in");
        if (frameSkin && capButton && !o.SkinRectInAPicture && IsEmpty(FSkin.ButtonsRect)) {
            // A caption button moves with the frame corner that holds it.
            const TRect& r = o.SkinRect;
            const bool leftTop = r.Right <= FSkin.LTPoint.X && r.Bottom <= FSkin.LTPoint.Y;
            const bool rightTop = r.Left >= FSkin.RTPoint.X && r.Bottom <= FSkin.RTPoint.Y;
            if (!leftTop && !rightTop)
                Report(o.IDName, "skinrect=" + Text(r) + " lies in no top corner of the frame");
        }
    }
}

void TChecker::CheckWindowPoints(const char* section, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                                 int pictureIndex) {
    const TBitmap* picture = Picture(pictureIndex);
    if (!picture) return;
    for (const TPoint p : { lt, rt, lb, rb })
        if (p.X > picture->Width() || p.Y > picture->Height())
            Report(section, "guide point " + Text(p) + " lies outside its picture");
    if (rt.X <= lt.X || rb.X <= lb.X || lb.Y <= lt.Y || rb.Y <= rt.Y)
        Report(section, "an edge strip is empty");
}

void TChecker::CheckFrame() {
    const int w = FSkin.FPicture.Width();
    const int h = FSkin.FPicture.Height();
    const TRect cl = FSkin.ClRect;
    if (IsEmpty(cl) || !Inside(cl, w, h))
        Report("FORMINFO",
               "clientrect=" + Text(cl) + " is empty or lies outside the frame picture");
    const TPoint lt = FSkin.LTPoint, rt = FSkin.RTPoint, lb = FSkin.LBPoint, rb = FSkin.RBPoint;
    for (const TPoint p : { lt, rt, lb, rb })
        if (p.X > w || p.Y > h)
            Report("FORMINFO", "guide point " + Text(p) + " lies outside the frame picture");
    if (rt.X <= lt.X || rb.X <= lb.X) Report("FORMINFO", "top or bottom edge strip is empty");
    if (lb.Y <= lt.Y || rb.Y <= rt.Y) Report("FORMINFO", "left or right edge strip is empty");
    CheckPictureIndex("FORMINFO", "bgpictureindex", FSkin.BGPictureIndex);
    CheckPictureIndex("FORMINFO", "mdibgpictureindex", FSkin.MDIBGPictureIndex);
    const auto& popup = FSkin.PopupWindow;
    CheckPictureIndex("POPUPWINDOW", "windowpictureindex", popup.WindowPictureIndex);
    CheckPictureIndex("POPUPWINDOW", "maskpictureindex", popup.MaskPictureIndex);
    CheckWindowPoints("POPUPWINDOW", popup.LTPoint, popup.RTPoint, popup.LBPoint, popup.RBPoint,
                      popup.WindowPictureIndex);
    const auto& hint = FSkin.HintWindow;
    CheckPictureIndex("HINTWINDOW", "windowpictureindex", hint.WindowPictureIndex);
    CheckPictureIndex("HINTWINDOW", "maskpictureindex", hint.MaskPictureIndex);
    CheckWindowPoints("HINTWINDOW", hint.LTPoint, hint.RTPoint, hint.LBPoint, hint.RBPoint,
                      hint.WindowPictureIndex);
    const auto& layer = FSkin.LayerFrame;
    CheckPictureIndex("LAYERFRAME", "pictureindex", layer.PictureIndex);
    CheckPictureIndex("LAYERFRAME", "maskpictureindex", layer.MaskPictureIndex);
}

void TChecker::CheckNamedRecords() {
    const auto control = [&](const std::string& where, const char* key, const std::string& name) {
        if (!name.empty() && FSkin.GetControlIndex(name) < 0)
            Report(where, std::string(key) + "=" + name + " names no control record");
    };
    for (const auto& record : FSkin.CtrlList) {
        const std::string& id = record->IDName;
        if (auto* c = dynamic_cast<const TbsDataSkinComboBox*>(record.get()))
            control(id, "listboxname", c->ListBoxName);
        if (auto* l = dynamic_cast<const TbsDataSkinListBox*>(record.get())) {
            control(id, "hscrollbarname", l->HScrollBarName);
            control(id, "vscrollbarname", l->VScrollBarName);
            control(id, "bothhscrollbarname", l->BothScrollBarName);
        }
        if (auto* t = dynamic_cast<const TbsDataSkinTabControl*>(record.get()))
            control(id, "updown", t->UpDown);
        if (auto* m = dynamic_cast<const TbsDataSkinMainMenuBar*>(record.get()))
            if (!m->MenuBarItem.empty() && FSkin.GetIndex(m->MenuBarItem) < 0)
                Report(id, "menubaritem=" + m->MenuBarItem + " names no object record");
    }
}

} // namespace

std::vector<TSkinProblem> CheckSkinFolder(const std::string& folder) {
    std::vector<TSkinProblem> problems;
    TChecker(problems).Check(folder);
    return problems;
}
