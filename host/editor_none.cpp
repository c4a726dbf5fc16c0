// Builds without an editor window for this system: the host is told of none.
#include "host/editor_attach.h"

namespace tarlix {
void attachEditor(QX_DSP_VST&) {}
} // namespace tarlix
