// The Windows desktop behind the editor's file dialog: the system's own Open and Save boxes on
// a worker thread, closed again when the editor lets go of them. Runs under wine in the test
// command, with the common dialog library the DLL imports.
#include <gtest/gtest.h>

#include "platform/desktop.h"

namespace {

platform::FileChooserRequest request(bool save) {
    platform::FileChooserRequest r;
    r.save = save;
    r.title = save ? "Save the test preset" : "Open a test preset";
    r.typeText = "Tarlix_2 preset";
    r.pattern = "*.pst";
    return r;
}

} // namespace

// There is no portal on Windows: the editor goes straight to the system's dialog.
TEST(DesktopWin32, ThereIsNoPortal) {
    EXPECT_EQ(platform::startPortalChooser(request(false)), nullptr);
}

// A dialog the editor cancels at once (the window closed while it opened) ends without an
// answer, and letting go of it waits for its thread: nothing is left open.
TEST(DesktopWin32, ADialogCancelledAsItOpensEndsWithoutAnAnswer) {
    for (bool save : {false, true}) {
        std::unique_ptr<platform::FileChooser> chooser =
            platform::startDialogProgram(request(save));
        ASSERT_NE(chooser, nullptr);
        chooser->cancel();
        EXPECT_EQ(chooser->poll(), platform::FileChooser::State::Cancelled);
        EXPECT_TRUE(chooser->path().empty());
        chooser.reset(); // joins the dialog's thread once the dialog has closed
    }
}
