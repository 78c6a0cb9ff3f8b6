#pragma once
#include "platform/forms/TComponent.h"
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// Handlers that several parts of a program each add for a while and remove by the token they
// got, all of which hear of the event, in the order they were added.
class TNotifyChain {
public:
    using TToken = std::uint64_t;

    TToken Add(TNotifyEvent handler) {
        const TToken token = FNext++;
        FHandlers.emplace_back(token, std::move(handler));
        return token;
    }
    // Nothing for a token already removed.
    void Remove(TToken token) {
        std::erase_if(FHandlers, [token](const auto& entry) { return entry.first == token; });
    }
    // A handler may add or remove handlers: the walk goes over those present when it began
    // and skips any removed meanwhile.
    void Notify(TObject* sender) {
        const auto handlers = FHandlers;
        for (const auto& [token, handler] : handlers) {
            const bool present = std::any_of(FHandlers.begin(), FHandlers.end(),
                                             [&](const auto& e) { return e.first == token; });
            if (present && handler) handler(sender);
        }
    }

private:
    std::vector<std::pair<TToken, TNotifyEvent>> FHandlers;
    TToken FNext{ 1 };
};
