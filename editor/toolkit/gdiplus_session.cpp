// Starting and stopping GDI+ with the first and last object that uses it.
#include <mutex>

#include "editor/toolkit/gdiplus_backend.h"

namespace tk {

namespace {
std::mutex sessionLock;
int sessionUsers = 0;
ULONG_PTR sessionToken = 0;
bool sessionStarted = false;
} // namespace

GdiplusSession::GdiplusSession() {
    std::lock_guard<std::mutex> guard(sessionLock);
    if (sessionUsers++ == 0) {
        Gdiplus::GdiplusStartupInput input;
        sessionStarted = Gdiplus::GdiplusStartup(&sessionToken, &input, nullptr) == Gdiplus::Ok;
    }
    ok_ = sessionStarted;
}

GdiplusSession::~GdiplusSession() {
    std::lock_guard<std::mutex> guard(sessionLock);
    if (--sessionUsers == 0 && sessionStarted) {
        Gdiplus::GdiplusShutdown(sessionToken);
        sessionStarted = false;
    }
}

} // namespace tk
