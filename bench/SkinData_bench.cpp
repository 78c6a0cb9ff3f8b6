// bench-libraries: skindraw
// Goals: a skin of the system's size (a payload of about 1.8 MB: two 24-bit frame pictures, a
// mask, active pictures and about 70 records) switches in from its compressed block (inflate,
// pictures, description, records) in well under 100 ms, so setting SkinIndex never stalls the
// window; packing it at level 9 may take longer, it happens only when a skin is saved.
#include "lib/skindata/bsSkinData.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

void Paint(TBitmap& bitmap, int width, int height, int seed) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < width * 3; ++x)
            row[x] = std::uint8_t(((x / 24) ^ (y / 8)) * 37 + seed);
    }
}

// A skin shaped like the program's own ones.
std::unique_ptr<TbsSkinData> SystemSizedSkin() {
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    Paint(skin->FPicture, 520, 420, 1);
    Paint(skin->FInActivePicture, 520, 420, 2);
    skin->FMask.SetPixelFormat(pf1bit);
    skin->FMask.SetSize(520, 420);
    skin->FPictureName = "main.bmp";
    skin->FInActivePictureName = "inactive.bmp";
    skin->FMaskName = "mask.bmp";
    for (int i = 0; i < 12; ++i) {
        skin->FActivePictures.push_back(std::make_unique<TBitmap>());
        Paint(*skin->FActivePictures.back(), 120, 90, 3 + i);
        skin->FActivePicturesNames.Add("active" + std::to_string(i) + ".bmp");
    }
    for (int i = 0; i < 11; ++i) {
        auto record = CreateSkinObjectRecord("stdbutton", "button" + std::to_string(i));
        record->SkinRect = TRect(i, 0, i + 16, 16);
        skin->ObjectList.push_back(std::move(record));
    }
    for (int i = 0; i < 72; ++i) {
        auto record =
            CreateSkinControlRecord(i % 2 ? "button" : "scrollbar", "control" + std::to_string(i));
        record->PictureIndex = i % 12;
        record->SkinRect = TRect(0, i, 40, i + 20);
        skin->CtrlList.push_back(std::move(record));
    }
    skin->Empty = false;
    return skin;
}

void BM_PackSkin(benchmark::State& state) {
    auto skin = SystemSizedSkin();
    for (auto _ : state) {
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromSkinData(*skin);
        benchmark::DoNotOptimize(stored.CompressedData().ByteCount());
    }
}
BENCHMARK(BM_PackSkin)->Unit(benchmark::kMillisecond);

void BM_SwitchToCompressedSkin(benchmark::State& state) {
    auto skin = SystemSizedSkin();
    TbsCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinData(*skin);
    TMemoryStream payload;
    stored.DeCompressToStream(payload);
    TbsSkinData target(nullptr);
    target.FormsToNotify = [] { return TbsSkinMessageForms{}; };
    for (auto _ : state) {
        target.LoadCompressedStoredSkin(stored);
        benchmark::DoNotOptimize(target.CtrlList.size());
    }
    state.counters["payload_kb"] = double(payload.Size()) / 1024.0;
    state.counters["block_kb"] = double(stored.CompressedData().ByteCount()) / 1024.0;
}
BENCHMARK(BM_SwitchToCompressedSkin)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
