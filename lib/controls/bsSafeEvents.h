#pragma once
#include <memory>
#include <utility>

// An event handler may free the control that calls it: a scroll bar's OnChange that closes
// the view the bar belongs to, a slider's OnMouseUp that closes the preview. The control holds
// a life token; a watch taken before the call tells afterwards whether the control is still
// there, and nothing of it is touched once it is gone.
class TbsLifeToken {
public:
    class TWatch {
    public:
        bool Gone() const { return FToken.expired(); }

    private:
        friend class TbsLifeToken;
        explicit TWatch(std::weak_ptr<const char> token) : FToken(std::move(token)) {}
        std::weak_ptr<const char> FToken;
    };

    TWatch Watch() const { return TWatch(FToken); }

private:
    std::shared_ptr<const char> FToken{ std::make_shared<const char>() };
};

// Calls the event when assigned. The handler runs from a copy, so that it may free the object
// whose member the event is.
template <class TEvent, class... TArgs>
void CallEvent(const TEvent& event, TArgs&&... args) {
    if (!event) return;
    const TEvent handler = event;
    handler(std::forward<TArgs>(args)...);
}
