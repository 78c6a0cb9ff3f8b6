#pragma once
#include "platform/win/WinDefs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win {

// The skin object's messages to the forms: WParam is the sending TbsSkinData, LParam 1000.
constexpr UINT WM_SKINBEFORECHANGE = 1225;
constexpr UINT WM_SKINCHANGE = 1226;
constexpr UINT WM_SKINAFTERCHANGE = 1227;
constexpr UINT WM_SKINSTRINGSCHANGED = 1274;
constexpr UINT WM_SKINNABLEFORMCHANGED = 1294;
constexpr UINT WM_SKINLAYEREDBORDERS = 1427;

// Between the skinned controls and their neighbours. To the control a skinned menu was shown
// for: the menu closed, or ran a chosen item's command.
constexpr UINT WM_SKINMENUCLOSED = 1228;
constexpr UINT WM_SKINMENUCOMMAND = 1229;
// Both parameters 0: repaint from the parent's background, which has changed.
constexpr UINT WM_PARENTBGCHANGED = 1284;
// A push button's glow layer.
constexpr UINT WM_SKINSHOWGLOW = 1424;
constexpr UINT WM_SKINHIDEGLOW = 1425;
// Paint requests carrying a DC in WParam; nothing in the program sends them.
constexpr UINT WM_SKINHEADERPAINT = 45512;
constexpr UINT WM_SKINFRAMEPAINT = 45513;
constexpr UINT WM_SKINLISTBGPAINT = 48202;
constexpr UINT WM_SKINFRAMEPAINTEX = 48203;
// WM_SKINFRAMEPAINT's answer when the frame was painted.
constexpr LRESULT SKIN_FRAME_PAINTED = 12851;
// The LParam that WM_SKINLISTBGPAINT and WM_SKINFRAMEPAINTEX must carry, and the latter's answer.
constexpr LPARAM SKIN_PAINT_KEY = 16802;

} // namespace win

constexpr win::LPARAM SkinMessageLParam = 1000;

// A form as the skin object sees it when it announces a change: who it is (to tell the owner
// apart), its class name (the layered border's side windows are left out) and how to send it
// a message synchronously.
struct TbsSkinMessageForm {
    const void* Identity{ nullptr };
    std::string ClassName;
    std::function<void(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)> Send;
};

// The skin object's owner when that is a form, and the screen's forms in the screen's order.
struct TbsSkinMessageForms {
    std::optional<TbsSkinMessageForm> OwnerForm;
    std::vector<TbsSkinMessageForm> ScreenForms;
};

// The forms a skin message goes to, in sending order. Without layered borders the owner form
// hears it first; with layered borders in a skin that draws them, the screen's forms are
// messaged last to first and the owner takes its place among them.
std::vector<const TbsSkinMessageForm*>
SkinMessageOrder(const TbsSkinMessageForms& forms, bool showLayeredBorders, bool skinHasLayerFrame);
