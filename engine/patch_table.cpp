#include "engine/qx_dsp_vst.h"

// The instrument's patch table. Its rows and module classes arrive with the module families;
// until then the graph is empty and the instrument is silent.
int buildInstrumentGraph(QX_DSP_VST&) {
    return 0;
}
