#pragma once
#include "lib/frame/TbsActiveSkinObject.h"
#include "lib/frame/TbsFormLayerBorder.h"
#include "lib/menus/TbsSkinMenuHost.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCollection.h"
#include "platform/forms/TComponent.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TSet.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TIcon.h"
#include "platform/gfx/TRect.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IbsMainMenuBar;
class TbsClientInActivePanel;
class TbsLayerManager;
class TbsSkinData;
class TbsSkinHint;
class TbsSkinPopupMenu;
class TCustomImageList;
class TMenu;
class TMenuItem;
class TPopupMenu;
class TMainMenu;
class TTimer;

enum TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };
enum TbsClientInActiveEffect { bsieSemiTransparent, bsieBlur };

using TbsCaptionPaintEvent = std::function<void(TCanvas& canvas, TRect r, bool active)>;
using TbsMouseUpDownObjectEvent = std::function<void(const std::string& idName, int x, int y,
                                                     TRect objectRect, TMouseButton button)>;
using TbsMouseMoveObjectEvent =
    std::function<void(const std::string& idName, int x, int y, TRect objectRect)>;
using TbsMouseEnterLeaveObjectEvent = std::function<void(const std::string& idName)>;
using TbsPaintObjectEvent =
    std::function<void(const std::string& idName, TCanvas& canvas, TRect objectRect)>;
using TbsActivateCustomObjectEvent =
    std::function<void(const std::string& idName, bool& objectVisible)>;
using TbsOnAcceptToMDITabsBar = std::function<void(bool& accept)>;

// The component that turns its form into a skinned window. It takes over the form's window
// procedure (FormWindowProc) and shortcut handling for as long as it lives; draws the frame,
// the caption area and the client background from the skin object it names, shapes the window
// with the skin's mask and answers the hit tests so that the frame moves and sizes the window;
// keeps its own window state (minimized bars, maximized onto the work area, rolled up); holds
// the frame objects made from the skin's object records and routes the frame's mouse input to
// them; owns the form's menu engine; and carries every skin change on to the form's skinned
// controls.
//
// Frame modes, decided at every message: skinned (SkinnableForm with a usable skin), drawn
// without a skin (SkinnableForm without one) and the platform's own frame (SkinnableForm off).
class TbsSkinForm : public TComponent, public TbsSkinMenuHost {
public:
    // The caption buttons and system menu items the frame offers. Inside the class, because the
    // platform's form border icons use the same value names.
    enum TbsBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
    using TbsBorderIcons = TSet<TbsBorderIcon>;

    // The owner must be a form: any other owner raises EInvalidCast.
    explicit TbsSkinForm(TComponent* owner);
    ~TbsSkinForm() override;

    std::string ClassName() const override { return "TbsSkinForm"; }
    void Notification(TComponent* component, TOperation operation) override;

    // --- Skins and frame modes ---
    TbsSkinData* SkinData() const override { return FSD; }
    // Applies the skin at once; controls are not re-skinned here.
    void SetSkinData(TbsSkinData* value);
    TbsSkinData* MenusSkinData() const override { return FMSD; }
    void SetMenusSkinData(TbsSkinData* value);
    bool UseRibbon() const { return FUseRibbon; }
    // On: the platform's frame, kept whatever SkinnableForm is set to later.
    void SetUseRibbon(bool value);
    bool GetSkinnableForm() const { return FSkinnableForm; }
    bool SkinnableForm() const { return FSkinnableForm; }
    // Switches frame modes at run time, keeping a maximized form maximized.
    void SetSkinnableForm(bool value);

    // --- Published settings ---
    TCollection& QuickButtons() { return FQuickButtons; }
    TCustomImageList* QuickImageList() const { return FQuickImageList; }
    void SetQuickImageList(TCustomImageList* value);
    bool QuickButtonsShowHint() const { return FQuickButtonsShowHint; }
    void SetQuickButtonsShowHint(bool value) { FQuickButtonsShowHint = value; }
    bool ClientInActiveEffect() const { return FClientInActiveEffect; }
    void SetClientInActiveEffect(bool value) { FClientInActiveEffect = value; }
    TbsClientInActiveEffect ClientInActiveEffectType() const { return FClientInActiveEffectType; }
    void SetClientInActiveEffectType(TbsClientInActiveEffect v) { FClientInActiveEffectType = v; }
    bool DisableSystemMenu() const { return FDisableSystemMenu; }
    void SetDisableSystemMenu(bool value) { FDisableSystemMenu = value; }
    bool AlwaysResize() const { return FAlwaysResize; }
    void SetAlwaysResize(bool value) { FAlwaysResize = value; }
    TbsPositionInMonitor PositionInMonitor() const { return FPositionInMonitor; }
    void SetPositionInMonitor(TbsPositionInMonitor value) { FPositionInMonitor = value; }
    // The status bar whose size grip hides while the form is maximized.
    TComponent* StatusBar() const { return FStatusBar; }
    void SetStatusBar(TComponent* value);
    bool UseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
    void SetUseFormCursorInNCArea(bool value) { FUseFormCursorInNCArea = value; }
    int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int value);
    int ClientWidth() const { return FClientWidth; }
    void SetClientWidth(int value) { FClientWidth = value; }
    int ClientHeight() const { return FClientHeight; }
    void SetClientHeight(int value) { FClientHeight = value; }
    bool HideCaptionButtons() const { return FHideCaptionButtons; }
    void SetHideCaptionButtons(bool value) { FHideCaptionButtons = value; }
    bool AlwaysShowInTray() const { return FAlwaysShowInTray; }
    void SetAlwaysShowInTray(bool value) { FAlwaysShowInTray = value; }
    TBitmap& LogoBitMap() { return FLogoBitMap; }
    void SetLogoBitMap(const TBitmap& value) { FLogoBitMap.Assign(value); }
    bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
    void SetLogoBitMapTransparent(bool value) { FLogoBitMapTransparent = value; }
    bool AlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
    void SetAlwaysMinimizeToTray(bool value) { FAlwaysMinimizeToTray = value; }
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool value);
    bool ShowIcon() const { return FShowIcon; }
    // Repaints the frame unless loading or designing.
    void SetShowIcon(bool value);
    bool MaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
    void SetMaximizeOnFullScreen(bool value) { FMaximizeOnFullScreen = value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value);
    // The hint window of the frame objects' hints.
    // The hint component the frame objects and quick buttons show their hints through.
    TbsSkinHint* SkinHint() const { return FSkinHint; }
    void SetSkinHint(TbsSkinHint* value);
    bool ShowObjectHint() const { return FShowObjectHint; }
    void SetShowObjectHint(bool value) { FShowObjectHint = value; }
    bool UseDefaultObjectHint() const { return FUseDefaultObjectHint; }
    void SetUseDefaultObjectHint(bool value) { FUseDefaultObjectHint = value; }
    bool MenusAlphaBlend() const { return FMenusAlphaBlend; }
    void SetMenusAlphaBlend(bool value);
    bool MenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
    void SetMenusAlphaBlendAnimation(bool value);
    int MenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
    void SetMenusAlphaBlendValue(int value);
    TFont& DefCaptionFont() { return FDefCaptionFont; }
    void SetDefCaptionFont(const TFont& value) { FDefCaptionFont.Assign(value); }
    TFont& DefInActiveCaptionFont() { return FDefInActiveCaptionFont; }
    void SetDefInActiveCaptionFont(const TFont& value) { FDefInActiveCaptionFont.Assign(value); }
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);
    TFont& DefMenuItemFont();
    void SetDefMenuItemFont(const TFont& value);
    TComponent* TrayIcon() const { return FTrayIcon; }
    void SetTrayIcon(TComponent* value);
    bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool value) { FUseDefaultSysMenu = value; }
    TComponent* MainMenuBar() const { return FMainMenuBar; }
    void SetMainMenuBar(TComponent* value);
    TComponent* MDITabsBar() const { return FMDITabsBar; }
    void SetMDITabsBar(TComponent* value);
    TPopupMenu* SystemMenu() const { return FSystemMenu; }
    void SetSystemMenu(TPopupMenu* value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value) { FMinHeight = value; }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value) { FMaxHeight = value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; }
    bool Magnetic() const { return FMagnetic; }
    void SetMagnetic(bool value) { FMagnetic = value; }
    int MagneticSize() const { return FMagneticSize; }
    void SetMagneticSize(int value) { FMagneticSize = value; }
    TbsBorderIcons BorderIcons() const { return FBorderIcons; }
    // Updates the caption buttons and repaints the frame, unless loading or designing.
    void SetBorderIcons(TbsBorderIcons value);

    // --- Window state ---
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool value);
    // The height the form has when rolled down.
    int RealHeight() const { return FRollUpState ? OldHeight : FFormHeight; }

    // --- Size limits ---
    int GetMinWidth();
    int GetMinHeight();
    int GetMaxWidth();
    int GetMaxHeight();

    // --- The component's operations ---
    bool GetFormActive() const;
    int GetIndex(const std::string& idName) const;
    void UserObjectDraw(const std::string& idName);
    void SetEnabled(const std::string& idName, bool value);
    void ClearObjects();
    std::string GetProductVersion() const { return "7.81"; }

    void ApplySkin();
    void CreateSkinObjects();
    void CreateDefaultButtons();
    void UpdateCaptionButtons();
    void UpdateButtonHints();
    // Forces a layout pass at the unchanged size: one pixel wider or narrower and back.
    void NudgeFormWidth();

    // The frame (skinned).
    void CalcSkinRects();
    void CalcObjectRects();
    void PaintNCSkin(win::HDC dc, bool useExternalDC);
    void DrawSkinObject(TbsActiveSkinObject* object);
    void UpdateCaptionActive(bool animate);
    void PaintBG(win::HDC dc);
    void PaintBG2(win::HDC dc);
    void PaintBG3(win::HDC dc);
    void DrawLogo(TCanvas& canvas);
    void DrawFormIcon(TCanvas& canvas, int x, int y);
    void UpdateRegion(bool full);
    void BuildRegion(bool full);
    bool IsMaskPoint(TPoint p);
    int SkinHitTest(TPoint p);
    bool IsNearFrameEdge(TPoint p);
    bool IsOverCaption(TPoint p);
    void SendParentBGChanged();
    void ShowClientInActiveEffect();
    void HideClientInActiveEffect();
    // The procedure of an MDI form's client window: the client has no frame, its background is
    // the skin's; previous handles what it passes on.
    void ClientWindowProc(win::HWND client, TMessage& message, const TWndMethod& previous);

    // The frame without a usable skin.
    int DefCaptionHeight() const;
    void CalcDefRects();
    void PaintNCDefault(win::HDC dc, bool useExternalDC);
    // The caption strip of the frame without a skin: grip lines, the text on a plain patch, the
    // buttons (caption: the strip's size, its origin at the window's (3, 3)).
    void PaintDefCaption(TBitmap& caption);
    void PaintBGDefault(win::HDC dc);
    void PaintMDIBGDefault(win::HDC dc);
    int DefaultHitTest(TPoint p);

    // Window states.
    void DoMinimize();
    void DoMaximize();
    void DoRestore();
    void MagneticSnap(int& x, int& y, int w, int h);
    void ApplyPositionInMonitor();
    TPoint GetPositionInMonitor(int ax, int ay, int aw, int ah) const;
    TPoint GetMinimizedPosition();
    void EnableShadow(bool showShadow, bool hideFormBefore);
    void SetFormBorderStyle(TFormBorderStyle value);
    void SetFormStyle(TFormStyle value);

    // The window procedure and the frame's mouse.
    void FormWindowProc(TMessage& message);
    void UpdateActiveObject(int x, int y, bool inFrame);
    void MouseTimerTick();
    void PointToWindow(TPoint& p) const;
    void ObjectMouseMove(int x, int y);
    void ObjectDblClick();
    void ObjectMouseDown(TMouseButton button, int x, int y);
    void ObjectMouseUp(TMouseButton button, int x, int y);
    bool IsLayeredBorderUsed() const;
    bool NeedLayeredShow() const;
    void AnimateTimerTick();
    void MorphTimerTick();
    void ResetObjectStates();
    bool IsFormSizeable() const;

    // Skin menus (the menu host).
    TbsSkinMenu& SkinMenu() override { return *FSkinMenu; }
    void SkinMenuOpen() override;
    void SkinMenuClose() override;
    void CloseMenusOnMessage(TMessage& message);
    // Main-menu mode of the menu bar ends; a popup of the bar closed while it goes on.
    void LeaveMainMenu();
    void EndMainMenuPopup();
    // The filter on the application's messages that sends keys to an open menu; installed
    // once, removed once.
    void HookAppMessages();
    void UnhookAppMessages();
    // The menu bar linked through MainMenuBar, or nil.
    IbsMainMenuBar* MenuBar() const;
    // The form's OnShortCut while the component lives: Alt+Space drops the system menu,
    // Alt+letter the menu bar's item, other keys go to the main menu's shortcuts.
    void ShortCutHandler(TMessage& message, bool& handled);
    // The filter on the application's messages while a menu is open: keys go to the menu,
    // the wheel does nothing.
    void AppMessageHook(win::MSG& msg, bool& handled);
    // A key for the open menu and the menu bar in main-menu mode.
    void MenuKeyDown(const TWMKey& message);
    // Drop-downs of an MDI form's skinned combo boxes and edits close.
    void CancelModeControls();
    // Menus shown through the skin menu: at a screen point, or below (above) a rectangle.
    void PopupSkinMenu(TMenu* menu, TPoint p);
    void PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp);
    void DoPopupMenu(TPopupMenu* menu, int x, int y);
    // The frame object named idName drops menu when pressed; nothing for other names.
    void LinkMenu(const std::string& idName, TMenu* menu, bool popupUp);
    // Alt+Space: the system menu below the frame's enabled system-menu object, if any.
    void ShowSystemMenuFromButton();

    // --- The system and tray menus ---
    // The system menu, rebuilt for the current state, at a screen point or below a rectangle.
    void ShowSystemMenuAt(int x, int y);
    void ShowSystemMenuInRect(const TRect& r);
    // Back from the tray: the main form shows, the icon hides unless AlwaysShowInTray.
    void RestoreFromTray();
    // The menu the tray icon drops: Restore, a line, Close.
    TbsSkinPopupMenu* SysTrayMenu() const { return FSysTrayMenu; }

    // What the frame objects report.
    void DoPaintEvent(const std::string& idName, TCanvas& canvas, TRect objectRect);
    void DoMouseUpEvent(const std::string& idName, int x, int y, TRect objectRect,
                        TMouseButton button);
    void DoMouseDownEvent(const std::string& idName, int x, int y, TRect objectRect,
                          TMouseButton button);
    void DoMouseMoveEvent(const std::string& idName, int x, int y, TRect objectRect);
    void DoMouseEnterEvent(const std::string& idName);
    void DoMouseLeaveEvent(const std::string& idName);

    // What the frame objects use.
    TbsLayerManager& LayerManager() { return *FLayerManager; }
    TbsLayerManager& MenuLayerManager() { return *FMenuLayerManager; }
    // A rectangle of the window (origin at the window's corner) on the screen.
    TRect ObjectScreenRect(const TRect& r) const;
    // A button of the command shows its restore face and hint: maximize while maximized,
    // minimize while minimized, roll-up while rolled up.
    bool IsRestoreState(TbsStdCommand command) const;
    // What a caption button's command does to the window (close, maximize or restore, minimize
    // or restore, roll up or down, to the tray). The hovered object leaves first, so that it
    // is drawn up before the window changes.
    void RunFrameCommand(TbsStdCommand command);
    // Hides the application's main form into the tray icon; nothing without a TrayIcon.
    void MinimizeToTray();
    // Rebuilds the system menu for the current window state and gives the items to show.
    TMenuItem* GetSystemMenuItems();

    TTimer& MouseTimer() { return *FMouseTimer; }
    TTimer& MorphTimer() { return *FMorphTimer; }
    TTimer& AnimateTimer() { return *FAnimateTimer; }
    TbsFormLayerBorder& LayerBorder() { return FBorderLayer; }
    TCustomForm* Form() const { return FForm; }

    // --- Multiple-document forms ---
    // The arrange commands of an MDI form's component; nothing on any other form. The
    // component keeps the children's window states itself, so it arranges them itself.
    void Tile();
    void Cascade();
    void MinimizeAll();
    void MaximizeAll();
    void CloseAll();
    void RestoreAll();
    bool MDIChildMaximized() const { return FMDIChildMaximized; }
    // The part of the application main form's client area its visible aligned controls leave
    // free, in the main form's client coordinates; empty without a main form.
    TRect GetMDIClientArea() const;
    // The active child when it is maximized, else the first maximized one, else nullptr.
    TCustomForm* FindMaximizedMDIChild() const;
    // The text the caption shows: the form's caption, on an MDI form with a maximized child
    // followed by " - [", the child's caption and "]".
    std::string CaptionText() const;
    // Maximized children fit the client area again; minimized ones line up again.
    void RefitMDIChildren();
    void ArrangeMinimizedChildren();
    // The children's items in the main form's window menu ("<Name>_BSFCHILDITEM") and their
    // tabs on the main form's tabs bar.
    void AddChildToMenu(TCustomForm* child);
    void DeleteChildFromMenu(TCustomForm* child);
    void UpDateChildCaptionInMenu(TCustomForm* child);
    void UpDateChildActiveInMenu();
    void MDIItemClick(TObject* sender);
    void AddChildToBar(TCustomForm* child);
    void DeleteChildFromBar(TCustomForm* child);
    void RefreshMDIBarTab(TCustomForm* child);

    // --- Events ---
    TbsCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnBeforeChangeSkinData;
    TNotifyEvent OnAfterChangeSkinData;
    TbsMouseUpDownObjectEvent OnMouseUpEvent;
    TbsMouseUpDownObjectEvent OnMouseDownEvent;
    TbsMouseMoveObjectEvent OnMouseMoveEvent;
    TbsMouseEnterLeaveObjectEvent OnMouseEnterEvent;
    TbsMouseEnterLeaveObjectEvent OnMouseLeaveEvent;
    TbsPaintObjectEvent OnPaintEvent;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnMainMenuEnter;
    TNotifyEvent OnMainMenuExit;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;
    TbsActivateCustomObjectEvent OnActivateCustomObject;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnMaximize;
    TShortCutEvent OnShortCut;
    TbsOnAcceptToMDITabsBar OnAcceptToMDITabsBar;

    // --- State other parts read ---
    bool ButtonsInLeft{ false };
    TRect OldBoundsRect;
    int OldHeight{ 0 };
    bool MaxRollUpState{ false };
    TPoint NewLTPoint, NewRBPoint, NewRTPoint, NewLBPoint;
    TRect NewClRect, NewCaptionRect, NewButtonsRect;
    int NewButtonsOffset{ 0 };
    bool NewButtonsInLeft{ false };
    TRect NewMaskRectArea;
    TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
    TRect NewDefCaptionRect;
    int FFormWidth{ 0 }, FFormHeight{ 0 }, FFormLeft{ 0 }, FFormTop{ 0 };
    int FOldFormLeft{ 0 }, FOldFormTop{ 0 };
    bool FSkinSupport{ false };
    bool FFormActive{ false };
    bool FSizeMove{ false };
    bool FSizing{ false };
    bool FFullDrag{ false };
    bool FStartShow{ true };
    bool FStopPainting{ false };
    bool FSmartEffectsShow{ false };
    bool FBorderLayerChangeSize{ false };
    bool AlwaysDisableLayeredFrames{ false };
    bool PreviewMode{ false };
    bool HMagnetized{ false }, VMagnetized{ false }, HMagnetized2{ false }, VMagnetized2{ false };
    TPoint FOnMouseDownCoord{ -1, -1 };
    bool InMenu{ false };
    bool InMainMenu{ false };
    int ActiveObject{ -1 };
    int OldActiveObject{ -1 };
    int MouseCaptureObject{ -1 };
    bool FRollUpBeforeMaximize{ false };
    bool FMDIChildMaximized{ false };
    bool FHaveShadow{ false };
    // The window has a region of the frame's making.
    bool HasRegion() const { return FRgn; }
    // The mask's four border strips at the present size.
    TBitmap RMTop, RMBottom, RMLeft, RMRight;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> ObjectList;

private:
    // Multiple-document forms: the window procedure's and the states' parts.
    TPoint MDIMinimizedPosition();
    void MaximizeMDIChild();
    void SubclassMDIClient();
    void UnsubclassMDIClient();
    void MDIShowWindow(bool shown);
    void MDIChildDestroyed();
    void MDIChildActivated();
    void RefitAsMDIChild();
    // Sends one of the MDI messages to the application main form's window.
    void NotifyMainForm(win::UINT msg);
    // Hides an open skin menu or leaves skin-menu mode; an MDI form does it for its active child.
    void CloseSkinMenuOnMessage();
    win::HWND FSubclassedClient{};

    // A fade-in in progress: the alpha it has reached, its step and its goal.
    struct TFadeIn {
        int Alpha{ 0 };
        int Step{ 1 };
        int Target{ 255 };
    };

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool LoadingOrDesigning() const;
    bool IsMDIForm() const { return FForm->FormStyle() == fsMDIForm; }
    bool IsMDIChild() const { return FForm->FormStyle() == fsMDIChild; }
    bool IsFramed() const { return FForm->BorderStyle() != bsNone; }
    bool IsMaximizedChild() const { return IsMDIChild() && FWindowState == wsMaximized; }
    bool IsMainForm() const;
    bool UsableSkin() const;
    // The frame's thickness on each side (Right and Bottom: the right and bottom widths).
    TRect FrameInsets() const;
    void ApplyClientSize();
    bool HandleReady() const { return FForm->HandleAllocated(); }
    win::HWND FormHandle() const;
    // The window's own size (the form's bounds follow it only after the size messages).
    TSize WindowSize() const;
    void NCRepaint();
    TbsActiveSkinObject* ObjectAt(int index) const;
    bool IsCaptionObject(int index) const;
    // Holds a reference that is cleared when the component it names goes.
    template <class T>
    void Link(T*& field, T* value) {
        if (field == value) return;
        if (field) field->RemoveFreeNotification(this);
        field = value;
        if (field) field->FreeNotification(this);
    }

    // The window procedure's parts.
    bool FirstDispatch(TMessage& message);
    void SecondDispatch(TMessage& message);
    void WMSize(TMessage& message);
    void WMActivate(TMessage& message);
    void WMSetText(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMGetMinMaxInfo(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMNCCalcSize(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMNCActivate(TMessage& message);
    bool WMSysCommand(TMessage& message);
    void WMSizing(TMessage& message);
    void WMMoving(TMessage& message);
    void WMEnterSizeMove(TMessage& message);
    void WMExitSizeMove(TMessage& message);
    bool SkinMessage(TMessage& message);
    void SkinChange(TMessage& message);
    bool FramePaintMessage(TMessage& message);
    void CaptionDoubleClick();

    // Show and fade-in.
    void ShowWindowFirst(TMessage& message);
    void ShowWindowSecond(TMessage& message);
    void FadeInTimer();
    void FadeStep();
    void SetFormLayered(bool layered);
    bool FadeWanted() const;

    // States.
    void SetGrip(bool visible);
    void SetFormAlpha(int alpha);

    // Caption buttons: the first visible button of a command with its own pictures.
    TbsActiveSkinObject* CaptionButtonOf(TbsStdCommand command) const;
    void LayoutCaptionButtons();
    void AnchorObjectRect(TbsActiveSkinObject& object, int dx, int dy);
    TSize ButtonSize(const TbsActiveSkinObject& object);
    void PrepareIcon();

    // The system and tray menus.
    enum TbsSystemItem { bsiMinimize, bsiMaximize, bsiRestore, bsiRollUp, bsiMinimizeToTray };
    bool WantsSystemItem(TbsSystemItem kind) const;
    TMenuItem* NewSystemItem(TbsSystemItem kind);
    void RebuildSystemMenu();
    void RebuildUserSystemMenu();
    void BuildTrayMenu();
    // An item named name whose caption is the skin's string of key (fallBack without a string
    // table) and whose click runs command.
    TMenuItem* NewMenuItem(const char* name, const char* key, const char* fallBack,
                           std::function<void()> command);
    TMenuItem* NewCloseItem(const char* name);
    void RestoreCommand();
    void ShowSystemMenu(const TRect& r);

    // Constructor-time state.
    TCustomForm* FForm{ nullptr };
    TWndMethod OldWindowProc;
    bool FIsVistaOs{ false };
    bool FIsLayerEnabled{ false };

    bool FUseRibbon{ false };
    TCollection FQuickButtons;
    TCustomImageList* FQuickImageList{ nullptr };
    bool FQuickButtonsShowHint{ false };
    std::unique_ptr<TbsLayerManager> FLayerManager;
    std::unique_ptr<TbsLayerManager> FMenuLayerManager;
    TbsFormLayerBorder FBorderLayer{ this };
    TbsClientInActivePanel* FInActivePanel{ nullptr };
    bool FClientInActiveDraw{ false };
    bool FClientInActiveEffect{ false };
    TbsClientInActiveEffect FClientInActiveEffectType{ bsieSemiTransparent };
    bool FDisableSystemMenu{ false };
    bool FInAppHook{ false };
    TMessageFilters::TToken FAppHookToken{ 0 };
    bool FAlwaysResize{ false };
    bool FSkinnableForm{ true };
    TbsPositionInMonitor FPositionInMonitor{ bspDefault };
    bool FMinimizeDefault{ false };
    TComponent* FStatusBar{ nullptr };
    bool FUseFormCursorInNCArea{ false };
    int FMaxMenuItemsInWindow{ 0 };
    int FClientWidth{ 0 };
    int FClientHeight{ 0 };
    bool FHideCaptionButtons{ false };
    bool FAlwaysShowInTray{ false };
    bool FLogoBitMapTransparent{ false };
    TBitmap FLogoBitMap;
    bool FAlwaysMinimizeToTray{ false };
    std::unique_ptr<TIcon> FIcon;
    bool FShowIcon{ false };
    bool FMaximizeOnFullScreen{ false };
    bool FAlphaBlend{ false };
    bool FAlphaBlendAnimation{ false };
    int FAlphaBlendValue{ 200 };
    TbsSkinHint* FSkinHint{ nullptr };
    bool FShowObjectHint{ false };
    bool FUseDefaultObjectHint{ true };
    bool FMenusAlphaBlend{ false };
    int FMenusAlphaBlendValue{ 200 };
    bool FMenusAlphaBlendAnimation{ false };
    TFont FDefCaptionFont;
    TFont FDefInActiveCaptionFont;
    TComponent* FTrayIcon{ nullptr };
    bool FUseDefaultSysMenu{ true };
    TPopupMenu* FSysMenu{ nullptr };
    TbsSkinPopupMenu* FSysTrayMenu{ nullptr };
    bool FInShortCut{ false };
    TComponent* FMainMenuBar{ nullptr };
    TComponent* FMDITabsBar{ nullptr };
    bool FRollUpState{ false };
    TbsBorderIcons FBorderIcons{ biSystemMenu, biMinimize, biMaximize, biRollUp };
    int FMinHeight{ 0 }, FMinWidth{ 0 }, FMaxHeight{ 0 }, FMaxWidth{ 0 };
    TbsSkinData* FSD{ nullptr };
    TbsSkinData* FMSD{ nullptr };
    TMainMenu* FMainMenu{ nullptr };
    TPopupMenu* FSystemMenu{ nullptr };
    bool FInChangeSkinData{ false };
    TWindowState FWindowState{ wsNormal };
    int FMagneticSize{ 5 };
    bool FMagnetic{ false };
    // The window owns the region it was given; this only tells that one is set.
    win::HRGN FRgn{};
    TbsSkinMenu* FSkinMenu{ nullptr };
    std::unique_ptr<TTimer> FMouseTimer;
    std::unique_ptr<TTimer> FMorphTimer;
    std::unique_ptr<TTimer> FAnimateTimer;
    std::unique_ptr<TFadeIn> FFade;
    // Cleared when the component goes: a handler may free the form while the component's own
    // code is still on the stack.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
};

using TbsBorderIcon = TbsSkinForm::TbsBorderIcon;
using TbsBorderIcons = TbsSkinForm::TbsBorderIcons;

// The size of a small icon (the caption's system-menu icon): the system's small-icon metrics,
// the caption button's size where those are 0.
TSize GetSmallIconSize();

// The first component of the form that is a form-skin component; nullptr for none.
TbsSkinForm* FindSkinForm(TCustomForm* form);

// The component of the application main form's first maximized MDI child, and of its active
// MDI child; nullptr for none.
TbsSkinForm* FindMaximizedSkinChild();
TbsSkinForm* FindActiveSkinChild();
