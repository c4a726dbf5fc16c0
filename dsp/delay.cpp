#include "dsp/delay.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/portable_math.h"

namespace tarlix {

int delayBufferLength(int sizeIndex, double sampleRate) {
    const int index = sizeIndex < 0 ? 0 : (sizeIndex > 11 ? 11 : sizeIndex);
    int length = 524288 >> index;
    if (sampleRate > 48000.0) length *= 2;
    if (sampleRate > 96000.0) length *= 2;
    if (sampleRate > 192000.0) length *= 2;
    return length;
}

// ---- ring -----------------------------------------------------------------------------------

DelayRing::~DelayRing() {
    freeAlignedFloats(data_);
}

DelayRing& DelayRing::operator=(DelayRing&& other) noexcept {
    if (this != &other) {
        freeAlignedFloats(data_);
        take(other);
    }
    return *this;
}

void DelayRing::take(DelayRing& other) {
    data_ = other.data_;
    allocated_ = other.allocated_;
    mask_ = other.mask_;
    w_ = other.w_;
    fresh_ = other.fresh_;
    other.data_ = nullptr;
    other.allocated_ = other.mask_ = other.w_ = other.fresh_ = 0;
}

bool DelayRing::allocate(int length) {
    if (length != allocated_) {
        freeAlignedFloats(data_);
        data_ = allocateAlignedFloats(static_cast<size_t>(length));
        allocated_ = data_ ? length : 0;
    }
    mask_ = allocated_ > 0 ? allocated_ - 1 : 0;
    w_ = fresh_ = 0;
    return data_ != nullptr;
}

void DelayRing::limit(int length) {
    int n = 1;
    while (n < length && n < allocated_)
        n *= 2;
    if (n > allocated_) n = allocated_;
    if (n - 1 != mask_) {
        mask_ = n > 0 ? n - 1 : 0;
        w_ &= mask_;
        fresh_ = 0; // the positions mean other samples now
    }
}

// ---- one-channel line -----------------------------------------------------------------------

namespace {
// The echo's loop can gain more than unity (a repeat and its shifted copy add up): what enters
// a line above +-1.5 bends softly towards +-3, so repeats saturate instead of growing without
// bound. Below it the line is untouched.
float saturate(float x) {
    if (!std::isfinite(x)) return 0.0f;
    const float m = std::fabs(x);
    if (m <= 1.5f) return x;
    const float over = m - 1.5f;
    const float y = 1.5f + over / (1.0f + over / 1.5f);
    return x < 0.0f ? -y : y;
}
} // namespace

QX_DSP_Delay::QX_DSP_Delay(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInSignal});
    allocateOutputs(1);
}

void QX_DSP_Delay::Prepare() {
    // The size wired to the line decides its allocation, here, off the audio thread.
    sizeIndex_ = wholeInput(kInSize, 1);
    timeScale_ = wholeInput(kInTimeScale, kDelayMilliseconds);
    fractional_ = wholeInput(kInFractional, 1) != 0;
    enabled_ = true;
    bypass_ = false;
    feedback_ = damping_ = dampState_ = 0.0f;
    ring_.allocate(delayBufferLength(sizeIndex_, sampleRate()));
    zeroLeft_ = 0;
}

void QX_DSP_Delay::Reset() {
    ring_.forget();
    dampState_ = 0.0f;
    std::memset(outputs[kOut], 0, sizeof(float) * static_cast<size_t>(blockSize));
}

float QX_DSP_Delay::samplesPerVolt() const {
    switch (timeScale_) {
    case kDelaySeconds:
        return static_cast<float>(sampleRate() * 10.0);
    case kDelaySamples:
        return 10.0f;
    default:
        return static_cast<float>(sampleRate() * 0.01);
    }
}

void QX_DSP_Delay::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInFeedback:
        feedback_ = f;
        break;
    case kInDamping: {
        const double r = 44100.0 / sampleRate();
        damping_ = f * static_cast<float>(r < 1.0 ? r : 1.0);
        break;
    }
    case kInFractional:
        fractional_ = e.intValue != 0;
        break;
    case kInTimeScale:
        timeScale_ = e.intValue;
        break;
    case kInSize:
        // A larger line than the one made for this graph is not made here: the line stays
        // within its allocation.
        sizeIndex_ = e.intValue;
        ring_.limit(delayBufferLength(sizeIndex_, sampleRate()));
        break;
    case kInOn: {
        const bool on = f != 0.0f;
        if (on && !enabled_) ring_.forget(); // starts from silence
        if (!on && enabled_) zeroLeft_ = blockSize;
        enabled_ = on;
        break;
    }
    case kInClear:
        if (e.intValue >= 1) ring_.forget();
        break;
    case kInBypass:
        bypass_ = e.intValue != 0;
        break;
    default:
        break;
    }
}

// Asleep in silence once its memory has emptied: an idle echo or chorus costs nothing.
void QX_DSP_Delay::Render(int offset, int count) {
    reach_ = 0;
    renderAudio(offset, count);
    // Quiet for longer than the tap reaches back: everything the line can still play is quiet.
    clearWhenSilent(offset, count, std::min(reach_ + 2, ring_.fresh()));
}

void QX_DSP_Delay::renderAudio(int offset, int count) {
    float* out = outputs[kOut];
    if (bypass_) {
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(kInSignal, i);
        return;
    }
    if (!inputs[kInSignal]) zeroLeft_ = -1; // nothing to delay: silence, asleep at once
    if (!enabled_ || !ring_.ready() || !inputs[kInSignal]) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        zeroLeft_ -= count;
        if (zeroLeft_ < 0) Sleep(offset, count);
        return;
    }
    const float perVolt = samplesPerVolt();
    const float longest = static_cast<float>(ring_.length() - 2);
    const bool moving = inputSource[kInTime] != nullptr;
    float D = in(kInTime, offset) * perVolt;
    for (int i = offset; i < offset + count; ++i) {
        if (moving) D = in(kInTime, i) * perVolt;
        // Within the line: never the future, never past its end.
        const float d = D > 0.0f ? (D < longest ? D : longest) : 0.0f;
        ring_.write(saturate(in(kInSignal, i)));
        const int whole = static_cast<int>(d);
        reach_ = whole > reach_ ? whole : reach_;
        float y = ring_.at(whole);
        if (fractional_) y += (ring_.at(whole + 1) - y) * (d - static_cast<float>(whole));
        if (feedback_ != 0.0f) {
            if (damping_ == 0.0f) {
                ring_.add(y * feedback_);
                dampState_ = 0.0f;
            } else {
                dampState_ = y - (y - dampState_) * damping_;
                ring_.add(feedback_ * dampState_);
            }
        }
        out[i] = std::isfinite(y) ? y : 0.0f;
    }
    if (!std::isfinite(dampState_)) {
        dampState_ = 0.0f;
        ring_.forget();
    }
}

// ---- stereo block delay ---------------------------------------------------------------------

QX_DSP_Delay_ST::QX_DSP_Delay_ST(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInLeft, kInRight});
    allocateOutputs(2);
}

void QX_DSP_Delay_ST::Prepare() {
    sizeIndex_ = wholeInput(kInSize, 4);
    timeScale_ = wholeInput(kInTimeScale, kDelayMilliseconds);
    time_ = hasConstant(kInTime) ? finiteOr(inputs[kInTime][0], 0.0f) : 0.0f;
    enabled_ = true;
    swap_ = bypass_ = false;
    for (DelayRing& r : ring_)
        r.allocate(delayBufferLength(sizeIndex_, sampleRate()));
    updateDelay();
    zeroLeft_ = 0;
}

void QX_DSP_Delay_ST::Reset() {
    for (DelayRing& r : ring_)
        r.forget();
}

void QX_DSP_Delay_ST::updateDelay() {
    const double perVolt = timeScale_ == kDelaySeconds
                               ? sampleRate() * 10.0
                               : (timeScale_ == kDelaySamples ? 10.0 : sampleRate() * 0.01);
    // Whole samples; the small allowance keeps 1.8 V (a float just below it) at 18 ms.
    double d = std::floor(static_cast<double>(time_) * perVolt + 1e-3);
    // A read overlapping the chunk being written would mix old and new: keep a chunk apart.
    const double longest = ring_[0].length() - kMaxChunk;
    d = d > 0.0 ? (d < longest ? d : longest) : 0.0;
    delay_ = static_cast<int>(d);
}

void QX_DSP_Delay_ST::HandleEvent(const EventRecord& e, int) {
    switch (e.port) {
    case kInTime:
        time_ = finiteOr(e.floatValue, 0.0f);
        break;
    case kInTimeScale:
        timeScale_ = e.intValue;
        break;
    case kInSize:
        sizeIndex_ = e.intValue;
        for (DelayRing& r : ring_)
            r.limit(delayBufferLength(sizeIndex_, sampleRate()));
        break;
    case kInOn: {
        const bool on = e.intValue != 0;
        if (on && !enabled_) Reset();
        if (!on && enabled_) zeroLeft_ = blockSize;
        enabled_ = on;
        break;
    }
    case kInSwap:
        swap_ = e.intValue != 0;
        break;
    case kInClear:
        if (e.intValue >= 1) Reset();
        break;
    case kInBypass:
        bypass_ = e.intValue != 0;
        break;
    default:
        break;
    }
    updateDelay();
}

// Asleep in silence once its memory has emptied: an idle echo or chorus costs nothing.
void QX_DSP_Delay_ST::Render(int offset, int count) {
    renderAudio(offset, count);
    clearWhenSilent(offset, count, std::max(ring_[0].fresh(), ring_[1].fresh()));
}

void QX_DSP_Delay_ST::renderAudio(int offset, int count) {
    const bool stereo = inputs[kInRight] != nullptr;
    const int channels = stereo ? 2 : 1;
    const size_t bytes = sizeof(float) * static_cast<size_t>(count);
    if (bypass_) {
        for (int c = 0; c < channels; ++c)
            for (int i = offset; i < offset + count; ++i)
                outputs[kOutLeft + c][i] = in(kInLeft + c, i);
        return;
    }
    if (!inputs[kInLeft]) zeroLeft_ = -1; // nothing to delay: silence, asleep at once
    if (!enabled_ || !ring_[0].ready() || !ring_[1].ready() || !inputs[kInLeft]) {
        for (int c = 0; c < 2; ++c)
            std::memset(outputs[c] + offset, 0, bytes);
        zeroLeft_ -= count;
        if (zeroLeft_ < 0) Sleep(offset, count);
        return;
    }
    for (int c = 0; c < channels; ++c) {
        DelayRing& ring = ring_[c];
        float* out = outputs[stereo && swap_ ? 1 - c : c];
        for (int i = offset; i < offset + count; ++i) {
            ring.write(in(kInLeft + c, i));
            out[i] = ring.at(delay_);
        }
    }
}

// ---- chorus ---------------------------------------------------------------------------------

QX_DSP_Chorus3v::QX_DSP_Chorus3v(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInSignal});
    allocateOutputs(3);
}

void QX_DSP_Chorus3v::Prepare() {
    ring_.allocate(delayBufferLength(wholeInput(kInSize, 4), sampleRate()));
    const int voices = wholeInput(kInVoiceCount, kVoices);
    voices_ = voices < 1 ? 1 : (voices > kVoices ? kVoices : voices);
    baseVolts_ = 0.1f; // 1 ms until the graph sets it
    for (float& o : offsets_)
        o = 0.0f;
    feedback_ = 0.0f;
    tapScaleMs_ = true;
    enabled_ = true;
    bypass_ = false;
    updateTaps();
}

void QX_DSP_Chorus3v::updateTaps() {
    const double rate = sampleRate();
    const double base = std::floor(static_cast<double>(baseVolts_) * rate * 0.01 + 1.0);
    const double scale = tapScaleMs_ ? rate * 0.01 : rate * 10.0;
    const double longest = ring_.length() / 2.0;
    for (int v = 0; v < kVoices; ++v) {
        double t = std::floor(static_cast<double>(offsets_[v]) * scale + base);
        taps_[v] = static_cast<int>(t < 0.0 ? 0.0 : (t > longest ? longest : t));
    }
}

void QX_DSP_Chorus3v::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInTapOffset:
    case kInTapOffset + 1:
    case kInTapOffset + 2:
        offsets_[e.port - kInTapOffset] = f;
        break;
    case kInFeedback:
        feedback_ = f;
        break;
    case kInTapScaleMs:
        tapScaleMs_ = e.intValue != 0;
        break;
    case kInOn: {
        const bool on = f != 0.0f;
        if (on && !enabled_) ring_.forget(); // starts from silence
        if (!on && enabled_) zeroLeft_ = blockSize;
        enabled_ = on;
        break;
    }
    case kInVoiceCount:
        voices_ = e.intValue < 1 ? 1 : (e.intValue > kVoices ? kVoices : e.intValue);
        break;
    case kInBypass:
        bypass_ = e.intValue != 0;
        break;
    case kInBaseTime:
        baseVolts_ = f;
        break;
    case kInClear:
        if (e.intValue >= 1) ring_.forget();
        break;
    case kInActive:
        bypass_ = e.intValue == 0;
        break;
    default:
        break;
    }
    updateTaps();
}

// Asleep in silence once its memory has emptied: an idle echo or chorus costs nothing.
void QX_DSP_Chorus3v::Render(int offset, int count) {
    renderAudio(offset, count);
    clearWhenSilent(offset, count, ring_.fresh());
}

void QX_DSP_Chorus3v::renderAudio(int offset, int count) {
    if (!inputs[kInSignal]) zeroLeft_ = -1;
    if (!enabled_ || !ring_.ready() || !inputs[kInSignal]) {
        for (int v = 0; v < kVoices; ++v)
            std::memset(outputs[kOutVoice + v] + offset, 0,
                        sizeof(float) * static_cast<size_t>(count));
        zeroLeft_ -= count;
        if (zeroLeft_ < 0) Sleep(offset, count);
        return;
    }
    const bool mean = inputs[kInSecondSignal] != nullptr;
    const float perVolt = static_cast<float>(sampleRate() * 0.01); // depth: ms x 0.1 per volt
    if (bypass_ && in(kInDepth, offset) == 0.0f) { // no depth: the voices are the input
        for (int v = 0; v < voices_; ++v)
            for (int i = offset; i < offset + count; ++i)
                outputs[kOutVoice + v][i] =
                    mean ? (in(kInSignal, i) + in(kInSecondSignal, i)) * 0.5f : in(kInSignal, i);
        return;
    }
    const float longest = static_cast<float>(ring_.length() - 2);
    for (int i = offset; i < offset + count; ++i) {
        ring_.write(mean ? (in(kInSignal, i) + in(kInSecondSignal, i)) * 0.5f : in(kInSignal, i));
        const float depth = in(kInDepth, i) * perVolt;
        for (int v = 0; v < voices_; ++v) {
            float d = static_cast<float>(taps_[v]) + depth * (in(kInModulation + v, i) + 0.5f);
            d = d > 0.0f ? (d < longest ? d : longest) : 0.0f;
            const int whole = static_cast<int>(d);
            const float a = ring_.at(whole);
            const float y = a + (ring_.at(whole + 1) - a) * (d - static_cast<float>(whole));
            outputs[kOutVoice + v][i] = std::isfinite(y) ? y : 0.0f;
            // Feedback goes into the write position (the tap form is not used here).
            if (feedback_ != 0.0f) ring_.add(saturate(y * feedback_));
        }
    }
}

// ---- pitch shifter --------------------------------------------------------------------------

QX_DSP_PitchShifter::QX_DSP_PitchShifter(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    setAudioPorts({kInSignal});
    allocateOutputs(1);
}

void QX_DSP_PitchShifter::Prepare() {
    const double rate = sampleRate();
    int length = 65536;
    if (rate > 48000.0) length *= 2;
    if (rate > 96000.0) length *= 2;
    if (rate > 192000.0) length *= 2;
    ring_.allocate(length);
    mode_ = wholeInput(kInMode, kMelt);
    law_ = wholeInput(kInLaw, kSemitones);
    windowControl_ = 6.0f;
    feedback_ = 0.0f;
    offset_ = 0;
    enabled_ = true;
    bypass_ = false;
    zeroPitch_ = false;
    lastPitch_ = NAN;
    Reset();
    restartPhase();
    recompute(0.0f);
}

void QX_DSP_PitchShifter::Reset() {
    ring_.forget();
    std::memset(outputs[kOut], 0, sizeof(float) * static_cast<size_t>(blockSize));
}

int32_t QX_DSP_PitchShifter::incrementFor(double ratioMinusOne, int window) {
    const double w = window < 2 ? 2.0 : static_cast<double>(window);
    const double inc = std::trunc(ratioMinusOne / w * -4294967296.0);
    if (!(inc > -2147483647.0)) return -2147483647; // also a non-finite ratio
    if (inc > 2147483647.0) return 2147483647;
    return static_cast<int32_t>(inc);
}

void QX_DSP_PitchShifter::recompute(float pitch) {
    const double p = pitch;
    double rm1;
    if (law_ == kLinear)
        rm1 = (p - 0.1) * 10.0;
    else
        rm1 = pmath::exp2(p * (law_ == kOctaves ? 10.0 : 0.8333333)) - 1.0;
    const double w = std::trunc(sampleRate() * 0.005 * static_cast<double>(windowControl_));
    // Inside the buffer, and at least two samples so the sweep is defined.
    const double longest = ring_.length() > 2 ? static_cast<double>(ring_.length() / 2) : 2.0;
    window_ = static_cast<int>(w < 2.0 ? 2.0 : (w > longest ? longest : w));
    increment_ = incrementFor(rm1, window_);
    zeroPitch_ = pitch == 0.0f;
}

void QX_DSP_PitchShifter::HandleEvent(const EventRecord& e, int) {
    const float f = finiteOr(e.floatValue, 0.0f);
    switch (e.port) {
    case kInOffset: {
        const float v = f > 0.0f ? (f < 1000.0f ? f : 1000.0f) : 0.0f;
        offset_ = static_cast<int>(std::trunc(v) * sampleRate() * 0.01);
        if (offset_ > ring_.length() / 4) offset_ = ring_.length() / 4;
        break;
    }
    case kInFeedback:
        feedback_ = f;
        break;
    case kInWindow:
        windowControl_ = f;
        lastPitch_ = NAN; // recompute
        break;
    case kInMode:
        if (e.intValue != mode_) {
            mode_ = e.intValue;
            restartPhase();
        }
        break;
    case kInLaw:
        law_ = e.intValue;
        lastPitch_ = NAN;
        break;
    case kInOn: {
        const bool on = e.intValue != 0;
        if (on && !enabled_) {
            Reset(); // starts from silence
            restartPhase();
        }
        if (!on && enabled_) zeroLeft_ = blockSize;
        enabled_ = on;
        break;
    }
    case kInClear:
        if (e.intValue >= 1) {
            Reset();
            restartPhase();
        }
        break;
    case kInBypass:
        bypass_ = e.intValue != 0;
        if (bypass_) restartPhase();
        break;
    default:
        break;
    }
}

// Asleep in silence once its memory has emptied: an idle shifter costs nothing.
void QX_DSP_PitchShifter::Render(int offset, int count) {
    if (sleptUntil_) catchUp();
    renderAudio(offset, count);
    if (clearWhenSilent(offset, count, ring_.fresh()))
        sleptUntil_ = now + static_cast<uint64_t>(count);
}

// Asleep, the sweep stood still; it moves on now as if it had run the whole time.
void QX_DSP_PitchShifter::catchUp() {
    const uint64_t gap = now > sleptUntil_ ? now - sleptUntil_ : 0;
    sleptUntil_ = 0;
    if (!enabled_ || bypass_ || (mode_ != kMelt && mode_ != kEchoShift)) return;
    if (!zeroPitch_) {
        phase_ +=
            static_cast<uint32_t>(gap * static_cast<uint64_t>(static_cast<uint32_t>(increment_)));
        return;
    }
    const uint32_t rest = mode_ == kEchoShift ? 0x80000000u : 0u;
    const uint32_t apart = phase_ > rest ? phase_ - rest : rest - phase_;
    const uint64_t glide = gap * 16384u; // the per-sample step toward rest
    const uint32_t move = glide < apart ? static_cast<uint32_t>(glide) : apart;
    phase_ = phase_ > rest ? phase_ - move : phase_ + move;
}

void QX_DSP_PitchShifter::renderAudio(int offset, int count) {
    float* out = outputs[kOut];
    if (!inputs[kInSignal]) zeroLeft_ = -1;
    if (!enabled_ || !ring_.ready() || !inputs[kInSignal]) {
        std::memset(out + offset, 0, sizeof(float) * static_cast<size_t>(count));
        zeroLeft_ -= count;
        if (zeroLeft_ < 0) Sleep(offset, count);
        return;
    }
    if (bypass_ || (mode_ != kMelt && mode_ != kEchoShift)) { // 2, 3, 5 are not used
        for (int i = offset; i < offset + count; ++i)
            out[i] = in(kInSignal, i);
        return;
    }
    // Read at a call's start, not where a host's cut splits one.
    const float pitch = continuesCall() && !std::isnan(lastPitch_)
                            ? lastPitch_
                            : finiteOr(in(kInPitch, offset), 0.0f);
    if (!(pitch == lastPitch_)) {
        recompute(pitch);
        lastPitch_ = pitch;
    }
    const uint32_t rest = mode_ == kEchoShift ? 0x80000000u : 0u;
    const float W = static_cast<float>(window_);
    for (int i = offset; i < offset + count; ++i) {
        ring_.write(in(kInSignal, i));
        const float ph = static_cast<float>(phase_ >> 1) * (1.0f / 2147483648.0f);
        const float d = W * ph;
        const int whole = static_cast<int>(d);
        const float frac = d - static_cast<float>(whole);
        const int a = offset_ + whole, b = a + window_; // the taps' ages in samples
        const float ta = ring_.at(a) + (ring_.at(a + 1) - ring_.at(a)) * frac;
        const float tb = ring_.at(b) + (ring_.at(b + 1) - ring_.at(b)) * frac;
        float y;
        if (mode_ == kMelt) {
            float q = ph * ph; // ph^9, capped at 1 after x10
            q = q * q * q * q * ph * 10.0f;
            q = q < 1.0f ? q : 1.0f;
            const float g = 0.8f * q * (1.0f - q);
            y = tb * (g + 1.0f - q) + ta * (g + q);
        } else {
            float e = 1.0f - ph;
            e *= e;
            e *= e;
            e *= e; // ^8
            y = ta * (1.0f - e * e * e) + tb * e;
        }
        if (feedback_ != 0.0f) ring_.add(y * feedback_);
        out[i] = std::isfinite(y) ? y : 0.0f;
        if (!zeroPitch_) {
            phase_ += static_cast<uint32_t>(increment_);
        } else if (phase_ != rest) { // glide back to rest, stopping on it
            const uint32_t gap = phase_ > rest ? phase_ - rest : rest - phase_;
            const uint32_t step = gap < 16384u ? gap : 16384u;
            phase_ = phase_ > rest ? phase_ - step : phase_ + step;
        }
    }
    if (!std::isfinite(ring_.at(0))) Reset();
}

} // namespace tarlix
