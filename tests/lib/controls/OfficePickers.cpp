#include "OfficePickers.h"

#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"

TImageList* MakePickerImages(TComponent* owner) {
    auto* images = new TImageList(owner);
    images->SetSize(24, 24);
    for (TColor colour : { TColor(0x3366CC), TColor(0x33AA33), TColor(0xCC3333), clPurple }) {
        TBitmap image(24, 24);
        image.Canvas().Brush().SetColor(colour);
        image.Canvas().FillRect(TRect(0, 0, 24, 24));
        images->Add(image, nullptr);
    }
    return images;
}

TbsSkinOfficeComboBox* MakeToolPicker(TComponent* owner, TbsSkinData* skin, TImageList* images) {
    auto* picker = new TbsSkinOfficeComboBox(owner);
    picker->SetToolButtonStyle(true);
    picker->SetImages(images);
    picker->SetDropDownCount(6);
    picker->SetSkinData(skin);
    return picker;
}

namespace {

struct TRowText {
    const char* Title;
    const char* Caption;
    int Image;
};

void Fill(TbsSkinCustomOfficeComboBox& picker, const TRowText* rows, std::size_t count) {
    picker.Items().Clear();
    for (std::size_t i = 0; i < count; ++i) {
        TbsSkinOfficeItem* item = picker.Items().Add();
        if (!rows[i].Caption) {
            item->SetHeader(true);
            item->SetCaption(rows[i].Title);
            continue;
        }
        item->SetCaption(rows[i].Caption);
        item->SetTitle(rows[i].Title);
        item->SetImageIndex(rows[i].Image);
    }
}

} // namespace

void FillFamilies(TbsSkinCustomOfficeComboBox& picker) {
    static const TRowText rows[] = {
        { "", "Video", 0 }, { "", "Audio", 1 }, { "", "Devices", 2 }, { "", "Pictures", 3 }
    };
    picker.SetListBoxItemHeight(50);
    picker.SetListBoxSkinDataName("resizetoolpanel");
    picker.SetListBoxShowItemTitles(false);
    Fill(picker, rows, std::size(rows));
}

void FillFormats(TbsSkinCustomOfficeComboBox& picker) {
    // A row without a caption is a separator row with its title as caption.
    static const TRowText rows[] = {
        { "Common", nullptr, 0 },
        { "MP4", "H.264 video, AAC audio", 0 },
        { "WebM", "VP9 video, Opus audio", 1 },
        { "MKV", "Any video, any audio", 2 },
        { "AVI", "MPEG-4 video, MP3 audio", 3 },
        { "Older", nullptr, 0 },
        { "FLV", "Flash video", 0 },
        { "3GP", "Phone video", 1 },
        { "MPEG", "MPEG-2 video", 2 },
        { "WMV", "Windows Media video", 3 },
        { "OGV", "Theora video, Vorbis audio", 0 },
    };
    static_assert(std::size(rows) == kFormatRows);
    picker.SetListBoxItemHeight(60);
    picker.SetListBoxSkinDataName("listbox");
    picker.SetListBoxShowItemTitles(true);
    picker.SetListBoxShowLines(true);
    Fill(picker, rows, std::size(rows));
}
