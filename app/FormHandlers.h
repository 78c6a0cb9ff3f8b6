#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TCustomForm.h"
#include <initializer_list>
#include <utility>

// Makes a form class's handler methods known to its description under their names.
template <typename F>
void RegisterNotifyHandlers(
    const char* className,
    std::initializer_list<std::pair<const char*, void (F::*)(TObject*)>> handlers) {
    auto& r = TClassRegistry::Instance();
    // Pairs, not structured bindings: clang 14 cannot capture a binding.
    for (const auto& handler : handlers)
        r.RegisterMethod(className, handler.first, [method = handler.second](TComponent* root) {
            F* form = static_cast<F*>(root);
            return std::any(TNotifyEvent([form, method](TObject* s) { (form->*method)(s); }));
        });
}

template <typename F>
void RegisterMouseHandlers(
    const char* className,
    std::initializer_list<
        std::pair<const char*, void (F::*)(TObject*, TMouseButton, TShiftState, int, int)>>
        handlers) {
    auto& r = TClassRegistry::Instance();
    for (const auto& handler : handlers)
        r.RegisterMethod(className, handler.first, [method = handler.second](TComponent* root) {
            F* form = static_cast<F*>(root);
            return std::any(
                TMouseEvent([form, method](TObject* s, TMouseButton b, TShiftState sh, int x,
                                           int y) { (form->*method)(s, b, sh, x, y); }));
        });
}

// Makes one handler method known under its name as an event of type E.
template <typename E, typename F, typename... A>
void RegisterHandler(const char* className, const char* name, void (F::*method)(A...)) {
    TClassRegistry::Instance().RegisterMethod(className, name, [method](TComponent* root) {
        F* form = static_cast<F*>(root);
        return std::any(E([form, method](A... args) { (form->*method)(args...); }));
    });
}

// Runs the click operation of a hidden operation button: the operation runs whether or not
// the button is enabled, as clicking it from another operation does.
void RunOperation(TControl* button);
