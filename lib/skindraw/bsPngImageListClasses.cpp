#include "lib/skindraw/bsPngImageListClasses.h"

#include "lib/skindraw/TbsPngImageList.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/rtl/TMemoryStream.h"

#include <mutex>

namespace {

using namespace properties;

void ReadPngData(TPersistent* o, const TDescriptionValue& v, TReadContext&) {
    if (v.Kind != TDescriptionValue::vkBinary) InvalidValue();
    TbsPngImage& png = Target<TbsPngImageItem>(o)->PngImage();
    if (v.Bytes.empty()) {
        png.Assign(TbsPngImage());
        return;
    }
    TMemoryStream data;
    data.WriteBuffer(v.Bytes.data(), std::int64_t(v.Bytes.size()));
    data.SetPosition(0);
    png.LoadFromStream(data);
}

void RegisterPngImageList(TClassRegistry& r) {
    const char* item = "TbsPngImageItem";
    r.RegisterClass(item, "");
    r.RegisterProperty(item, "Name", String(&TbsPngImageItem::SetName));
    r.RegisterProperty(item, "PngImage.Data", ReadPngData);

    const char* c = "TbsPngImageList";
    r.RegisterClass(c, "TCustomImageList",
                    [](TComponent* owner) { return new TbsPngImageList(owner); });
    r.RegisterProperty(c, "PngImages", Collection(&TbsPngImageList::PngImages, item));
    r.RegisterProperty(c, "PngWidth", Integer(&TbsPngImageList::SetPngWidth));
    r.RegisterProperty(c, "PngHeight", Integer(&TbsPngImageList::SetPngHeight));
}

} // namespace

void RegisterPngImageListClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandardClasses();
        RegisterPngImageList(TClassRegistry::Instance());
    });
}
