#include "lib/skindata/bsSkinDataClasses.h"

#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/rtl/TStringList.h"

#include <mutex>

namespace {

using namespace properties;

TMemoryStream StreamOf(const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    return stream;
}

TFontCharset CharsetOf(const TDescriptionValue& value) {
    if (value.Kind == TDescriptionValue::vkIdent) {
        static const TNames<int> kNames{
            { "ANSI_CHARSET", 0 },          { "DEFAULT_CHARSET", 1 },   { "SYMBOL_CHARSET", 2 },
            { "SHIFTJIS_CHARSET", 128 },    { "HANGEUL_CHARSET", 129 }, { "GB2312_CHARSET", 134 },
            { "CHINESEBIG5_CHARSET", 136 }, { "OEM_CHARSET", 255 }
        };
        return TFontCharset(EnumOf(value, kNames));
    }
    const std::int64_t n = IntegerOf(value);
    if (n < 0 || n > 255) InvalidValue();
    return TFontCharset(n);
}

void RegisterSkinData(TClassRegistry& r) {
    const char* c = "TbsSkinData";
    r.RegisterClass(c, "TComponent", [](TComponent* owner) { return new TbsSkinData(owner); });
    r.RegisterProperty(c, "SkinnableForm", Boolean(&TbsSkinData::SetSkinnableForm));
    r.RegisterProperty(c, "AnimationForAllWindows",
                       Boolean(&TbsSkinData::SetAnimationForAllWindows));
    r.RegisterProperty(c, "EnableSkinEffects", Boolean(&TbsSkinData::SetEnableSkinEffects));
    r.RegisterProperty(c, "ShowButtonGlowFrames", Boolean(&TbsSkinData::SetShowButtonGlowFrames));
    r.RegisterProperty(c, "ShowCaptionButtonGlowFrames",
                       Boolean(&TbsSkinData::SetShowCaptionButtonGlowFrames));
    r.RegisterProperty(c, "ShowLayeredBorders", Boolean(&TbsSkinData::SetShowLayeredBorders));
    r.RegisterProperty(c, "CompressedStoredSkin", Reference(&TbsSkinData::SetCompressedStoredSkin));
    r.RegisterProperty(c, "ResourceStrData", Reference(&TbsSkinData::SetResourceStrData));
    r.RegisterProperty(c, "SkinList", Reference(&TbsSkinData::SetSkinList));
    r.RegisterProperty(c, "SkinIndex", Integer(&TbsSkinData::SetSkinIndex));
}

void RegisterStoredSkin(TClassRegistry& r) {
    const char* c = "TbsCompressedStoredSkin";
    r.RegisterClass(c, "TComponent",
                    [](TComponent* owner) { return new TbsCompressedStoredSkin(owner); });
    r.RegisterProperty(c, "Description", String(&TbsCompressedStoredSkin::SetDescription));
    r.RegisterProperty(c, "FileName", String(&TbsCompressedStoredSkin::SetFileName));
    r.RegisterProperty(c, "CompressedFileName",
                       String(&TbsCompressedStoredSkin::SetCompressedFileName));
    r.RegisterProperty(c, "CompressedData",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           if (v.Kind != TDescriptionValue::vkBinary) InvalidValue();
                           TMemoryStream data = StreamOf(v.Bytes);
                           Target<TbsCompressedStoredSkin>(o)->SetCompressedData(data);
                       });
}

void RegisterSkinList(TClassRegistry& r) {
    const char* item = "TbsSkinListItem";
    r.RegisterClass(item, "");
    r.RegisterProperty(item, "Name", String(&TbsSkinListItem::SetName));
    r.RegisterProperty(item, "Description", String(&TbsSkinListItem::SetDescription));
    r.RegisterProperty(item, "FileName", String(&TbsSkinListItem::SetFileName));
    r.RegisterProperty(item, "CompressedFileName", String(&TbsSkinListItem::SetCompressedFileName));
    r.RegisterProperty(item, "Skin", [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        if (v.Kind != TDescriptionValue::vkBinary) InvalidValue();
        TMemoryStream block = StreamOf(v.Bytes);
        Target<TbsSkinListItem>(o)->ReadSkin(block);
    });

    const char* c = "TbsCompressedSkinList";
    r.RegisterClass(c, "TComponent",
                    [](TComponent* owner) { return new TbsCompressedSkinList(owner); });
    r.RegisterProperty(c, "Skins", Collection(&TbsCompressedSkinList::Skins, item));
}

void RegisterStringTable(TClassRegistry& r) {
    const char* c = "TbsResourceStrData";
    r.RegisterClass(c, "TComponent",
                    [](TComponent* owner) { return new TbsResourceStrData(owner); });
    r.RegisterProperty(c, "ResStrings.Strings",
                       [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
                           if (v.Kind != TDescriptionValue::vkList) InvalidValue();
                           TStringList lines;
                           for (const auto& line : v.List)
                               lines.Add(StringOf(line));
                           Target<TbsResourceStrData>(o)->SetResStrings(lines);
                       });
    r.RegisterProperty(c, "CharSet", [](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        Target<TbsResourceStrData>(o)->SetCharSet(CharsetOf(v));
    });
}

} // namespace

void RegisterSkinDataClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        TClassRegistry& registry = TClassRegistry::Instance();
        RegisterSkinData(registry);
        RegisterStoredSkin(registry);
        RegisterSkinList(registry);
        RegisterStringTable(registry);
    });
}
