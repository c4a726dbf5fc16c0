// Everything a module may ask of the instrument that runs it. Modules see only this: they never
// include the engine, so a module can be built and tested against a small fake host.
#pragma once
#include <cstdint>

#include "common/curves.h"
#include "dsp/lookup_tables.h"

namespace tarlix {

// Every call is made on the audio thread, from inside a module's Prepare, Process or event
// handler (or while the audio thread is stopped).
class ModuleHost {
  public:
    // The running sample rate in whole hertz, and samples per millisecond.
    virtual int sampleRateInt() const = 0;
    virtual float samplesPerMs() const = 0;
    // The tables that depend on the sample rate; the reference stays valid for the host's life.
    virtual const LookupTables& tables() const = 0;
    // The host's tempo (BPM; 120 when it gives none) and transport, read once per host block.
    virtual double hostTempo() const = 0;
    virtual bool hostPlaying() const = 0;
    // The host's audio input, channel 0 or 1, as a ring of one engine block.
    virtual const float* audioInputRing(int channel) const = 0;
    // Parameters 0..parameterCount()-1: the current normalised value, and a new value that takes
    // effect at engine clock `time` (quantised, stored, sent to every module that follows it).
    virtual int parameterCount() const = 0;
    virtual float parameterValue(int index) const = 0;
    virtual void applyParameterAt(uint64_t time, int32_t index, float value) = 0;
    // A value for the editor's control `tag`; the editor takes it on its own thread.
    virtual void postEditorValue(int32_t tag, float value) = 0;
    // This instance's random generator: its sequence depends on nothing outside the instance.
    virtual RandomSequence& random() = 0;

  protected:
    ~ModuleHost() = default;
};

} // namespace tarlix
