// Gives a new plug-in instance its editor, where the build has one for this system.
#pragma once

class QX_DSP_VST;

namespace tarlix {
void attachEditor(QX_DSP_VST& fx);
} // namespace tarlix
