#pragma once
#include "platform/forms/TApplication.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace formstest {

// Steps that run one at a time, each when the application's loop (or a modal form's) runs out
// of input. A loop that waits with no step left fails the test and ends the program, which
// cancels every modal form.
class IdleSteps {
public:
    void Attach(TApplication& app) {
        app.OnIdle = [this, &app](TObject*) {
            if (FSteps.empty()) {
                ADD_FAILURE() << "a dialog waited for input the test did not give";
                app.Terminate();
                return;
            }
            auto step = std::move(FSteps.front());
            FSteps.pop_front();
            step();
        };
    }
    void Then(std::function<void()> step) { FSteps.push_back(std::move(step)); }
    bool Empty() const { return FSteps.empty(); }

private:
    std::deque<std::function<void()>> FSteps;
};

} // namespace formstest
