// The built module graph as a Graphviz file: the modules outside the voice group and voice 0's
// modules, each named by its table row and class; module routes labelled output -> input;
// parameter routes from each parameter that reaches a module.
#pragma once
#include <cstdio>

class QX_DSP_VST;

namespace tarlix {

// The engine must have built its graph (resume). Returns false when it has none.
bool writeGraphDot(QX_DSP_VST& engine, std::FILE* out);

} // namespace tarlix
