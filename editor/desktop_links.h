// The two logo links: the user folder in the desktop's file manager, and the instrument's
// manual page in the desktop's viewer. Both start a detached process and return at once.
#pragma once

namespace tarlix {

// Opens the user folder (created with Banks/ and Presets/ when missing). False when nothing
// could be started.
bool openUserFolder();
// Opens the manual page (written into the user folder when missing or different from the
// one this build carries).
bool openManual();

} // namespace tarlix
