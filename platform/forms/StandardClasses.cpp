#include "platform/forms/DragClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include <mutex>

namespace {

using namespace properties;

// A property reached through a sub-object (Font.Name, Constraints.MinWidth).
template <typename T, typename F>
TPropertySetter Through(F apply) {
    return [apply](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        apply(*Target<T>(o), v);
    };
}

void RegisterControl(TClassRegistry& r) {
    const std::string c = "TControl";
    r.RegisterClass(c, "TComponent");
    r.RegisterProperty(c, "Left", Integer(&TControl::SetLeft));
    r.RegisterProperty(c, "Top", Integer(&TControl::SetTop));
    r.RegisterProperty(c, "Width", Integer(&TControl::SetWidth));
    r.RegisterProperty(c, "Height", Integer(&TControl::SetHeight));
    r.RegisterProperty(c, "ClientWidth", Integer(&TControl::SetClientWidth));
    r.RegisterProperty(c, "ClientHeight", Integer(&TControl::SetClientHeight));
    r.RegisterProperty(c, "Visible", Boolean(&TControl::SetVisible));
    r.RegisterProperty(c, "Enabled", Boolean(&TControl::SetEnabled));
    r.RegisterProperty(c, "Caption", String(&TControl::SetCaption));
    r.RegisterProperty(c, "Text", String(&TControl::SetText));
    r.RegisterProperty(c, "Hint", String(&TControl::SetHint));
    r.RegisterProperty(c, "ShowHint", Boolean(&TControl::SetShowHint));
    r.RegisterProperty(c, "ParentShowHint", Boolean(&TControl::SetParentShowHint));
    r.RegisterProperty(c, "ParentColor", Boolean(&TControl::SetParentColor));
    r.RegisterProperty(c, "ParentFont", Boolean(&TControl::SetParentFont));
    r.RegisterProperty(c, "Color", Through<TControl>([](TControl& t, const TDescriptionValue& v) {
                           t.SetColor(ColorOf(v));
                       }));
    r.RegisterProperty(c, "Cursor", Integer(&TControl::SetCursor));
    r.RegisterProperty(c, "Align",
                       Enum(&TControl::SetAlign, TNames<TAlign>{ { "alNone", alNone },
                                                                 { "alTop", alTop },
                                                                 { "alBottom", alBottom },
                                                                 { "alLeft", alLeft },
                                                                 { "alRight", alRight },
                                                                 { "alClient", alClient },
                                                                 { "alCustom", alCustom } }));
    r.RegisterProperty(c, "Anchors",
                       Set(&TControl::SetAnchors, TNames<TAnchorKind>{ { "akLeft", akLeft },
                                                                       { "akTop", akTop },
                                                                       { "akRight", akRight },
                                                                       { "akBottom", akBottom } }));
    r.RegisterProperty(c, "PopupMenu", Reference(&TControl::SetPopupMenu));
    r.RegisterProperty(c, "Action", Reference(&TControl::SetAction));
    RegisterFontProperties(r, c, "Font",
                           [](TPersistent* o) -> TFont& { return Target<TControl>(o)->Font(); });
    auto constraint = [&](const char* name, void (TSizeConstraints::*set)(int)) {
        r.RegisterProperty(c, std::string("Constraints.") + name,
                           Through<TControl>([set](TControl& t, const TDescriptionValue& v) {
                               (t.Constraints().*set)(int(IntegerOf(v)));
                           }));
    };
    constraint("MinWidth", &TSizeConstraints::SetMinWidth);
    constraint("MinHeight", &TSizeConstraints::SetMinHeight);
    constraint("MaxWidth", &TSizeConstraints::SetMaxWidth);
    constraint("MaxHeight", &TSizeConstraints::SetMaxHeight);
    r.RegisterProperty(c, "OnClick", Event(&TControl::OnClick));
    r.RegisterProperty(c, "OnDblClick", Event(&TControl::OnDblClick));
    r.RegisterProperty(c, "OnMouseDown", Event(&TControl::OnMouseDown));
    r.RegisterProperty(c, "OnMouseUp", Event(&TControl::OnMouseUp));
    r.RegisterProperty(c, "OnMouseMove", Event(&TControl::OnMouseMove));
    r.RegisterProperty(c, "OnMouseEnter", Event(&TControl::OnMouseEnter));
    r.RegisterProperty(c, "OnMouseLeave", Event(&TControl::OnMouseLeave));
    r.RegisterProperty(c, "OnResize", Event(&TControl::OnResize));
    r.RegisterProperty(c, "OnCanResize", Event(&TControl::OnCanResize));
}

void RegisterWinControl(TClassRegistry& r) {
    const std::string c = "TWinControl";
    r.RegisterClass(c, "TControl", [](TComponent* owner) { return new TWinControl(owner); });
    r.RegisterProperty(c, "TabOrder", Integer(&TWinControl::SetTabOrder));
    r.RegisterProperty(c, "TabStop", Boolean(&TWinControl::SetTabStop));
    r.RegisterProperty(c, "OnEnter", Event(&TWinControl::OnEnter));
    r.RegisterProperty(c, "OnExit", Event(&TWinControl::OnExit));
    r.RegisterProperty(c, "OnKeyDown", Event(&TWinControl::OnKeyDown));
    r.RegisterProperty(c, "OnKeyUp", Event(&TWinControl::OnKeyUp));
    r.RegisterProperty(c, "OnKeyPress", Event(&TWinControl::OnKeyPress));
    r.RegisterClass("TGraphicControl", "TControl",
                    [](TComponent* owner) { return new TGraphicControl(owner); });
    r.RegisterClass("TCustomControl", "TWinControl",
                    [](TComponent* owner) { return new TCustomControl(owner); });
}

void RegisterForm(TClassRegistry& r) {
    const std::string c = "TCustomForm";
    r.RegisterClass(c, "TWinControl");
    r.RegisterClass("TForm", c);
    r.RegisterProperty(c, "BorderStyle",
                       Enum(&TCustomForm::SetBorderStyle,
                            TNames<TFormBorderStyle>{ { "bsNone", bsNone },
                                                      { "bsSingle", bsSingle },
                                                      { "bsSizeable", bsSizeable },
                                                      { "bsDialog", bsDialog },
                                                      { "bsToolWindow", bsToolWindow },
                                                      { "bsSizeToolWin", bsSizeToolWin } }));
    r.RegisterProperty(
        c, "BorderIcons",
        Set(&TCustomForm::SetBorderIcons, TNames<TBorderIcon>{ { "biSystemMenu", biSystemMenu },
                                                               { "biMinimize", biMinimize },
                                                               { "biMaximize", biMaximize },
                                                               { "biHelp", biHelp } }));
    r.RegisterProperty(c, "Position",
                       Enum(&TCustomForm::SetPosition,
                            TNames<TPosition>{ { "poDesigned", poDesigned },
                                               { "poDefault", poDefault },
                                               { "poDefaultPosOnly", poDefaultPosOnly },
                                               { "poDefaultSizeOnly", poDefaultSizeOnly },
                                               { "poScreenCenter", poScreenCenter },
                                               { "poDesktopCenter", poDesktopCenter },
                                               { "poMainFormCenter", poMainFormCenter },
                                               { "poOwnerFormCenter", poOwnerFormCenter } }));
    r.RegisterProperty(
        c, "FormStyle",
        Enum(&TCustomForm::SetFormStyle, TNames<TFormStyle>{ { "fsNormal", fsNormal },
                                                             { "fsMDIChild", fsMDIChild },
                                                             { "fsMDIForm", fsMDIForm },
                                                             { "fsStayOnTop", fsStayOnTop } }));
    r.RegisterProperty(
        c, "WindowState",
        Enum(&TCustomForm::SetWindowState, TNames<TWindowState>{ { "wsNormal", wsNormal },
                                                                 { "wsMinimized", wsMinimized },
                                                                 { "wsMaximized", wsMaximized } }));
    r.RegisterProperty(c, "KeyPreview", Boolean(&TCustomForm::SetKeyPreview));
    r.RegisterProperty(c, "ActiveControl", Reference(&TCustomForm::SetActiveControl));
    r.RegisterProperty(c, "OnCreate", Event(&TCustomForm::OnCreate));
    r.RegisterProperty(c, "OnDestroy", Event(&TCustomForm::OnDestroy));
    r.RegisterProperty(c, "OnShow", Event(&TCustomForm::OnShow));
    r.RegisterProperty(c, "OnHide", Event(&TCustomForm::OnHide));
    r.RegisterProperty(c, "OnActivate", Event(&TCustomForm::OnActivate));
    r.RegisterProperty(c, "OnDeactivate", Event(&TCustomForm::OnDeactivate));
    r.RegisterProperty(c, "OnClose", Event(&TCustomForm::OnClose));
    r.RegisterProperty(c, "OnCloseQuery", Event(&TCustomForm::OnCloseQuery));
}

void RegisterMenus(TClassRegistry& r) {
    const std::string c = "TMenuItem";
    r.RegisterClass(c, "TComponent", [](TComponent* owner) { return new TMenuItem(owner); });
    r.RegisterProperty(c, "Caption", String(&TMenuItem::SetCaption));
    r.RegisterProperty(c, "Hint", String(&TMenuItem::SetHint));
    r.RegisterProperty(c, "Enabled", Boolean(&TMenuItem::SetEnabled));
    r.RegisterProperty(c, "Visible", Boolean(&TMenuItem::SetVisible));
    r.RegisterProperty(c, "Checked", Boolean(&TMenuItem::SetChecked));
    r.RegisterProperty(c, "RadioItem", Boolean(&TMenuItem::SetRadioItem));
    r.RegisterProperty(c, "GroupIndex", Integer(&TMenuItem::SetGroupIndex));
    r.RegisterProperty(c, "ShortCut", Integer(&TMenuItem::SetShortCut));
    r.RegisterProperty(c, "ImageIndex", Integer(&TMenuItem::SetImageIndex));
    r.RegisterProperty(c, "Default", Boolean(&TMenuItem::SetDefault));
    r.RegisterProperty(c, "Action", Reference(&TMenuItem::SetAction));
    r.RegisterProperty(c, "OnClick", Event(&TMenuItem::OnClick));
    r.RegisterClass("TMenu", "TComponent");
    r.RegisterProperty("TMenu", "Images", Reference(&TMenu::SetImages));
    r.RegisterProperty(
        "TMenu", "AutoLineReduction",
        Enum(&TMenu::SetAutoLineReduction, TNames<TMenuAutoFlag>{ { "maAutomatic", maAutomatic },
                                                                  { "maManual", maManual },
                                                                  { "maParent", maParent } }));
    r.RegisterClass("TMainMenu", "TMenu", [](TComponent* owner) { return new TMainMenu(owner); });
    r.RegisterClass("TPopupMenu", "TMenu", [](TComponent* owner) { return new TPopupMenu(owner); });
    r.RegisterProperty("TPopupMenu", "OnPopup", Event(&TPopupMenu::OnPopup));
    r.RegisterProperty("TPopupMenu", "AutoPopup", Boolean(&TPopupMenu::SetAutoPopup));
}

void RegisterTimer(TClassRegistry& r) {
    const std::string c = "TTimer";
    r.RegisterClass(c, "TComponent", [](TComponent* owner) { return new TTimer(owner); });
    r.RegisterProperty(c, "Enabled", Boolean(&TTimer::SetEnabled));
    r.RegisterProperty(c, "Interval", Integer(&TTimer::SetInterval));
    r.RegisterProperty(c, "OnTimer", EventSetter(&TTimer::SetOnTimer));
}

void RegisterImageList(TClassRegistry& r) {
    r.RegisterClass("TCustomImageList", "TComponent");
    r.RegisterProperty("TCustomImageList", "Width", Integer(&TCustomImageList::SetWidth));
    r.RegisterProperty("TCustomImageList", "Height", Integer(&TCustomImageList::SetHeight));
    r.RegisterProperty(
        "TCustomImageList", "BkColor",
        Through<TCustomImageList>(
            [](TCustomImageList& t, const TDescriptionValue& v) { t.SetBkColor(ColorOf(v)); }));
    r.RegisterClass("TImageList", "TCustomImageList",
                    [](TComponent* owner) { return new TImageList(owner); });
}

void RegisterActions(TClassRegistry& r) {
    const std::string c = "TCustomAction";
    r.RegisterClass("TBasicAction", "TComponent");
    r.RegisterProperty("TBasicAction", "OnExecute", Event(&TBasicAction::OnExecute));
    r.RegisterProperty("TBasicAction", "OnUpdate", Event(&TBasicAction::OnUpdate));
    r.RegisterClass(c, "TBasicAction");
    r.RegisterProperty(c, "Caption", String(&TCustomAction::SetCaption));
    r.RegisterProperty(c, "Hint", String(&TCustomAction::SetHint));
    r.RegisterProperty(c, "Enabled", Boolean(&TCustomAction::SetEnabled));
    r.RegisterProperty(c, "Visible", Boolean(&TCustomAction::SetVisible));
    r.RegisterProperty(c, "Checked", Boolean(&TCustomAction::SetChecked));
    r.RegisterProperty(c, "AutoCheck", Boolean(&TCustomAction::SetAutoCheck));
    r.RegisterProperty(c, "GroupIndex", Integer(&TCustomAction::SetGroupIndex));
    r.RegisterProperty(c, "ImageIndex", Integer(&TCustomAction::SetImageIndex));
    r.RegisterProperty(c, "ShortCut", Integer(&TCustomAction::SetShortCut));
    r.RegisterClass("TAction", c, [](TComponent* owner) { return new TAction(owner); });
    r.RegisterClass("TActionList", "TComponent",
                    [](TComponent* owner) { return new TActionList(owner); });
    r.RegisterProperty("TActionList", "Images", Reference(&TActionList::SetImages));
}

} // namespace

void RegisterStandardClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        TClassRegistry& r = TClassRegistry::Instance();
        r.RegisterClass("TComponent", "");
        r.RegisterProperty("TComponent", "Tag", Integer(&TComponent::SetTag));
        RegisterControl(r);
        RegisterControlDragProperties(r);
        RegisterWinControl(r);
        RegisterForm(r);
        RegisterMenus(r);
        RegisterTimer(r);
        RegisterImageList(r);
        RegisterActions(r);
    });
}

void RegisterFontProperties(TClassRegistry& r, const std::string& className,
                            const std::string& prefix, std::function<TFont&(TPersistent*)> fontOf) {
    using namespace properties;
    const auto property = [&](const char* name,
                              std::function<void(TFont&, const TDescriptionValue&)> apply) {
        r.RegisterProperty(className, prefix + "." + name,
                           [fontOf, apply](TPersistent* o, const TDescriptionValue& v,
                                           TReadContext&) { apply(fontOf(o), v); });
    };
    property("Name", [](TFont& f, const TDescriptionValue& v) { f.SetName(StringOf(v)); });
    property("Height",
             [](TFont& f, const TDescriptionValue& v) { f.SetHeight(int(IntegerOf(v))); });
    property("Size", [](TFont& f, const TDescriptionValue& v) { f.SetSize(int(IntegerOf(v))); });
    property("Color", [](TFont& f, const TDescriptionValue& v) { f.SetColor(ColorOf(v)); });
    property("Charset", [](TFont& f, const TDescriptionValue& v) {
        const std::int64_t n = IntegerOf(v);
        if (n < 0 || n > 255) InvalidValue();
        f.SetCharset(TFontCharset(n));
    });
    property("Style", [](TFont& f, const TDescriptionValue& v) {
        if (v.Kind != TDescriptionValue::vkSet) InvalidValue();
        const TNames<TFontStyle> names{ { "fsBold", fsBold },
                                        { "fsItalic", fsItalic },
                                        { "fsUnderline", fsUnderline },
                                        { "fsStrikeOut", fsStrikeOut } };
        TFontStyles styles;
        for (const std::string& n : v.Names) {
            TDescriptionValue one;
            one.Kind = TDescriptionValue::vkIdent;
            one.Text = n;
            styles.Include(EnumOf(one, names));
        }
        f.SetStyle(styles);
    });
}
