// The editor window of a new plug-in instance.
#include "host/editor_attach.h"
#include "editor/qx_gui_editor.h"
#include "engine/qx_dsp_vst.h"

namespace tarlix {
void attachEditor(QX_DSP_VST& fx) {
    fx.setEditor(createEditor(&fx, makeEditorEngine(fx)));
}
} // namespace tarlix
