#pragma once
#include <functional>
#include <memory>

class TTimer;

// The three timed jobs of a skinned button: the cross-fade between its normal and hot faces,
// the strip of animation frames it plays on hover and focus, and the repeated click of a held
// button. Each runs on a window timer of its own, made on the first start and stopped when its
// work ends; the handlers run on the GUI thread.

// The cross-fade position of a button's face, 0 the normal face and 1 the hot one, moved a
// fifth every 20 ms towards the face the button should show. A fade from an end takes six
// steps, the last one a fifth past the other end (1.2 or -0.2), and a closing tick that sets
// the end exactly: seven repaints. Positions are counted in whole fifths, so the ends are exact.
class TbsButtonMorph {
public:
    static constexpr unsigned kInterval = 20;

    // canMorph: the button has a record that morphs and effects are on; towardsHot: the face
    // the fade heads for; repaint: shows the new position.
    TbsButtonMorph(std::function<bool()> canMorph, std::function<bool()> towardsHot,
                   std::function<void()> repaint);
    ~TbsButtonMorph();
    TbsButtonMorph(const TbsButtonMorph&) = delete;
    TbsButtonMorph& operator=(const TbsButtonMorph&) = delete;

    double Kf() const { return FStep / double(kStepsPerUnit); }
    // Puts the face at rest on the hot (true) or the normal face.
    void SetAtEnd(bool hot);
    // Starts the fade unless it runs; without a morphing record, only repaints.
    void Start();
    void Stop();
    bool Running() const;

private:
    static constexpr int kStepsPerUnit = 5;
    void Tick();
    // A position reached by stepping counts as short of the end it lies on, as a sum of
    // fifths does; one put there at rest does not.
    bool BelowHot() const { return FStep < kStepsPerUnit || (FStep == kStepsPerUnit && !FAtRest); }
    bool AboveNormal() const { return FStep > 0 || (FStep == 0 && !FAtRest); }

    std::function<bool()> FCanMorph;
    std::function<bool()> FTowardsHot;
    std::function<void()> FRepaint;
    int FStep{ 0 };
    bool FAtRest{ true };
    std::unique_ptr<TTimer> FTimer;
};

// A strip of animation frames played forward (towards the hot face) or backward, one frame
// every interval. CurrentFrame counts from 1; 0 when none plays.
class TbsButtonAnimation {
public:
    explicit TbsButtonAnimation(std::function<void()> repaint);
    ~TbsButtonAnimation();
    TbsButtonAnimation(const TbsButtonAnimation&) = delete;
    TbsButtonAnimation& operator=(const TbsButtonAnimation&) = delete;

    // Stops a running animation and starts one at frame 1 (forward) or frameCount (backward).
    // Nothing starts without frames or without an interval, as such a record shows none.
    void Start(bool forward, int frameCount, int interval);
    void Stop();
    bool Running() const { return FRunning; }
    bool Forward() const { return FForward; }
    int CurrentFrame() const { return FCurrentFrame; }

private:
    void Tick();

    std::function<void()> FRepaint;
    bool FRunning{ false };
    bool FForward{ false };
    int FCurrentFrame{ 0 };
    int FFrameCount{ 0 };
    std::unique_ptr<TTimer> FTimer;
};

// The repeated click of a held button: nothing for the first 500 ms, then a click every
// interval (read when the first 500 ms are over) until stopped.
class TbsButtonRepeat {
public:
    static constexpr unsigned kDelay = 500;

    TbsButtonRepeat(std::function<void()> click, std::function<int()> interval);
    ~TbsButtonRepeat();
    TbsButtonRepeat(const TbsButtonRepeat&) = delete;
    TbsButtonRepeat& operator=(const TbsButtonRepeat&) = delete;

    void Start();
    void Stop();
    bool Running() const { return FRunning; }

private:
    void Tick();

    std::function<void()> FClick;
    std::function<int()> FInterval;
    bool FRunning{ false };
    bool FClicking{ false };
    std::unique_ptr<TTimer> FTimer;
};
