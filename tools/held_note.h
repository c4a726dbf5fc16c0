// A held note played through the plug-in library as a host does: the program selected, a few
// parameters set by name, one note on at sample 0 and held.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "tools/plugin_host.h"

namespace heldnote {

struct Setting {
    std::string parameter; // a parameter name
    float value;           // normalised 0..1
};

// The host callback the plug-in must be created with: an offline host, transport stopped.
intptr_t host(vst::AEffect*, int32_t opcode, int32_t index, intptr_t value, void* ptr, float);

// The left output from sample `skip` on, `frames` samples long, rendered in host blocks of
// `block`. The instance is left suspended.
std::vector<float> render(tools::LoadedPlugin& plugin, int program,
                          const std::vector<Setting>& settings, int key, int rate, int skip,
                          int frames, int block = 512);

} // namespace heldnote
