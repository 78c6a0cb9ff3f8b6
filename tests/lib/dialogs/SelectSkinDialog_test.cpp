#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/bsSkinFolderDialogClasses.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <memory>
#include <string>
#include <vector>

using namespace win;

namespace {

std::string SkinIni(const std::string& name) {
    return std::string(VC_SKINS_DIR) + "/" + name + "/skin.ini";
}

// What tells the program's two skins apart once loaded.
std::pair<size_t, size_t> Signature(const TbsSkinData& skin) {
    return { skin.CtrlList.size(), skin.FActivePictures.size() };
}

class SelectSkinDialog : public formstest::DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        // Three items from the program's two skins; the second has no description.
        const struct {
            const char* Name;
            const char* Description;
            const char* Skin;
        } items[] = { { "first", "Tool look", "tool" },
                      { "second", "", "main" },
                      { "third", "Tool again", "tool" } };
        for (const auto& i : items) {
            TbsSkinListItem* item = FList->Skins().Add();
            item->SetName(i.Name);
            item->SetDescription(i.Description);
            item->Skin().LoadFromIniFile(SkinIni(i.Skin));
        }
        FMain = Signature(*LoadProgramSkin("main"));
        FTool = Signature(*LoadProgramSkin("tool"));
        ASSERT_NE(FMain, FTool);
        FAppSkin->SetSkinList(FList.get());
        FDialog->SetSkinList(FList.get());
        FDialog->SetSkinData(FAppSkin.get());
        FDialog->SetCtrlSkinData(FAppSkin.get());
    }
    void TearDown() override {
        FDialog.reset();
        FOwner.reset();
        DialogsTest::TearDown();
    }
    TbsSelectSkinDlgForm* Form() const { return FDialog->DlgForm(); }
    void Click(TControl* control) { ClickAt(control, TPoint(8, 8)); }
    void ClickLine(int index, bool twice = false) {
        TbsListBox* list = Form()->SkinsListBox->ListBox;
        const TRect row = list->ItemRect(index);
        ClickAt(list, TPoint(row.Left + 10, (row.Top + row.Bottom) / 2), {}, twice);
    }

    std::unique_ptr<TComponent> FOwner{ std::make_unique<TComponent>(nullptr) };
    std::unique_ptr<TbsCompressedSkinList> FList{ std::make_unique<TbsCompressedSkinList>(
        nullptr) };
    std::unique_ptr<TbsSkinData> FAppSkin{ MakeTestSkin() };
    std::unique_ptr<TbsSelectSkinDialog> FDialog{ std::make_unique<TbsSelectSkinDialog>(
        FOwner.get()) };
    std::pair<size_t, size_t> FMain;
    std::pair<size_t, size_t> FTool;
};

} // namespace

TEST_F(SelectSkinDialog, ThePreviewFollowsTheListAndOkReportsTheLastSkin) {
    const auto appBefore = Signature(*FAppSkin);
    std::vector<std::string> lines;
    int startLine = -1;
    std::pair<size_t, size_t> startPreview;
    std::pair<size_t, size_t> clickedPreview;
    std::pair<size_t, size_t> appWhileBrowsing;
    Then([&] {
        for (int i = 0; i < Form()->SkinsListBox->Items().Count(); ++i)
            lines.push_back(Form()->SkinsListBox->Items()[i]);
        startLine = Form()->SkinsListBox->ItemIndex();
        startPreview = Signature(*Form()->PreviewSkinData);
        EXPECT_EQ(Active()->Caption(), "Select skin");
        EXPECT_TRUE(Form()->BSF->BorderIcons().Empty());
        EXPECT_TRUE(Form()->PreviewBSF->PreviewMode);
        EXPECT_FALSE(Form()->PreviewForm->Enabled());
        EXPECT_EQ(Form()->PreviewForm->Parent(), Form());
        EXPECT_EQ(Form()->PreviewForm->BoundsRect().TopLeft(), TPoint(190, 10));
        EXPECT_EQ(Form()->PreviewButton->SkinData(), Form()->PreviewSkinData);
        EXPECT_EQ(Form()->SkinsListBox->BoundsRect(), TRect(10, 10, 180, 180));
        EXPECT_EQ(Form()->OpenButton->BoundsRect().TopLeft(), TPoint(260, 200));
        EXPECT_EQ(Form()->CancelButton->BoundsRect().TopLeft(), TPoint(340, 200));
        ClickLine(2);
    });
    Then([&] {
        clickedPreview = Signature(*Form()->PreviewSkinData);
        appWhileBrowsing = Signature(*FAppSkin);
        Click(Form()->OpenButton);
    });
    EXPECT_TRUE(FDialog->Execute(1));
    EXPECT_EQ(lines, (std::vector<std::string>{ "Tool look", "second", "Tool again" }));
    EXPECT_EQ(startLine, 1);
    EXPECT_EQ(startPreview, FMain);
    EXPECT_EQ(clickedPreview, FTool);
    EXPECT_EQ(appWhileBrowsing, appBefore);
    EXPECT_EQ(FAppSkin->SkinIndex(), 0);
    EXPECT_EQ(FDialog->SelectedSkinIndex(), 2);
    EXPECT_EQ(FDialog->DlgForm(), nullptr);
}

// Hangs in one of its three ways of closing; disabled until that is found.
TEST_F(SelectSkinDialog, CancelEscapeAndClosingReportNoSkin) {
    struct TCase {
        const char* Name;
        std::function<void()> Close;
    };
    const TCase cases[] = {
        { "escape", [this] { Key(VK_ESCAPE); } },
        { "cancel", [this] { Click(Form()->CancelButton); } },
        // Close only marks the modal result; the loop looks at it after its next message, as
        // it would after the close command that a user's click sends.
        { "close",
          [this] {
              Form()->Close();
              win::PostMessage(nullptr, WM_NULL, 0, 0);
          } },
    };
    const auto appBefore = Signature(*FAppSkin);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Then([&] { ClickLine(1); });
        Then([&] { ClickLine(2); });
        Then([&] { c.Close(); });
        EXPECT_FALSE(FDialog->Execute(0));
        EXPECT_EQ(FDialog->SelectedSkinIndex(), -1);
        EXPECT_EQ(Signature(*FAppSkin), appBefore);
        EXPECT_EQ(FAppSkin->SkinIndex(), 0);
    }
}

TEST_F(SelectSkinDialog, ADoubleClickOnALineChoosesIt) {
    Then([&] { ClickLine(0, true); });
    EXPECT_TRUE(FDialog->Execute(2));
    EXPECT_EQ(FDialog->SelectedSkinIndex(), 0);
}

TEST_F(SelectSkinDialog, AStartIndexOutsideTheListSelectsNothingAndOkWaitsForALine) {
    bool okEnabled = true;
    int line = 0;
    bool previewEmpty = false;
    Then([&] {
        okEnabled = Form()->OpenButton->Enabled();
        line = Form()->SkinsListBox->ItemIndex();
        previewEmpty = Form()->PreviewSkinData->Empty;
        Key(VK_RETURN);
        Click(Form()->OpenButton);
    });
    Then([&] { ClickLine(1); });
    Then([&] { Key(VK_RETURN); });
    EXPECT_TRUE(FDialog->Execute(7));
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(line, -1);
    EXPECT_TRUE(previewEmpty);
    EXPECT_EQ(FDialog->SelectedSkinIndex(), 1);
}

// A skin object with a string table hands it to the preview, which tells every form of the
// screen; the dialog opens all the same.
TEST_F(SelectSkinDialog, OpensOverASkinObjectWithAStringTable) {
    auto* strings = new TbsResourceStrData(FOwner.get());
    FAppSkin->SetResourceStrData(strings);
    bool shared = false;
    Then([&] {
        shared = Form()->PreviewSkinData->ResourceStrData() == strings;
        Key(VK_RETURN);
    });
    EXPECT_TRUE(FDialog->Execute(1));
    EXPECT_TRUE(shared);
    EXPECT_EQ(FDialog->SelectedSkinIndex(), 1);
}

TEST_F(SelectSkinDialog, WithoutASkinListNothingIsShown) {
    FDialog->SetSkinList(nullptr);
    EXPECT_FALSE(FDialog->Execute(0));
    FList.reset();
    FAppSkin->SetSkinList(nullptr);
    EXPECT_EQ(FDialog->SkinList(), nullptr);
}

TEST_F(SelectSkinDialog, ThePlainClientSizeGrowsToTheSkinsFrame) {
    FDialog->SetSkinData(nullptr);
    TSize plain;
    Then([&] {
        plain = TSize(Active()->ClientWidth(), Active()->ClientHeight());
        Key(VK_ESCAPE);
    });
    FDialog->Execute(0);
    EXPECT_EQ(plain, TSize(420, 240));

    auto skin = LoadProgramSkin("main");
    FDialog->SetSkinData(skin.get());
    TSize skinned;
    TSize minimum;
    Then([&] {
        skinned = TSize(Active()->ClientWidth(), Active()->ClientHeight());
        minimum = TSize(Form()->BSF->GetMinWidth(), Form()->BSF->GetMinHeight());
        Key(VK_ESCAPE);
    });
    FDialog->Execute(0);
    EXPECT_EQ(skinned, TSize(std::max(420, minimum.cx), std::max(240, minimum.cy)));
    skin.reset();
    EXPECT_EQ(FDialog->SkinData(), nullptr);
}

TEST_F(SelectSkinDialog, TheStoredSkinsOfTheOwnerFormAreOffered) {
    EXPECT_FALSE(FDialog->Execute(static_cast<TbsCompressedStoredSkin*>(nullptr)))
        << "an owner without stored skins";
    std::vector<TbsCompressedStoredSkin*> stored;
    for (const char* name : { "toolSkin", "mainSkin" }) {
        auto* skin = new TbsCompressedStoredSkin(FOwner.get());
        skin->SetName(name);
        skin->LoadFromIniFile(SkinIni(name == std::string("toolSkin") ? "tool" : "main"));
        stored.push_back(skin);
    }
    stored[0]->SetDescription("Tool look");

    std::vector<std::string> lines;
    int startLine = -1;
    std::pair<size_t, size_t> startPreview;
    Then([&] {
        for (int i = 0; i < Form()->SkinsListBox->Items().Count(); ++i)
            lines.push_back(Form()->SkinsListBox->Items()[i]);
        startLine = Form()->SkinsListBox->ItemIndex();
        startPreview = Signature(*Form()->PreviewSkinData);
        ClickLine(0);
    });
    Then([&] { Key(VK_RETURN); });
    EXPECT_TRUE(FDialog->Execute(stored[1]));
    EXPECT_EQ(lines, (std::vector<std::string>{ "Tool look", "mainSkin" }));
    EXPECT_EQ(startLine, 1);
    EXPECT_EQ(startPreview, FMain);
    EXPECT_EQ(FDialog->SelectedSkin(), stored[0]);

    Then([&] {
        startLine = Form()->SkinsListBox->ItemIndex();
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(FDialog->Execute(static_cast<TbsCompressedStoredSkin*>(nullptr)));
    EXPECT_EQ(startLine, 0) << "a start skin not among them";
    EXPECT_EQ(FDialog->SelectedSkin(), nullptr);
}

TEST_F(SelectSkinDialog, TheFormDescriptionSetsTheChoosersSettings) {
    RegisterSkinFolderDialogClasses();
    constexpr const char* kForm = R"(object MainForm: TForm
  object bsSkinData1: TbsSkinData
  end
  object bsCompressedSkinList1: TbsCompressedSkinList
  end
  object bsSelectSkinDialog1: TbsSelectSkinDialog
    SkinList = bsCompressedSkinList1
    AlphaBlend = False
    AlphaBlendValue = 180
    AlphaBlendAnimation = True
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    DefaultFont.Height = 15
    Title = 'Skins'
  end
end
)";
    TForm form(nullptr);
    ReadFormDescription(&form, kForm, "MainForm.dfm");
    auto* dialog = DescribedComponent<TbsSelectSkinDialog>(&form, "bsSelectSkinDialog1");
    auto* skin = DescribedComponent<TbsSkinData>(&form, "bsSkinData1");
    ASSERT_TRUE(dialog && skin);
    EXPECT_EQ(dialog->SkinList(),
              DescribedComponent<TbsCompressedSkinList>(&form, "bsCompressedSkinList1"));
    EXPECT_EQ(dialog->AlphaBlendValue(), 180);
    EXPECT_TRUE(dialog->AlphaBlendAnimation());
    EXPECT_EQ(dialog->SkinData(), skin);
    EXPECT_EQ(dialog->CtrlSkinData(), skin);
    EXPECT_EQ(dialog->DefaultFont().Height(), 15);
    EXPECT_EQ(dialog->Title(), "Skins");
}
