#pragma once
// Work a window needs only once it is seen, such as painting its own pictures: done when the
// window first shows, not while the program starts.
#include "platform/forms/TCustomForm.h"

#include <functional>
#include <memory>
#include <utility>

// Runs work once, just before the form's own OnShow handler the first time the form shows.
inline void DoWhenFirstShown(TCustomForm& form, std::function<void()> work) {
    auto pending = std::make_shared<std::function<void()>>(std::move(work));
    form.OnShow = [pending, inner = form.OnShow](TObject* sender) {
        if (*pending) std::exchange(*pending, nullptr)();
        if (inner) inner(sender);
    };
}
