#include "tools/plugin_host.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "platform/platform.h"

namespace tools {

using namespace vst;

LoadedPlugin::LoadedPlugin(const std::string& path, HostCallback host) {
    library_ = std::make_unique<platform::SharedLibrary>(path);
    if (!library_->loaded()) {
        error_ = "cannot load plug-in " + path + ": " + library_->error();
        return;
    }
    using Entry = AEffect* (*)(HostCallback);
    auto entry = reinterpret_cast<Entry>(library_->symbol("VSTPluginMain"));
    if (!entry) entry = reinterpret_cast<Entry>(library_->symbol("main"));
    if (!entry) {
        error_ = path + " has no VST entry point (VSTPluginMain)";
        return;
    }
    AEffect* fx = entry(host);
    if (!fx || fx->magic != kEffectMagic) {
        error_ = path + " did not create an instrument";
        return;
    }
    fx_ = fx;
    call(effOpen);
}

LoadedPlugin::~LoadedPlugin() {
    if (fx_) call(effClose);
    library_.reset(); // after the instance is closed
}

intptr_t LoadedPlugin::call(int32_t op, int32_t index, intptr_t value, void* ptr, float opt) {
    return fx_->dispatcher(fx_, op, index, value, ptr, opt);
}

std::string LoadedPlugin::text(int32_t op, int32_t index, intptr_t value) {
    char buf[256] = {};
    call(op, index, value, buf);
    return buf;
}

int LoadedPlugin::findParameter(const std::string& key) {
    char* end = nullptr;
    long index = std::strtol(key.c_str(), &end, 10);
    if (!key.empty() && !*end)
        return (index >= 0 && index < fx_->numParams) ? static_cast<int>(index) : -1;
    for (int i = 0; i < fx_->numParams; ++i)
        if (text(effGetParamName, i) == key) return i;
    return -1;
}

std::string LoadedPlugin::loadChunkFile(const std::string& path, size_t payload, bool isPreset) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) return "cannot open " + path;
    if (bytes.size() != payload + 4 || std::memcmp(bytes.data(), "TRLX", 4) != 0)
        return path + " is not a Tarlix_2 file of the expected size";
    const intptr_t size = static_cast<intptr_t>(payload);
    if (call(effSetChunk, isPreset ? 1 : 0, size, bytes.data() + 4) != size)
        return "the plug-in refused " + path;
    return "";
}

intptr_t offlineHostAnswer(int32_t opcode, VstTimeInfo* time, double rate, int block) {
    switch (opcode) {
    case audioMasterVersion:
        return 2400;
    case audioMasterGetTime:
        return reinterpret_cast<intptr_t>(time);
    case audioMasterWantMidi:
        return 1;
    case audioMasterGetSampleRate:
        return static_cast<intptr_t>(rate);
    case audioMasterGetBlockSize:
        return block;
    default:
        return 0;
    }
}

std::string pluginBesideExecutable(const char* argv0) {
    char self[4096];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string(argv0);
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    return dir + "../plugin/Tarlix_2.so";
}

} // namespace tools
