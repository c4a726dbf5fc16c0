// The name of a bitmap drawn at a higher pixel density: the art program packs it under this
// name and the editor looks it up by the same rule.
#pragma once
#include <string>

namespace tarlix {

// "Knob.png" at density 2 -> "Knob@2x.png".
inline std::string denseBitmapName(const std::string& name, int density) {
    const size_t dot = name.rfind('.');
    std::string suffix = "@"; // built in steps: g++ 12 warns wrongly on "@" + ... + "x"
    suffix += std::to_string(density);
    suffix += 'x';
    return dot == std::string::npos ? name + suffix
                                    : name.substr(0, dot) + suffix + name.substr(dot);
}

} // namespace tarlix
