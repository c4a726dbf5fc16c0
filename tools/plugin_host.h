// Loads the built plug-in library as a host does (dlopen, VSTPluginMain) and opens one
// instance; used by the command-line tools.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "host/vst_abi.h"
#include "platform/library.h"

namespace tools {

class LoadedPlugin {
  public:
    LoadedPlugin(const std::string& path, vst::HostCallback host);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool ok() const { return fx_ != nullptr; }
    const std::string& error() const { return error_; } // why loading failed
    vst::AEffect* fx() { return fx_; }
    intptr_t call(int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                  float opt = 0);
    std::string text(int32_t op, int32_t index, intptr_t value = 0);
    // A parameter by its index or its name; -1 when there is none.
    int findParameter(const std::string& key);
    // Hands a Tarlix_2 file ("TRLX" and a payload of `payload` bytes) to the instance as a bank
    // or program chunk. Empty on success, else why not.
    std::string loadChunkFile(const std::string& path, size_t payload, bool isPreset);

  private:
    std::unique_ptr<platform::SharedLibrary> library_;
    vst::AEffect* fx_ = nullptr;
    std::string error_;
};

// What an offline host answers a plug-in: its version, the transport `time`, that it sends
// MIDI, and its sample rate and block size; 0 to everything else.
intptr_t offlineHostAnswer(int32_t opcode, vst::VstTimeInfo* time, double rate, int block);

// build/bin/<tool> finds the plug-in at build/plugin/Tarlix_2.so.
std::string pluginBesideExecutable(const char* argv0);

} // namespace tools
