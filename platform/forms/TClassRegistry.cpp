#include "platform/forms/TClassRegistry.h"
#include "platform/rtl/TextUtils.h"

TClassRegistry& TClassRegistry::Instance() {
    static TClassRegistry registry;
    return registry;
}

TClassRegistry::TClassRegistry() = default;

void TClassRegistry::RegisterClass(const std::string& name, const std::string& base,
                                   TComponentFactory factory) {
    std::lock_guard lock(FMutex);
    TClassInfo& info = FClasses[UpperCase(name)];
    info.Base = base;
    if (factory) info.Factory = std::move(factory);
}

std::string TClassRegistry::Base(const std::string& name) const {
    std::lock_guard lock(FMutex);
    const auto it = FClasses.find(UpperCase(name));
    return it == FClasses.end() ? std::string() : it->second.Base;
}

void TClassRegistry::RegisterProperty(const std::string& className, const std::string& property,
                                      TPropertySetter setter) {
    std::lock_guard lock(FMutex);
    FClasses[UpperCase(className)].Properties[UpperCase(property)] = std::move(setter);
}

void TClassRegistry::RegisterMethod(const std::string& className, const std::string& method,
                                    TMethodFactory factory) {
    std::lock_guard lock(FMutex);
    FClasses[UpperCase(className)].Methods[UpperCase(method)] = std::move(factory);
}

const TClassRegistry::TClassInfo* TClassRegistry::Find(const std::string& name) const {
    const auto it = FClasses.find(UpperCase(name));
    return it == FClasses.end() ? nullptr : &it->second;
}

bool TClassRegistry::IsRegistered(const std::string& name) const {
    std::lock_guard lock(FMutex);
    return Find(name) != nullptr;
}

TComponentFactory TClassRegistry::Factory(const std::string& name) const {
    std::lock_guard lock(FMutex);
    const TClassInfo* info = Find(name);
    return info ? info->Factory : TComponentFactory();
}

const TPropertySetter* TClassRegistry::FindProperty(const std::string& className,
                                                    const std::string& property) const {
    std::lock_guard lock(FMutex);
    const std::string key = UpperCase(property);
    // A base named again below itself must not loop.
    for (const TClassInfo* info = Find(className); info; info = Find(info->Base)) {
        if (const auto it = info->Properties.find(key); it != info->Properties.end())
            return &it->second;
        if (SameText(info->Base, className)) break;
    }
    return nullptr;
}

const TMethodFactory* TClassRegistry::FindMethod(const std::string& className,
                                                 const std::string& method) const {
    std::lock_guard lock(FMutex);
    const std::string key = UpperCase(method);
    for (const TClassInfo* info = Find(className); info; info = Find(info->Base)) {
        if (const auto it = info->Methods.find(key); it != info->Methods.end()) return &it->second;
        if (SameText(info->Base, className)) break;
    }
    return nullptr;
}

bool TClassRegistry::InheritsFrom(const std::string& cls, const std::string& name) const {
    std::lock_guard lock(FMutex);
    std::string current = cls;
    for (int guard = 0; guard < 64 && !current.empty(); ++guard) {
        if (SameText(current, name)) return true;
        const TClassInfo* info = Find(current);
        if (!info) return false;
        current = info->Base;
    }
    return false;
}

namespace properties {

void InvalidValue() {
    throw EReadError("Invalid property value");
}

std::int64_t IntegerOf(const TDescriptionValue& value) {
    if (value.Kind != TDescriptionValue::vkInteger) InvalidValue();
    return value.Integer;
}

bool BooleanOf(const TDescriptionValue& value) {
    if (value.Kind == TDescriptionValue::vkIdent) {
        if (SameText(value.Text, "True")) return true;
        if (SameText(value.Text, "False")) return false;
    }
    InvalidValue();
}

std::string StringOf(const TDescriptionValue& value) {
    if (value.Kind != TDescriptionValue::vkString) InvalidValue();
    return value.Text;
}

const std::string& IdentOf(const TDescriptionValue& value) {
    if (value.Kind != TDescriptionValue::vkIdent) InvalidValue();
    return value.Text;
}

TColor ColorOf(const TDescriptionValue& value) {
    if (value.Kind == TDescriptionValue::vkInteger) {
        if (value.Integer < std::int64_t(std::numeric_limits<std::int32_t>::min()) ||
            value.Integer > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
            InvalidValue();
        return TColor(std::uint32_t(value.Integer));
    }
    static const std::pair<const char*, TColor> kNames[] = {
        { "clBlack", clBlack },
        { "clMaroon", clMaroon },
        { "clGreen", clGreen },
        { "clOlive", clOlive },
        { "clNavy", clNavy },
        { "clPurple", clPurple },
        { "clTeal", clTeal },
        { "clGray", clGray },
        { "clSilver", clSilver },
        { "clRed", clRed },
        { "clLime", clLime },
        { "clYellow", clYellow },
        { "clBlue", clBlue },
        { "clFuchsia", clFuchsia },
        { "clAqua", clAqua },
        { "clLtGray", clLtGray },
        { "clDkGray", clDkGray },
        { "clWhite", clWhite },
        { "clScrollBar", clScrollBar },
        { "clBackground", clBackground },
        { "clActiveCaption", clActiveCaption },
        { "clInactiveCaption", clInactiveCaption },
        { "clMenu", clMenu },
        { "clWindow", clWindow },
        { "clWindowFrame", clWindowFrame },
        { "clMenuText", clMenuText },
        { "clWindowText", clWindowText },
        { "clCaptionText", clCaptionText },
        { "clActiveBorder", clActiveBorder },
        { "clInactiveBorder", clInactiveBorder },
        { "clAppWorkSpace", clAppWorkSpace },
        { "clHighlight", clHighlight },
        { "clHighlightText", clHighlightText },
        { "clBtnFace", clBtnFace },
        { "clBtnShadow", clBtnShadow },
        { "clGrayText", clGrayText },
        { "clBtnText", clBtnText },
        { "clInactiveCaptionText", clInactiveCaptionText },
        { "clBtnHighlight", clBtnHighlight },
        { "cl3DDkShadow", cl3DDkShadow },
        { "cl3DLight", cl3DLight },
        { "clInfoText", clInfoText },
        { "clInfoBk", clInfoBk },
        { "clHotLight", clHotLight },
        { "clNone", clNone },
        { "clDefault", clDefault },
    };
    const std::string& ident = IdentOf(value);
    for (const auto& [name, color] : kNames)
        if (SameText(ident, name)) return color;
    InvalidValue();
}

} // namespace properties
