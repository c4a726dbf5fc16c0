// Waveshapers of the voice: the saturation after the filters (a drive into a quartic curve,
// blended with the dry signal) and the two soft limiters (gain, a soft knee above a threshold
// and a make-up gain) before the filters and after the filter mix.
#pragma once
#include <cmath>

#include "common/portable_math.h"
#include "dsp/level_mix.h"
#include "dsp/oversampled_shaper.h"

namespace tarlix {

// The quartic curve's shaped part s u(x g) and its antiderivative, for the oversampled stage;
// the dry share (1 - a) x is its linear part. Drive, amount and the ceiling s are read per
// base sample.
struct QuarticShape {
    const float *drive, *amount;
    static double ceiling(double g, double a) { return a / (0.333 * g + 0.667); }
    float linear(float x, int i) const { return (1.0f - amount[i]) * x; }
    double residual(double u, int i) const {
        if (amount[i] == 0.0f) return 0.0; // the dry signal alone
        const double g = drive[i] > 0.0f ? drive[i] : 0.0;
        const double t = std::fabs(u) * g, s = ceiling(g, amount[i]);
        const double d = t < 1.0 ? 1.0 - t : 0.0, v = s * (1.0 - d * d * d * d);
        return u < 0.0 ? -v : v; // odd in u, whatever the sign of s
    }
    double antiderivative(double u, int i) const {
        const double g = drive[i] > 0.0f ? drive[i] : 0.0;
        if (amount[i] == 0.0f || g < 1e-9) return 0.0; // no shaped part
        const double x = std::fabs(u), t = x * g, s = ceiling(g, amount[i]);
        if (t >= 1.0) return s * (x - 0.2 / g);
        const double d = 1.0 - t, d5 = d * d * d * d * d;
        return s * (x - (1.0 - d5) / (5.0 * g));
    }
    bool plain(double, double, int i) const { return amount[i] == 0.0f; }
    float plainBound(int i) const { return amount[i] == 0.0f ? INFINITY : -1.0f; }
    float slope(int i) const { return 1.0f - amount[i]; }
};

// The limiter's knee as what it takes from a plain gain: zero up to the threshold. Its input is
// the signal already multiplied by the gain.
struct KneeShape {
    const float* threshold;
    double knee;
    float linear(float y, int) const { return y; }
    double residual(double y, int i) const {
        const double o = std::fabs(y) - threshold[i];
        if (!(o > 0.0)) return 0.0;
        const double v = knee * o / (o + 1.0) - o;
        return y < 0.0 ? -v : v;
    }
    double antiderivative(double y, int i) const {
        const double o = std::fabs(y) - threshold[i];
        if (!(o > 0.0)) return 0.0;
        return knee * (o - std::log1p(o)) - 0.5 * o * o;
    }
    bool plain(double a, double b, int i) const { // both ends, so all between, below the knee
        return std::fabs(a) <= threshold[i] && std::fabs(b) <= threshold[i];
    }
    float plainBound(int i) const { return threshold[i]; }
    float slope(int) const { return 1.0f; }
};

class QX_DSP_Saturation : public QX_DSP_Level_Base {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1, // wiring it makes the stage stereo
        kInDrive = 2,
        kInAmount = 3,
        kInCurve = 4,
        kInAmountB = 5, // read instead of kInAmount when kInUseAmountB is set
        kInUseAmountB = 6,
        kInOn = 9,
        kInCopyWhenOff = 10,
    };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    static constexpr int kQuarticCurve = 5; // the only curve the instrument selects
    QX_DSP_Saturation(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

    // Curve 5 at input x, drive g and amount a.
    static float curve(float x, float g, float a);
    void Render(int offset, int count) override;

  private:
    void compute(int offset, int count) override;
    // An amount of exactly 0 that no module moves leaves the dry signal: the stage copies it,
    // without the oversampling's delay, as with any setting that is not a curve.
    bool dry() const {
        return !varies(amountInput_) && !(inputs[amountInput_] && in(amountInput_, 0) != 0.0f);
    }
    bool shaping() const { return enabled_ && curve_ == kQuarticCurve && !dry(); }
    bool wasShaping_ = false;
    OversampledShaper shaper_[2];
    float lastIn_[2] = {}, lastDrive_ = 1.0f, lastAmount_ = 0.0f; // where the inputs rest
    int stillFor_ = 0; // samples since an input last varied
    int curve_ = kQuarticCurve;
    int amountInput_ = kInAmount;
    bool enabled_ = true, copyWhenOff_ = false;
};

class QX_DSP_Soft_Limiter : public QX_DSP_Level_Base {
  public:
    enum Mode { kSilence = 0, kPassThrough = 1, kLimit = 2 };
    enum Input {
        kInSignal = 0,
        kInThreshold = 1,
        kInGain = 2,
        kInKnee = 3,
        kInOn = 4, // 0 silences
        kInMode = 5,
        kInMakeUp = 19, // wired: make-up gain after the knee
        kInMakeUpBlend = 20,
    };
    enum Output { kOut = 0 };
    QX_DSP_Soft_Limiter(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;

    // The knee: y beyond the threshold t approaches t + knee; below it y passes.
    static float limit(float y, float threshold, float knee);
    // Make-up gain 1 / (sqrt(G) (1 - m) + m).
    static float makeUp(float gain, float blend);
    void Render(int offset, int count) override;

  private:
    void compute(int offset, int count) override;
    OversampledShaper shaper_;
    float lastIn_ = 0.0f, lastThreshold_ = 1.0f, lastKnee_ = 0.1f, lastMakeUp_ = 1.0f;
    bool silent_ = true;    // the last call wrote silence
    bool entering_ = false; // limiting starts from another mode
    int stillFor_ = 0;      // samples since an input last varied
    int mode_ = kLimit;
    float blend_ = 0.75f;
    bool makeUpOn_ = false;
};

// The instrument's last stage, for the ears and the speakers: untouched up to +3 dBFS, then
// bent smoothly (slope 1 at the knee) towards a ceiling of +5.9 dBFS that no sample passes,
// whatever the effects at their extremes add up to. Anything not finite becomes silence.
struct OutputCeiling {
    static constexpr float kKnee = 1.4125375f;  // +3 dBFS
    static constexpr float kLimit = 1.9724227f; // +5.9 dBFS
    static float apply(float x) {
        if (!std::isfinite(x)) return 0.0f;
        const float a = std::fabs(x);
        if (a <= kKnee) return x;
        const float room = kLimit - kKnee;
        const float y = kKnee + room * static_cast<float>(pmath::tanh((a - kKnee) / room));
        return std::copysign(std::fmin(y, kLimit), x);
    }
};

} // namespace tarlix
