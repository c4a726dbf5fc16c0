// The small modules that glue the network together: modulation summers, level and mix stages,
// converters of constants and events into signals, and the sequencer's value selector.
// Audio-rate members read an input either as a module's buffer or as a single value (a
// constant or a parameter); with no buffer among their inputs the output is constant, so they
// write it for one block and sleep until the next event.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"
#include "dsp/noise_glide.h"

namespace tarlix {

class QX_DSP_Level_Base : public QX_ModuleBase {
  public:
    QX_DSP_Level_Base(ModuleContext* context, bool createdHeld, int outputCount);
    void Prepare() override;
    void HandleEvent(const EventRecord&, int) override { settle_.stop(); }
    void Render(int offset, int count) override;

  protected:
    // A multiplier that is not wired counts as 1.
    float gain(int k, int i) const { return inputs[k] ? in(k, i) : 1.0f; }
    bool varies(int k) const { return inputs[k] && inputSource[k]; }
    virtual void compute(int offset, int count) = 0;
    // Some input's buffer may still change; a stage with none writes its constant for a whole
    // block and sleeps until a source runs again.
    virtual bool anyVarying() const { return anyVaries(fed_, fedCount_); }
    // Some input among `ports` is fed by a module whose buffer may still change.
    template <class Port> bool anyVaries(const Port* ports, int n) const {
        for (int j = 0; j < n; ++j)
            if (sourceVaries(ports[j])) return true;
        return false;
    }
    // A stage silent whenever these inputs are (its output is zero for zero audio) sleeps as
    // soon as they fall quiet, whatever its other inputs do.
    void silentWith(std::initializer_list<int> audioPorts) {
        setAudioPorts(audioPorts);
        silentWithAudio_ = true;
    }

  private:
    Settling settle_;
    uint8_t fed_[kModulePorts] = {}; // the inputs fed by a module's buffer
    int fedCount_ = 0;
    bool silentWithAudio_ = false;
};

// Sums the sources aimed at this destination: source k counts when its target selector
// (kInTarget + k) equals its id (kInTargetId + k); plus three offsets, clamped when a limit is
// wired.
class QX_DSP_Adder : public QX_DSP_Level_Base {
  public:
    static constexpr int kSources = 16;
    enum Input {
        kInSource = 0,
        kInTarget = 20,
        kInTargetId = 40,
        kInOffset = 56, // three
        kInMinimum = 59,
        kInMaximum = 60,
        kInOn = 61,
    };
    enum Output { kOutSum = 0 };
    QX_DSP_Adder(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    void Prepare() override {
        QX_DSP_Level_Base::Prepare();
        evaluate();
    }

  private:
    void compute(int offset, int count) override;
    bool anyVarying() const override { return anyVaries(list_, listLength_); }
    void evaluate();
    int whole(int k) const; // an option index or an id, from a parameter or a constant
    // An offset from a parameter or constant, or the last value a control module sent.
    float offset(int k) const { return inputs[k] ? in(k, 0) : received_[k - kInOffset]; }
    float received_[3] = {};
    int receivedWhole_[kInOffset - kInTarget] = {}; // selectors and ids sent as events

    int list_[kSources] = {};
    int listLength_ = 0;
    float constant_ = 0.0f;
    bool on_ = true, clamped_ = false, stale_ = false;
};

// (A + B) x C
class QX_DSP_Level_ABxC : public QX_DSP_Level_Base {
  public:
    enum Input { kInA = 0, kInB = 1, kInC = 2, kInD = 3 };
    enum Output { kOut = 0 };
    QX_DSP_Level_ABxC(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 1) {}

  private:
    void compute(int offset, int count) override;
};

// (A + B) x C x D
class QX_DSP_Level_ABxCxD : public QX_DSP_Level_Base {
  public:
    enum Input { kInA = 0, kInB = 1, kInC = 2, kInD = 3 };
    enum Output { kOut = 0 };
    QX_DSP_Level_ABxCxD(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 1) {}

  private:
    void compute(int offset, int count) override;
};

// A x B + C + D
class QX_DSP_Level_AxB_CD : public QX_DSP_Level_Base {
  public:
    enum Input { kInA = 0, kInB = 1, kInC = 2, kInD = 3 };
    enum Output { kOut = 0 };
    QX_DSP_Level_AxB_CD(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 1) {}

  private:
    void compute(int offset, int count) override;
};

// out0 = A x C, out1 = B x D, out2 = out0 + out1
class QX_DSP_Dual_Level : public QX_DSP_Level_Base {
  public:
    enum Input { kInA = 0, kInB = 1, kInC = 2, kInD = 3 };
    enum Output { kOutAxC = 0, kOutBxD = 1, kOutSum = 2 };
    QX_DSP_Dual_Level(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 3) {}

  private:
    void compute(int offset, int count) override;
};

// The effects bus: the voices plus the host's input ("Ext Input", level squared), and a mono
// send of both.
class QX_DSP_Level_FX_BUS : public QX_DSP_Level_Base {
  public:
    enum Input {
        kInLeft = 0,
        kInRight = 1,
        kInExtLeft = 2,
        kInExtRight = 3,
        kInExtLevel = 4,
        kInExtOn = 9,
    };
    enum Output { kOutLeft = 0, kOutRight = 1, kOutMono = 2 };
    QX_DSP_Level_FX_BUS(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 3) {
        silentWith({kInLeft, kInRight, kInExtLeft, kInExtRight});
    }

  private:
    void compute(int offset, int count) override;
};

// A level value to a gain, ramped across each chunk.
class QX_DSP_FdB_to_VFGain : public QX_DSP_Level_Base {
  public:
    enum Input { kInLevel = 0 }; // dB x 0.1
    enum Output { kOutGain = 0 };
    QX_DSP_FdB_to_VFGain(ModuleContext* c, bool held) : QX_DSP_Level_Base(c, held, 1) {}
    static float gainOf(float v);

  private:
    void compute(int offset, int count) override;
    bool anyVarying() const override { return moving_ || sourceVaries(kInLevel); }
    float gain_ = 0.0f;
    bool started_ = false, moving_ = true;
};

// The host's two input channels: the engine's input rings themselves.
class QX_DSP_Host_AudioIn : public QX_ModuleBase {
  public:
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_Host_AudioIn(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Render(int offset, int count) override;
};

// Constants as signals (value x 0.1 in buffers) and, on Prepare, as events.
class QX_DSP_FixedValueToVolt : public QX_ModuleBase {
  public:
    QX_DSP_FixedValueToVolt(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Render(int offset, int count) override { Sleep(offset, count); }
};

// Constants as events only, and the envelope-time curve on output 60.
class QX_DSP_FixedValueToINT_FLOAT : public QX_ModuleBase {
  public:
    // Inputs below kInInvert are constants, sent on the output of the same number.
    enum Input { kInInvert = 58, kInMidiChannel = 59, kInTimeCurve = 60 };
    enum Output { kOutTimeCurve = 60 };
    QX_DSP_FixedValueToINT_FLOAT(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override { Sleep(offset, count); }

  private:
    bool invert_ = false;
};

// An event value as a constant buffer.
class QX_DSP_Float_to_Volt : public QX_ModuleBase {
  public:
    enum Input { kInValue = 0 }; // an event on any input sets the value
    enum Output { kOutValue = 0 };
    QX_DSP_Float_to_Volt(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    float value_ = 0.0f;
    Settling settle_;
};

// The sequencer's value of the current step: input 9 + index, quantised, scaled.
class QX_DSP_Float_Converter_Switch : public QX_ModuleBase {
  public:
    static constexpr int kSteps = 8;
    enum Input {
        kInIndex = 0, // the step, -2 when the sequencer is off
        kInScale = 1,
        kInOffset = 2,
        kInOn = 3,
        kInQuantum = 4,
        kInSemitones = 5, // any event quantises to semitones
        kInStep = 9,      // one per step
    };
    enum Output { kOutValue = 0 };
    QX_DSP_Float_Converter_Switch(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override { Sleep(offset, count); }
    float output() const { return last_; }

  private:
    void update();
    float value(int k) const { return inputs[k] ? inputs[k][0] : 0.0f; }
    int index_ = -2; // -2: no step (the sequencer is off), the neutral value
    float step_ = 0.0f, scale_ = 1.0f, offset_ = 0.0f, last_ = 0.0f;
    bool on_ = true;
};

// Control-rate arithmetic on event values. Float_Converter: out = in0 x scale + offset;
// Float_Adder: out = (sum of inputs 0..15) x scale + offset; scale on input 20 and offset on
// input 21, each value x 10 (scale 1 and offset 0 until set). A result is sent on output 0
// whenever it changes.
class QX_DSP_Float_Arithmetic : public QX_ModuleBase {
  public:
    static constexpr int kTerms = 16;
    enum Input { kInTerm = 0, kInScale = 20, kInOffset = 21 };
    enum Output { kOutValue = 0 };
    QX_DSP_Float_Arithmetic(ModuleContext* context, bool createdHeld, int terms);
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override { Sleep(offset, count); }
    float output() const { return last_; }

  private:
    int terms_;
    float value_[kTerms] = {};
    float scale_ = 1.0f, offset_ = 0.0f, last_ = 0.0f;
};

class QX_DSP_Float_Converter : public QX_DSP_Float_Arithmetic {
  public:
    QX_DSP_Float_Converter(ModuleContext* c, bool held) : QX_DSP_Float_Arithmetic(c, held, 1) {}
};

class QX_DSP_Float_Adder : public QX_DSP_Float_Arithmetic {
  public:
    QX_DSP_Float_Adder(ModuleContext* c, bool held) : QX_DSP_Float_Arithmetic(c, held, kTerms) {}
};

// Twenty control channels: clamp((in_k + in_20+k) x in_40+k) or clamp(in_k x in_20+k + in_40+k).
class QX_DSP_GUI_Multi : public QX_ModuleBase {
  public:
    static constexpr int kChannels = 20;
    // One input of each kind per channel k: base + k; output k carries channel k.
    enum Input { kInA = 0, kInB = 20, kInC = 40, kInMinimum = 60, kInMaximum = 61 };
    QX_DSP_GUI_Multi(ModuleContext* context, bool createdHeld, bool sumFirst);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override { Sleep(offset, count); }

  private:
    // A parameter or constant is read through its pointer; a control module's output arrives
    // only as events, so its last value is kept.
    float value(int k) const { return inputs[k] ? inputs[k][0] : received_[k]; }
    bool wired(int k) const { return inputs[k] || inputSource[k]; }
    void send(int channel);
    float received_[kModulePorts] = {};
    bool sumFirst_;
    float min_ = -100000.0f, max_ = 100000.0f;
};

} // namespace tarlix
