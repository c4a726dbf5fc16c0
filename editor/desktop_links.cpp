// Placeholder: the desktop is not reached yet.
#include "editor/desktop_links.h"

namespace tarlix {

bool openUserFolder() {
    return false;
}
bool openManual() {
    return false;
}

} // namespace tarlix
