// Interprets the patch table: creates the modules in order, makes the voice group once per
// voice, and wires every entry (module outputs, engine values, constants, bindings).
#include <cstring>
#include <new>

#include "dsp/arp_sequencer.h"
#include "dsp/copy_paste.h"
#include "dsp/delay.h"
#include "dsp/envelope.h"
#include "dsp/equaliser.h"
#include "dsp/filter.h"
#include "dsp/gain_stages.h"
#include "dsp/level_mix.h"
#include "dsp/lfo.h"
#include "dsp/midi_modules.h"
#include "dsp/noise_glide.h"
#include "dsp/oscillator.h"
#include "dsp/shapers.h"
#include "dsp/tarlix2_control.h"
#include "dsp/voice_allocation.h"
#include "engine/instrument.h"
#include "engine/patch_table.h"

namespace tarlix {

namespace {

enum class Kind {
    None,
    FloatConverter,
    FloatAdder,
    MidiVelocity,
    OsCommand,
    MidiAdder,
    VoiceAllocator,
    VoiceCollector,
    MpeSwitch,
    Control,
    HostTempo,
    SyncTempo,
    Arpeggiator,
    StepCounter,
    Noise,
    Glide,
    Smoother,
    SmootherMulti,
    CopyPaste,
    HostAudioIn,
    FixedToVolt,
    FixedToEvents,
    MultiABxC,
    MultiAxBC,
    FloatToVolt,
    ConverterSwitch,
    Adder,
    LevelABxCxD,
    LevelABxC,
    LevelAxBCD,
    FxBus,
    DualLevel,
    GainCurve,
    Envelope,
    VoiceEnvelope, // an envelope that frees its voice when it ends
    Lfo,
    Oscillator,
    Combine,
    FadeIn,
    Panner,
    XMix,
    XMixVol,
    StereoLevel,
    Filter,
    Saturation,
    Limiter,
    EqBand,
    EqEngine,
    StaticFilter,
    Delay,
    DelayStereo,
    PitchShifter,
    Chorus
};

// Code ranges of the module classes. A code in no range creates nothing.
struct CodeRange {
    int first, last;
    Kind kind;
};
constexpr CodeRange kClasses[] = {
    {6003, 6003, Kind::HostAudioIn},     // Host_AudioIn
    {6004, 6005, Kind::FixedToVolt},     // FixedValueToVolt
    {6007, 6008, Kind::FixedToEvents},   // FixedValueToINT_FLOAT
    {6012, 6016, Kind::Smoother},        // GUItoV_Glide
    {6018, 6029, Kind::SmootherMulti},   // GUItoV_Glide_Multi
    {6031, 6035, Kind::MultiABxC},       // GUI_Multi_ABxC
    {6037, 6039, Kind::MultiAxBC},       // GUI_Multi_AxB_C
    {6043, 6044, Kind::Glide},           // Glide_F
    {6051, 6054, Kind::FloatToVolt},     // Float_to_Volt
    {6056, 6057, Kind::FloatConverter},  // Float_Converter
    {6059, 6064, Kind::ConverterSwitch}, // Float_Converter_Switch
    {6066, 6066, Kind::FloatAdder},      // Float_Adder
    {6074, 6127, Kind::Adder},           // Adder
    {6137, 6142, Kind::LevelABxCxD},     // Level_ABxCxD
    {6151, 6154, Kind::LevelABxC},       // Level_ABxC
    {6169, 6174, Kind::LevelAxBCD},      // Level_AxB_CD
    {6184, 6186, Kind::FxBus},           // Level_FX_BUS
    {6224, 6226, Kind::DualLevel},       // Dual_Level
    {6228, 6232, Kind::StereoLevel},     // ST_Level
    {6239, 6241, Kind::XMix},            // XMix
    {6243, 6249, Kind::XMixVol},         // XMixVol
    {6251, 6252, Kind::Panner},          // Panner
    {6258, 6260, Kind::Limiter},         // Soft_Limiter
    {6264, 6265, Kind::Saturation},      // Saturation
    {6281, 6283, Kind::StepCounter},     // Counter_Indexing
    {6293, 6297, Kind::Envelope},        // HAHDSR_Env
    {6299, 6300, Kind::VoiceEnvelope},   // HAHDSR_Env with the allocator and voice number
    {6306, 6310, Kind::FadeIn},          // FadeIn
    {6344, 6347, Kind::Delay},           // Delay
    {6349, 6350, Kind::DelayStereo},     // Delay_ST
    {6354, 6357, Kind::Oscillator},      // OSC_Multi_Out_x8
    {6359, 6360, Kind::Noise},           // Noise
    {6362, 6368, Kind::Lfo},             // LFO
    {6374, 6375, Kind::Chorus},          // Chorus3v
    {6417, 6420, Kind::GainCurve},       // FdB_to_VFGain
    {6425, 6427, Kind::StaticFilter},    // BiQuad_Static
    {6429, 6432, Kind::EqBand},          // BiQuad_Coeff
    {6438, 6442, Kind::EqEngine},        // BiQuad_Multi_Engine
    {6444, 6447, Kind::Filter},          // Multi_Filter
    {6449, 6449, Kind::Filter},          // Multi_Filter (the voice-owned form is not used)
    {6459, 6463, Kind::PitchShifter},    // PitchShifter
    {6487, 6488, Kind::SyncTempo},       // Midi_Sync_Tempo
    {6490, 6491, Kind::HostTempo},       // Host_Tempo
    {6493, 6495, Kind::MidiAdder},       // Midi_Adder
    {6497, 6497, Kind::MidiVelocity},    // Midi_Velocity
    {6504, 6505, Kind::Arpeggiator},     // Midi_Phrase_Arp
    {6507, 6507, Kind::OsCommand},       // OS_Command
    {6508, 6524, Kind::CopyPaste},       // Copy_Paste
    {6526, 6527, Kind::MpeSwitch},       // MPE_Switch
    {6529, 6529, Kind::Control},         // Tarlix2_Control
    {6530, 6530, Kind::Combine},         // Tarlix2_OSC_Combine
    {6531, 6532, Kind::VoiceCollector},  // Poly_to_Mono
    {6535, 6536, Kind::VoiceAllocator},  // Midi_to_Poly
    {6542, 6543, Kind::VoiceAllocator},  // Midi_to_Poly_Gen2
};

Kind kindOf(int code) {
    for (const CodeRange& r : kClasses)
        if (code >= r.first && code <= r.last) return r.kind;
    return Kind::None;
}

// A module that knows its own size, so the engine can fetch its fields ahead of a visit.
template <class T, class... Args> QX_ModuleBase* make(Args... args) {
    T* m = new (std::nothrow) T(args...);
    if (m && m->moduleIndex >= 0 && m->moduleIndex < kMaxModules)
        m->context->objectBytes[m->moduleIndex] = static_cast<uint32_t>(sizeof(T));
    return m;
}

QX_ModuleBase* create(Kind kind, ModuleContext* ctx, bool held) {
    switch (kind) {
    case Kind::FloatConverter:
        return make<QX_DSP_Float_Converter>(ctx, held);
    case Kind::FloatAdder:
        return make<QX_DSP_Float_Adder>(ctx, held);
    case Kind::MidiVelocity:
        return make<QX_DSP_Midi_Velocity>(ctx, held);
    case Kind::OsCommand:
        return make<QX_DSP_OS_Command>(ctx, held);
    case Kind::MidiAdder:
        return make<QX_DSP_Midi_Adder>(ctx, held);
    case Kind::VoiceAllocator:
        return make<QX_DSP_Midi_to_Poly_Gen2>(ctx, held);
    case Kind::VoiceCollector:
        return make<QX_DSP_Poly_to_Mono>(ctx, held);
    case Kind::MpeSwitch:
        return make<QX_DSP_MPE_Switch>(ctx, held);
    case Kind::Control:
        return make<QX_DSP_Tarlix2_Control>(ctx, held);
    case Kind::HostTempo:
        return make<QX_DSP_Host_Tempo>(ctx, held);
    case Kind::SyncTempo:
        return make<QX_DSP_Midi_Sync_Tempo>(ctx, held);
    case Kind::Arpeggiator:
        return make<QX_DSP_Midi_Phrase_Arp>(ctx, held);
    case Kind::StepCounter:
        return make<QX_DSP_Counter_Indexing>(ctx, held);
    case Kind::Noise:
        return make<QX_DSP_Noise>(ctx, held);
    case Kind::Glide:
        return make<QX_DSP_Glide_F>(ctx, held);
    case Kind::Smoother:
        return make<QX_DSP_GUItoV_Glide>(ctx, held);
    case Kind::SmootherMulti:
        return make<QX_DSP_GUItoV_Glide_Multi>(ctx, held);
    case Kind::CopyPaste:
        return make<QX_DSP_Copy_Paste>(ctx, held);
    case Kind::HostAudioIn:
        return make<QX_DSP_Host_AudioIn>(ctx, held);
    case Kind::FixedToVolt:
        return make<QX_DSP_FixedValueToVolt>(ctx, held);
    case Kind::FixedToEvents:
        return make<QX_DSP_FixedValueToINT_FLOAT>(ctx, held);
    case Kind::MultiABxC:
        return make<QX_DSP_GUI_Multi>(ctx, held, true);
    case Kind::MultiAxBC:
        return make<QX_DSP_GUI_Multi>(ctx, held, false);
    case Kind::FloatToVolt:
        return make<QX_DSP_Float_to_Volt>(ctx, held);
    case Kind::ConverterSwitch:
        return make<QX_DSP_Float_Converter_Switch>(ctx, held);
    case Kind::Adder:
        return make<QX_DSP_Adder>(ctx, held);
    case Kind::LevelABxCxD:
        return make<QX_DSP_Level_ABxCxD>(ctx, held);
    case Kind::LevelABxC:
        return make<QX_DSP_Level_ABxC>(ctx, held);
    case Kind::LevelAxBCD:
        return make<QX_DSP_Level_AxB_CD>(ctx, held);
    case Kind::FxBus:
        return make<QX_DSP_Level_FX_BUS>(ctx, held);
    case Kind::DualLevel:
        return make<QX_DSP_Dual_Level>(ctx, held);
    case Kind::GainCurve:
        return make<QX_DSP_FdB_to_VFGain>(ctx, held);
    case Kind::Envelope:
    case Kind::VoiceEnvelope:
        return make<QX_DSP_HAHDSR_Env>(ctx, held);
    case Kind::Lfo:
        return make<QX_DSP_LFO>(ctx, held);
    case Kind::Oscillator:
        return make<QX_DSP_OSC_Multi_Out_x8>(ctx, held);
    case Kind::Combine:
        return make<QX_DSP_Tarlix2_OSC_Combine>(ctx, held);
    case Kind::FadeIn:
        return make<QX_DSP_FadeIn>(ctx, held);
    case Kind::Panner:
        return make<QX_DSP_Panner>(ctx, held);
    case Kind::XMix:
        return make<QX_DSP_XMix>(ctx, held);
    case Kind::XMixVol:
        return make<QX_DSP_XMixVol>(ctx, held);
    case Kind::StereoLevel:
        return make<QX_DSP_ST_Level>(ctx, held);
    case Kind::Filter:
        return make<QX_DSP_Multi_Filter>(ctx, held);
    case Kind::Saturation:
        return make<QX_DSP_Saturation>(ctx, held);
    case Kind::Limiter:
        return make<QX_DSP_Soft_Limiter>(ctx, held);
    case Kind::EqBand:
        return make<QX_DSP_BiQuad_Coeff>(ctx, held);
    case Kind::EqEngine:
        return make<QX_DSP_BiQuad_Multi_Engine>(ctx, held);
    case Kind::StaticFilter:
        return make<QX_DSP_BiQuad_Static>(ctx, held);
    case Kind::Delay:
        return make<QX_DSP_Delay>(ctx, held);
    case Kind::DelayStereo:
        return make<QX_DSP_Delay_ST>(ctx, held);
    case Kind::Chorus:
        return make<QX_DSP_Chorus3v>(ctx, held);
    case Kind::PitchShifter:
        return make<QX_DSP_PitchShifter>(ctx, held);
    case Kind::None:
        break;
    }
    return nullptr;
}

class Builder {
  public:
    Builder(Instrument& instrument, GraphLayout& layout, ModuleFactory extra)
        : instrument_(instrument), ctx_(instrument.context()), layout_(layout), extra_(extra) {
        layout_ = GraphLayout{};
        std::memset(layout_.moduleByCode, 0xFF, sizeof layout_.moduleByCode); // all "none"
    }

    int run(const PatchRow* table) {
        int r = 0;
        while (table[r].code < kPatchEndMark) {
            const PatchRow& row = table[r];
            if (row.code == kPatchGroupBegin) {
                if (inGroup_ || !beginGroup(table, r)) return -1;
                groupFirstRow_ = r + 1;
            } else if (row.code == kPatchGroupEnd) {
                if (!inGroup_) return -1;
                // Every voice must have made the modules the strides assume.
                if (count_ - layout_.groupStart != (voice_ + 1) * perVoice()) return -1;
                if (++voice_ < layout_.voiceCount) {
                    r = groupFirstRow_;
                    continue;
                }
                voice_ = 0;
                inGroup_ = false;
            } else if (row.code == kPatchRewire) {
                if (table[r + 1].code >= kPatchEndMark) return -1;
                rewire(row.arg, table[r + 1]);
                ++r; // the entry row is consumed
            } else if (!moduleRow(row)) {
                return -1;
            }
            ++r;
        }
        layout_.moduleCount = count_;
        return inGroup_ ? -1 : count_;
    }

  private:
    int stride() const { return inGroup_ ? perVoice() : 0; }
    int perVoice() const { return layout_.modulesPerVoice; }

    // Modules one voice makes: the rows up to the group end that create one (re-wires and
    // codes without a class make none). Known before voice 0 is built, for its strides.
    static int modulesPerVoice(const PatchRow* table, int r) {
        int n = 0;
        for (++r; table[r].code < kPatchEndMark && table[r].code != kPatchGroupEnd; ++r) {
            if (table[r].code == kPatchRewire) {
                ++r;
                continue;
            }
            if (table[r].code >= kFirstModuleCode && table[r].code < kPatchGroupBegin &&
                kindOf(table[r].code) != Kind::None)
                ++n;
        }
        return n;
    }

    bool beginGroup(const PatchRow* table, int r) {
        const PatchRow& row = table[r];
        layout_.voiceCount = row.arg;
        layout_.groupStart = count_;
        layout_.modulesPerVoice = modulesPerVoice(table, r);
        if (row.arg < 1 || count_ == 0) return false;
        if (count_ + row.arg * layout_.modulesPerVoice > kMaxModules) return false;
        // The module of the row before owns the group.
        head_ = dynamic_cast<QX_DSP_VoiceGroupHead*>(ctx_.modules[count_ - 1]);
        if (!head_) return false;
        head_->setVoiceGroup(layout_.groupStart, layout_.voiceCount, layout_.modulesPerVoice);
        inGroup_ = true;
        voice_ = 0;
        return true;
    }

    bool moduleRow(const PatchRow& row) {
        if (row.code < kFirstModuleCode || row.code >= kPatchGroupBegin) return true;
        QX_ModuleBase* own = extra_ ? extra_(row.code, &ctx_, inGroup_) : nullptr;
        Kind kind = kindOf(row.code);
        if (!own && kind == Kind::None) return true; // no such class: the row makes nothing
        if (count_ >= kMaxModules) {
            delete own;
            return false;
        }
        QX_ModuleBase* m = own ? own : create(kind, &ctx_, inGroup_);
        if (!m) return false;
        if (!m->outputsReady()) { // out of memory: a failed build, not a module writing to null
            delete m;
            return false;
        }
        ctx_.modules[count_] = m;
        ++ctx_.buildCount;
        m->moduleCode = row.code;
        m->voice = voice_;
        // The amplitude envelopes know their allocator and voice: they free the voice.
        if (kind == Kind::VoiceEnvelope)
            if (auto* env = dynamic_cast<QX_DSP_HAHDSR_Env*>(m))
                env->setOwner(dynamic_cast<QX_DSP_Midi_to_Poly_Gen2*>(head_), voice_);
        if (!inGroup_ || voice_ == 0)
            layout_.moduleByCode[row.code - kFirstModuleCode] = static_cast<int16_t>(count_);
        applyEntries(m, count_, row);
        ++count_;
        return true;
    }

    void rewire(int targetCode, const PatchRow& entries) {
        if (targetCode < kFirstModuleCode || targetCode >= kFirstModuleCode + kCodeCount) return;
        int j = layout_.moduleByCode[targetCode - kFirstModuleCode];
        if (j < 0) return;
        if (inGroup_) j += perVoice() * voice_;
        if (j >= count_ || !ctx_.modules[j]) return;
        ctx_.modules[j]->voice = voice_;
        applyEntries(ctx_.modules[j], j, entries);
    }

    void applyEntries(QX_ModuleBase* m, int k, const PatchRow& row) {
        for (int e = 0; e < row.entryCount && e < kMaxRowEntries; ++e) {
            const PatchEntry& entry = row.entries[e];
            if (entry.input == kEntriesEnd) break;
            if (!applyEntry(m, k, entry)) ++layout_.skippedEntries;
        }
    }

    bool applyEntry(QX_ModuleBase* m, int k, const PatchEntry& e) {
        const int in = e.input, out = e.output, src = e.source;
        const int N = inGroup_ ? layout_.voiceCount : 0;
        if (in >= kFirstBindingInput) {
            const int slot = in - kFirstBindingInput;
            if (slot >= kBindingSlots || src < 0 || src >= kNumEngineValues) return false;
            m->BindParameter(slot, src, out);
            return true;
        }
        if (in >= kModulePorts || out >= kModulePorts) return false;
        if (src >= kFirstModuleSource) {
            if (src >= kFirstModuleCode + kCodeCount) return false;
            int j = layout_.moduleByCode[src - kFirstModuleCode];
            if (j < 0 || !ctx_.modules[j]) return false;
            QX_ModuleBase* source = ctx_.modules[j];
            if (kindOf(m->moduleCode) == Kind::VoiceCollector) {
                m->AttachVoiceGroup(head_, j, layout_.voiceCount, perVoice(), out, in);
                m->inputSource[in] = source;
            } else if (kindOf(source->moduleCode) == Kind::VoiceAllocator) {
                if (voice_ == 0) source->Connect(m, k, out, in, N, stride(), 0);
                source->ConnectVoiceOutput(m, out, in, voice_);
            } else if (!inGroup_) {
                source->Connect(m, k, out, in, 0, 0, 0);
            } else if (j < layout_.groupStart) {
                source->Connect(m, k, out, in, N, stride(), voice_);
            } else {
                // A source in the same group: this voice's own instance of it.
                int own = j + perVoice() * voice_;
                if (own >= count_ || !ctx_.modules[own]) return false;
                ctx_.modules[own]->Connect(m, k, out, in, 0, 0, 0);
            }
            return true;
        }
        if (src < kFirstConstantSource) {
            if (src < 0 || src >= kNumEngineValues) return false;
            instrument_.addParameterRoute(m, k, src, in, N, stride(), voice_);
            return true;
        }
        if (src - kFirstConstantSource >= kConstantCount) return false;
        m->SetInput(in, &kPatchConstants[src - kFirstConstantSource]);
        return true;
    }

    Instrument& instrument_;
    ModuleContext& ctx_;
    GraphLayout& layout_;
    ModuleFactory extra_;
    QX_DSP_VoiceGroupHead* head_ = nullptr;
    int count_ = 0;
    int voice_ = 0;
    bool inGroup_ = false;
    int groupFirstRow_ = 0;
};

} // namespace

// clang-format off
const float kPatchConstants[kConstantCount] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,      // 26..49
    50, 0, 0, 0, 0, 100, 0, 150, 0, 200,                                          // 50..59
    0, 0, 0, 0, 0, 0, 0, 400, 0, 0,                                               // 60..69
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1500,    // 70..93
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5000,                                  // 94..107
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                   // 108..127
    -5, -10, 0.1f, 0, 0, 0.4f, 0.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2, 11,     // 128..147
    0.2f, 9.2f, -20, 0, 0.00133f, 0, -4.25f, 0.001f, -200, 0, 0, 0,               // 148..159
};
// clang-format on

int buildGraphFromTable(Instrument& instrument, const PatchRow* table, GraphLayout& layout,
                        ModuleFactory extra) {
    Builder builder(instrument, layout, extra);
    return builder.run(table);
}

int buildInstrumentGraph(Instrument& instrument) {
    return buildGraphFromTable(instrument, kPatchTable, instrument.graphLayout());
}

} // namespace tarlix
