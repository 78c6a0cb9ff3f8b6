#include "lib/skindata/bsSkinData.h"

#include "lib/skindata/bsSkinScreenForms.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>

using namespace win;

namespace {

struct TSeen {
    std::string Form;
    UINT Message;
    WPARAM Sender;
    bool operator==(const TSeen&) const = default;
};

// A form that notes every skin message its window gets.
class TRecordingForm : public TForm {
public:
    TRecordingForm(TComponent* owner, std::string name, std::vector<TSeen>& log,
                   std::string className = "TRecordingForm")
        : TForm(owner), FLabel(std::move(name)), FLog(log), FClass(std::move(className)) {}
    std::string ClassName() const override { return FClass; }

    void WndProc(TMessage& m) override {
        if (m.Msg >= WM_SKINBEFORECHANGE && m.Msg <= WM_SKINLAYEREDBORDERS && m.LParam == 1000) {
            FLog.push_back({ FLabel, m.Msg, m.WParam });
            if (OnSkinMessage) OnSkinMessage(m.Msg);
        }
        TForm::WndProc(m);
    }

    std::function<void(UINT message)> OnSkinMessage;

private:
    std::string FLabel;
    std::vector<TSeen>& FLog;
    std::string FClass;
};

class SkinScreenForms : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBackend(std::make_unique<HeadlessBackend>());
        App = std::make_unique<TApplication>(nullptr);
    }
    void TearDown() override {
        Forms.clear();
        App.reset();
        for (const auto& w : WindowSystem::Instance().AllWindows())
            DestroyWindow(w->FHandle);
        InstallBackend(nullptr);
    }

    TRecordingForm* AddForm(const std::string& name,
                            const std::string& className = "TRecordingForm") {
        Forms.push_back(std::make_unique<TRecordingForm>(nullptr, name, Log, className));
        return Forms.back().get();
    }

    std::unique_ptr<TApplication> App;
    std::vector<std::unique_ptr<TRecordingForm>> Forms;
    std::vector<TSeen> Log;
};

} // namespace

TEST_F(SkinScreenForms, ClearSkinReachesEveryFormOwnerFirst) {
    AddForm("first");
    TRecordingForm* owner = AddForm("owner");
    AddForm("layer", "TbsFormLayerWindow");
    AddForm("last");
    auto* skin = new TbsSkinData(owner); // freed by its owner form
    skin->SetShowLayeredBorders(false);
    Log.clear();

    skin->ClearSkin();
    std::vector<std::string> order;
    for (const auto& seen : Log) {
        EXPECT_EQ(seen.Sender, reinterpret_cast<WPARAM>(skin));
        if (seen.Message == WM_SKINCHANGE) order.push_back(seen.Form);
    }
    ASSERT_EQ(Log.size(), 9u);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], "owner");
    EXPECT_NE(std::find(order.begin(), order.end(), "first"), order.end());
    EXPECT_NE(std::find(order.begin(), order.end(), "last"), order.end());
    EXPECT_EQ(Log[0].Message, WM_SKINBEFORECHANGE);
    EXPECT_EQ(Log[8].Message, WM_SKINAFTERCHANGE);

    // A form that goes is no longer told; the owner going takes the skin object with it.
    Forms.erase(Forms.begin());
    Log.clear();
    skin->SetSkinnableForm(false);
    EXPECT_EQ(Log.size(), 2u);
}

TEST_F(SkinScreenForms, AFormFreedByAnotherReceiverIsSkippedSafely) {
    for (const bool withWindows : { true, false }) {
        TRecordingForm* owner = AddForm("owner");
        TRecordingForm* doomed = AddForm("doomed");
        if (withWindows) {
            owner->HandleNeeded();
            doomed->HandleNeeded();
        }
        auto* skin = new TbsSkinData(owner);
        skin->SetShowLayeredBorders(false);
        owner->OnSkinMessage = [&](UINT message) {
            if (message == WM_SKINBEFORECHANGE) Forms.pop_back();
        };
        Log.clear();
        skin->ClearSkin();
        const std::vector<TSeen> expected = {
            { "owner", WM_SKINBEFORECHANGE, reinterpret_cast<WPARAM>(skin) },
            { "owner", WM_SKINCHANGE, reinterpret_cast<WPARAM>(skin) },
            { "owner", WM_SKINAFTERCHANGE, reinterpret_cast<WPARAM>(skin) },
        };
        EXPECT_EQ(Log, expected) << (withWindows ? "with windows" : "without windows");
        Forms.clear();
    }
}

TEST_F(SkinScreenForms, FormsWithoutWindowsAreToldWithoutMakingThem) {
    TRecordingForm* owner = AddForm("owner");
    TRecordingForm* hidden = AddForm("hidden");
    auto* skin = new TbsSkinData(owner);
    skin->SetShowLayeredBorders(false);
    Log.clear();
    skin->ClearSkin();
    EXPECT_EQ(Log.size(), 6u);
    EXPECT_FALSE(owner->HandleAllocated());
    EXPECT_FALSE(hidden->HandleAllocated());
}
