#pragma once
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

// Puts the terminate events of a run in one order, whichever threads deliver them: turns are
// handed out in the order the bookkeeping takes them, and a turn runs only after every earlier
// turn has ended. So the all-done event, taken after the last task's own terminate, also
// arrives after it, and a task's failure message is never overtaken by the run's end.
class TTerminateSequence {
public:
    // The caller holds the lock under which the order of events is decided.
    std::uint64_t Take();
    // Waits for the turn, runs fn and ends the turn, also when fn raises.
    void Run(std::uint64_t turn, const std::function<void()>& fn);
    // Waits until every turn taken so far has ended; returns at once on a thread running a
    // turn, which would otherwise wait for itself.
    void WaitAll();
    // Whether the calling thread is running one of this sequence's turns.
    bool Delivering() const;

private:
    void WaitUntil(const std::function<bool()>& ready);

    std::mutex FLock;
    std::condition_variable FChanged;
    std::uint64_t FTaken{ 0 };
    std::uint64_t FEnded{ 0 };
};
