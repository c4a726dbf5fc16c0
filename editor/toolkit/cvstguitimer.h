// The frame timer: a 16 ms tick driven by whoever pumps the editor (the host's idle calls on
// Linux). Ticks that elapsed between two pumps are run then, so motion keeps its speed when
// the host pumps at 15 Hz; a long stall runs at most a few ticks instead of a burst.
#pragma once
#include <functional>

namespace tk {

class CVSTGUITimer {
  public:
    static constexpr double kPeriodMs = 16.0;
    static constexpr int kMaxCatchUp = 8;

    explicit CVSTGUITimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}

    void start(double nowMs) {
        running_ = true;
        nextMs_ = nowMs + kPeriodMs;
    }
    void stop() { running_ = false; }
    bool running() const { return running_; }

    // Runs the ticks due by `nowMs`; returns how many ran.
    int runElapsed(double nowMs) {
        if (!running_ || nowMs < nextMs_) return 0;
        int due = static_cast<int>((nowMs - nextMs_) / kPeriodMs) + 1;
        if (due > kMaxCatchUp) {
            due = kMaxCatchUp;
            nextMs_ = nowMs + kPeriodMs; // forget the rest of a stall
        } else {
            nextMs_ += due * kPeriodMs;
        }
        for (int i = 0; i < due && running_; ++i)
            onTick_();
        return due;
    }

  private:
    std::function<void()> onTick_;
    bool running_ = false;
    double nextMs_ = 0.0;
};

} // namespace tk
