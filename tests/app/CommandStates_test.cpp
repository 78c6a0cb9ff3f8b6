#include "HeadlessProgramTest.h"
#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/JobListControls.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/MainThread.h"
#include "tests/fixtures/FixtureSet.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>

namespace {

// Every control through which the user (or another operation) reaches a command: tool bar,
// job list panel, menus, the add popup and the hidden operation buttons.
struct TCommand {
    const char* Name;
    std::vector<const char*> Controls;
};
const TCommand kCommands[] = {
    { "add",
      { "bsSkinMenuSpeedButton1", "btnAdd", "Button8", "Button12", "Item111", "Item121", "N21",
        "N11111", "N2222", "N3331" } },
    { "remove", { "bsSkinButton7", "btnRemove", "N13" } },
    { "rename", { "bsSkinButton21", "N26" } },
    { "move", { "bsSkinButton3", "bsSkinButton4", "Button27", "N111", "N2221" } },
    { "clear", { "bsSkinButton8", "btnClear", "N14" } },
    // After a stop only the tool bar's start leads on.
    { "start-tool", { "bsSkinButton2" } },
    { "start", { "btnStart", "N7" } },
    { "stop", { "bsSkinButton10", "btnStop", "N8" } },
    { "pause", { "bsSkinButton11", "btnPause", "N10" } },
    { "resume", { "bsSkinButton12", "btnResume", "N11" } },
    { "pickers",
      { FamilyPickerName, FormatPickerName, "bsSkinButton5", "bsSkinComboBox1",
        "bsSkinComboBox2" } },
};

// The commands each state leaves usable; every other command is off.
const std::map<std::string, std::string> kStates{
    { "empty", "add pickers" },
    { "rows", "add remove rename move clear start-tool start pickers" },
    { "running", "stop pause" },
    { "paused", "stop resume" },
    // A paused run being stopped: pause and resume as before. A start cannot act before the
    // stop has finished, so it stays off until then.
    { "stopping", "resume pickers" },
    { "stopped", "clear start-tool pickers" },
    { "ended", "clear pickers" },
};

class CommandStates : public HeadlessProgramTest {
protected:
    CommandStates() : HeadlessProgramTest("commandstates") {}

    void SetUp() override {
        HeadlessProgramTest::SetUp();
        StartProgram();
        AnswerMessageBoxes();
        Form1->Show();
        Pump();
        TConversionOptions options = Form5->Options();
        options.ThreadCount = "1";
        options.AfterDone = 3;
        Form5->SetOptions(options);
    }

    bool ControlEnabled(const char* name) {
        TComponent* c = Form1->FindComponent(name);
        if (auto* item = dynamic_cast<TMenuItem*>(c)) return item->Enabled();
        return DescribedComponent<TControl>(Form1, name)->Enabled();
    }

    // Each control whose enabled state differs from what the state's row says, one per line.
    std::string Deviations(const std::string& state) {
        std::istringstream words(kStates.at(state));
        std::vector<std::string> on{ std::istream_iterator<std::string>(words), {} };
        std::string deviations;
        for (const TCommand& command : kCommands) {
            const bool expected = std::find(on.begin(), on.end(), command.Name) != on.end();
            for (const char* control : command.Controls)
                if (ControlEnabled(control) != expected)
                    deviations += std::string(command.Name) + ": " + control +
                                  (expected ? " is off\n" : " is on\n");
        }
        return deviations;
    }

    void Click(const char* name) { ClickControl(DescribedComponent<TControl>(Form1, name)); }

    bool RunEnded() { return ControlEnabled("bsSkinButton8") && !ControlEnabled("bsSkinButton10"); }
    void PumpUntilEnded() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!RunEnded()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "watchdog";
            Pump();
            CheckSynchronize(20);
        }
        Pump();
    }
};

TEST_F(CommandStates, EveryCommandFollowsTheStateTableInEveryState) {
    EXPECT_EQ(Deviations("empty"), "");

    DescribedComponent<TbsSkinOfficeComboBox>(Form1, FamilyPickerName)->SetItemIndex(1);
    FDialogs->FFiles = { fixtures::Standard().Avi, fixtures::Standard().Mp4 };
    Form1->N2222Click(nullptr);
    Pump();
    ASSERT_EQ(DescribedComponent<TbsSkinListView>(Form1, "lvFiles")->Items().Count(), 2);
    EXPECT_EQ(Deviations("rows"), "");

    Click("bsSkinButton2");
    EXPECT_EQ(Deviations("running"), "");
    Click("bsSkinButton11");
    EXPECT_EQ(Deviations("paused"), "");

    // What the window offers while the stop waits for the tasks: looked at on the GUI thread,
    // before the first termination the stop brings is handled.
    std::optional<std::string> whileStopping;
    const auto terminate = Form1->FFTasks->OnTerminate;
    Form1->FFTasks->OnTerminate = [&](TObject* sender, const TTerminateInfo& info) {
        QueueToMainThread([&] {
            if (!whileStopping) whileStopping = Deviations("stopping");
        });
        terminate(sender, info);
    };
    Click("bsSkinButton10");
    PumpUntilEnded();
    Form1->FFTasks->OnTerminate = terminate;
    ASSERT_TRUE(whileStopping);
    EXPECT_EQ(*whileStopping, "");
    EXPECT_EQ(Deviations("stopped"), "");

    Click("bsSkinButton2");
    EXPECT_EQ(Deviations("running"), "");
    PumpUntilEnded();
    EXPECT_EQ(Deviations("ended"), "");
    EXPECT_TRUE(FMessages.empty()) << FMessages.front();

    Click("bsSkinButton8");
    EXPECT_EQ(Deviations("empty"), "");
}

} // namespace
