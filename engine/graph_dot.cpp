#include "engine/graph_dot.h"

#include <cxxabi.h>

#include <cstdlib>
#include <string>
#include <typeinfo>
#include <vector>

#include "dsp/module_base.h"
#include "engine/patch_table.h"
#include "engine/qx_dsp_vst.h"

namespace tarlix {

namespace {

// Table row of each module index of one build (voice 0 inside the group); -1 for the others.
std::vector<int> rowsOfModules(int moduleCount) {
    std::vector<int> rowOf(static_cast<size_t>(moduleCount), -1);
    int index = 0, groupRows = 0, voices = 0;
    bool inGroup = false;
    for (int r = 0; kPatchTable[r].code < kPatchEndMark && index < moduleCount; ++r) {
        const int code = kPatchTable[r].code;
        if (code == kPatchGroupBegin) {
            inGroup = true;
            voices = kPatchTable[r].arg;
            groupRows = 0;
        } else if (code == kPatchGroupEnd) {
            inGroup = false;
            index += groupRows * (voices - 1); // the other voices' copies
        } else if (code == kPatchRewire) {
            ++r; // the entry row
        } else {
            rowOf[static_cast<size_t>(index++)] = r;
            if (inGroup) ++groupRows;
        }
    }
    return rowOf;
}

std::string className(const QX_ModuleBase& m) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(m).name(), nullptr, nullptr, &status);
    std::string s = status == 0 && name ? name : typeid(m).name();
    std::free(name);
    for (const char* prefix : {"tarlix::", "QX_DSP_"})
        if (s.rfind(prefix, 0) == 0) s = s.substr(std::string(prefix).size());
    return s;
}

} // namespace

bool writeGraphDot(QX_DSP_VST& engine, std::FILE* out) {
    Instrument& instrument = engine.instrument();
    ModuleContext& ctx = instrument.context();
    const int count = instrument.moduleCount();
    if (count <= 0 || !out) return false;
    const std::vector<int> rowOf = rowsOfModules(count);
    const GraphLayout& layout = instrument.graphLayout();
    auto drawn = [&](int k) { return k >= 0 && k < count && rowOf[static_cast<size_t>(k)] >= 0; };

    std::fprintf(out, "digraph Tarlix2 {\n  rankdir=LR;\n  node [shape=box, fontsize=10];\n");
    std::fprintf(out, "  subgraph cluster_voice {\n    label=\"voice group (voice 0 of %d)\";\n",
                 layout.voiceCount);
    for (int k = 0; k < count; ++k)
        if (drawn(k) && k >= layout.groupStart && k < layout.groupStart + layout.modulesPerVoice &&
            ctx.modules[k])
            std::fprintf(out, "    m%d [label=\"%d %s\"];\n", k, rowOf[static_cast<size_t>(k)],
                         className(*ctx.modules[k]).c_str());
    std::fprintf(out, "  }\n");
    for (int k = 0; k < count; ++k)
        if (drawn(k) &&
            (k < layout.groupStart || k >= layout.groupStart + layout.modulesPerVoice) &&
            ctx.modules[k])
            std::fprintf(out, "  m%d [label=\"%d %s\"];\n", k, rowOf[static_cast<size_t>(k)],
                         className(*ctx.modules[k]).c_str());
    for (int k = 0; k < count; ++k) {
        const QX_ModuleBase* m = ctx.modules[k];
        if (!drawn(k) || !m) continue;
        for (int o = 0; o < kModulePorts; ++o)
            for (const RouteRecord* r = m->routes[o]; r; r = r->next)
                if (drawn(r->destination))
                    std::fprintf(out, "  m%d -> m%d [label=\"%d>%d\", fontsize=8];\n", k,
                                 r->destination, o, r->input);
        // Inputs wired by voice (the allocator's per-voice outputs) have no route record.
        for (int i = 0; i < kModulePorts; ++i) {
            const QX_ModuleBase* src = m->inputSource[i];
            if (!src || !drawn(src->moduleIndex)) continue;
            bool routed = false;
            for (int o = 0; o < kModulePorts && !routed; ++o)
                for (const RouteRecord* r = src->routes[o]; r && !routed; r = r->next)
                    routed = r->destination == k && r->input == i;
            if (!routed)
                std::fprintf(out, "  m%d -> m%d [label=\">%d\", fontsize=8, style=dashed];\n",
                             src->moduleIndex, k, i);
        }
    }
    char name[64];
    for (int p = 0; p < kNumEngineValues; ++p) {
        int module = 0, input = 0;
        if (!instrument.parameterRoute(p, 0, module, input)) continue;
        name[0] = 0;
        if (p < kNumParams) engine.getParameterName(p, name);
        std::fprintf(out, "  p%d [label=\"P%d %s\", shape=ellipse, fontsize=8, color=gray];\n", p,
                     p, name);
        for (int i = 0; instrument.parameterRoute(p, i, module, input); ++i)
            if (drawn(module))
                std::fprintf(out, "  p%d -> m%d [label=\">%d\", fontsize=7, color=gray];\n", p,
                             module, input);
    }
    std::fprintf(out, "}\n");
    return true;
}

} // namespace tarlix
