// The editor window of a new plug-in instance.
#include "editor/qx_gui_editor.h"
#include "engine/qx_dsp_vst.h"
#include "host/editor_attach.h"

namespace tarlix {
void attachEditor(QX_DSP_VST& fx) {
    fx.setEditor(createEditor(&fx, makeEditorEngine(fx)));
}
} // namespace tarlix
