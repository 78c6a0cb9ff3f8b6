#include "MenuFixture.h"

#include "lib/menus/bsMenuMessages.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/TMemoryStream.h"
#include "resources/skins/EmbeddedSkins.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace menustest {

using namespace win;

std::unique_ptr<TbsSkinData> LoadProgramSkin(const std::string& name) {
    const auto block = name == "main" ? EmbeddedMainSkin() : EmbeddedToolSkin();
    TMemoryStream stream;
    stream.WriteBuffer(block.data(), std::int64_t(block.size()));
    stream.SetPosition(0);
    TbsCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(stream);
    auto skin = std::make_unique<TbsSkinData>(nullptr);
    skin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
    skin->LoadCompressedStoredSkin(stored);
    return skin;
}

TFakeMenuHost::TFakeMenuHost(TCustomForm* form)
    : TComponent(form), FForm(form), FMenu(new TbsSkinMenu(this, form)) {
    FOldWindowProc = form->WindowProc;
    form->WindowProc = [this](TMessage& m) {
        if (OnFormMessage) OnFormMessage(m);
        if (m.Msg == WM_SKINMENUCLOSED) SkinMenuClose();
        if (IsMenuCloseMessage(m.Msg) && FMenu->Visible()) FMenu->Hide();
        FOldWindowProc(m);
    };
}

// A form frees its components while it is still whole.
TFakeMenuHost::~TFakeMenuHost() {
    FForm->WindowProc = FOldWindowProc;
}

void TFakeMenuHost::SkinMenuOpen() {
    ++FOpens;
    FInMenu = true;
}

void TFakeMenuHost::SkinMenuClose() {
    ++FCloses;
    FInMenu = false;
}

TItemSpec Item(const std::string& caption) {
    TItemSpec spec;
    spec.Caption = caption;
    return spec;
}

TItemSpec TItemSpec::Disabled() const {
    TItemSpec s = *this;
    s.Enabled = false;
    return s;
}

TItemSpec TItemSpec::Check() const {
    TItemSpec s = *this;
    s.Checked = true;
    return s;
}

TItemSpec TItemSpec::RadioCheck() const {
    TItemSpec s = Check();
    s.Radio = true;
    return s;
}

TItemSpec TItemSpec::Image(int index) const {
    TItemSpec s = *this;
    s.ImageIndex = index;
    return s;
}

TItemSpec TItemSpec::Keys(TShortCut shortCut) const {
    TItemSpec s = *this;
    s.ShortCut = shortCut;
    return s;
}

TItemSpec TItemSpec::Named(const std::string& name) const {
    TItemSpec s = *this;
    s.Name = name;
    return s;
}

TItemSpec TItemSpec::Sub(std::vector<TItemSpec> children) const {
    TItemSpec s = *this;
    s.Children = std::move(children);
    return s;
}

void MenuTest::SetUp() {
    FormsTest::SetUp();
    FApp = std::make_unique<TApplication>(nullptr);
    FApp->Initialize();
    FApp->CreateForm(FForm);
    FForm->SetBounds(100, 100, 400, 300);
    FForm->Show();
    FHost = new TFakeMenuHost(FForm);
    Pump();
}

void MenuTest::TearDown() {
    Pump();
    FApp.reset();
    FormsTest::TearDown();
}

void MenuTest::AddItems(TMenuItem& parent, const std::vector<TItemSpec>& items) {
    for (const TItemSpec& spec : items) {
        auto* item = new TMenuItem(FForm);
        if (!spec.Name.empty()) item->SetName(spec.Name);
        item->SetCaption(spec.Caption);
        item->SetEnabled(spec.Enabled);
        item->SetRadioItem(spec.Radio);
        item->SetChecked(spec.Checked);
        item->SetImageIndex(spec.ImageIndex);
        item->SetShortCut(spec.ShortCut);
        const std::string caption = spec.Caption;
        item->OnClick = [this, caption](TObject*) { FLog.push_back("click " + caption); };
        parent.Add(item);
        AddItems(*item, spec.Children);
    }
}

TbsSkinPopupMenu* MenuTest::MakeMenu(const std::vector<TItemSpec>& items) {
    auto* menu = new TbsSkinPopupMenu(FForm);
    AddItems(menu->Items(), items);
    return menu;
}

TImageList* MenuTest::MakeImages() {
    auto* images = new TImageList(FForm);
    images->SetSize(16, 16);
    for (TColor color : { clRed, clLime, clBlue, clYellow }) {
        TBitmap picture;
        picture.SetSize(16, 16);
        picture.Canvas().Brush().SetColor(color);
        picture.Canvas().FillRect(TRect(0, 0, 16, 16));
        picture.Canvas().Brush().SetColor(clFuchsia);
        picture.Canvas().FillRect(TRect(0, 0, 3, 3)); // a transparent corner
        images->AddMasked(picture, clFuchsia);
    }
    return images;
}

TPoint MenuTest::RowCentre(int level, int row) {
    const TRect& r = Row(level, row).ObjectRect;
    return Level(level).ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

void MenuTest::Wait(unsigned ms) {
    // In steps of the tracking interval, so that each timer comes due in its turn.
    for (unsigned done = 0; done < ms;) {
        const unsigned step = std::min(ms - done, 10u);
        FDisplay->Time().Advance(step);
        done += step;
        Pump();
    }
}

void MenuTest::PointAt(const TPoint& screen) {
    FDisplay->MoveMouse(screen.X, screen.Y);
    Pump();
    Wait(50);
}

void MenuTest::ClickAt(const TPoint& screen, win::MouseButton button) {
    FDisplay->MoveMouse(screen.X, screen.Y);
    FDisplay->PressButton(button);
    Pump();
    FDisplay->ReleaseButton(button);
    Pump();
}

void MenuTest::Key(int vk) {
    Engine().KeyDown(vk);
    Pump();
}

gfx::Surface MenuTest::Shown(int level) {
    Pump();
    const auto* native = FDisplay->Native(Level(level).Handle());
    return native ? native->FPresented : gfx::Surface();
}

COLORREF ColorAt(const gfx::Surface& pixels, int x, int y) {
    const gfx::Pixel p = pixels.At(x, y);
    return RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p));
}

void ExpectMatchesGolden(const gfx::Surface& pixels, const std::string& relativePath) {
    const std::filesystem::path golden = std::filesystem::path(VC_TEST_SOURCE_DIR) / relativePath;
    if (std::getenv("VC_WRITE_GOLDEN")) {
        const auto bytes = gfx::PngCodec::Encode(pixels, false);
        std::ofstream(golden, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in), {} };
    const gfx::Surface expected = gfx::PngCodec::Decode(bytes).Pixels;
    ASSERT_EQ(expected.Width(), pixels.Width()) << relativePath;
    ASSERT_EQ(expected.Height(), pixels.Height()) << relativePath;
    int differing = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const gfx::Pixel a = pixels.At(x, y), b = expected.At(x, y);
            for (int shift : { 0, 8, 16 })
                if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 2) {
                    if (differing++ == 0)
                        ADD_FAILURE() << relativePath << " differs at " << x << "," << y;
                    break;
                }
        }
    EXPECT_EQ(differing, 0) << relativePath;
}

} // namespace menustest
