// editor-shot-win: opens the plug-in's editor in a window of its own, as a Windows host does,
// and writes what the window shows to a PNG file.
//   editor-shot-win PLUGIN.dll OUT.png [ROUNDS [ZOOM [TAG...]]]
// ROUNDS message-loop rounds of 16 ms each (default 60) pass before the picture is taken, so
// the editor's timer has run and the window system has shown every part. ZOOM (100, 150 or
// 200 %) opens the window at that size; each TAG is a control pressed where it rests (a page
// tab, a panel's button), with as many rounds after each press.
#include <windows.h>
// After windows.h, which it needs.
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "editor/layout_place.h"
#include "editor/zoom.h"
#include "host/vst_abi.h"
#include "platform/library.h"
#include "platform/utf16_win32.h"

namespace {

intptr_t hostCallback(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

LRESULT CALLBACK frameProcedure(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, message, wp, lp);
}

bool pngEncoder(CLSID& clsid) {
    UINT count = 0, bytes = 0;
    Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &bytes);
    if (bytes == 0) return false;
    std::vector<uint8_t> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::DllExports::GdipGetImageEncoders(count, bytes, codecs);
    for (UINT i = 0; i < count; ++i)
        if (std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

// Copies what the window shows into a PNG file.
bool capture(HWND window, const std::wstring& path) {
    RECT r;
    GetClientRect(window, &r);
    int w = r.right, h = r.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    bool saved = false;
    CLSID png;
    Gdiplus::GpBitmap* image = nullptr;
    if (bits && pngEncoder(png) &&
        Gdiplus::DllExports::GdipCreateBitmapFromScan0(
            w, h, w * 4, PixelFormat32bppRGB, static_cast<BYTE*>(bits), &image) == Gdiplus::Ok) {
        saved = Gdiplus::DllExports::GdipSaveImageToFile(image, path.c_str(), &png, nullptr) ==
                Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(image);
    }
    DeleteObject(dib);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: editor-shot-win PLUGIN.dll OUT.png [ROUNDS [ZOOM [TAG...]]]\n");
        return 2;
    }
    int rounds = argc > 3 ? std::atoi(argv[3]) : 60;
    const int zoom = argc > 4 ? std::atoi(argv[4]) : 100;
    if (zoom != 100 && zoom != 150 && zoom != 200) {
        std::fprintf(stderr, "editor-shot-win: the zoom is 100, 150 or 200\n");
        return 2;
    }
    platform::SharedLibrary library(platform::argumentUtf8(argc, argv, 1));
    auto entry =
        reinterpret_cast<vst::AEffect* (*)(vst::HostCallback)>(library.symbol("VSTPluginMain"));
    if (!entry) {
        std::fprintf(stderr, "editor-shot-win: cannot load %s: %s\n", argv[1],
                     library.error().c_str());
        return 1;
    }
    vst::AEffect* fx = entry(hostCallback);
    if (!fx) return 1;
    auto call = [fx](int32_t op, intptr_t value = 0, void* ptr = nullptr) {
        return fx->dispatcher(fx, op, 0, value, ptr, 0.0f);
    };
    call(vst::effOpen);
    // 0, 0.5 and 1 for 100, 150 and 200 %.
    fx->setParameter(fx, tarlix::kZoomTag, static_cast<float>(zoom - 100) / 100.0f);
    vst::ERect* size = nullptr;
    if (call(vst::effEditGetRect, 0, &size) != 1 || !size) return 1;

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput startup;
    Gdiplus::GdiplusStartup(&token, &startup, nullptr);
    WNDCLASSW c{};
    c.lpfnWndProc = frameProcedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"TarlixEditorShot";
    c.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&c);
    RECT frame{0, 0, size->right - size->left, size->bottom - size->top};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    HWND top =
        CreateWindowW(L"TarlixEditorShot", L"Tarlix_2", style, 0, 0, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, nullptr, c.hInstance, nullptr);
    ShowWindow(top, SW_SHOW);
    int status = 1;
    auto run = [&](int count) {
        for (int i = 0; i < count; ++i) {
            MSG m;
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
            call(vst::effEditIdle);
            Sleep(16);
        }
    };
    if (call(vst::effEditOpen, 0, top) == 1) {
        run(rounds);
        HWND editor = GetWindow(top, GW_CHILD);
        for (int a = 5; a < argc && editor; ++a) {
            int x, y;
            if (!tarlix::restingPlace(std::atoi(argv[a]), x, y)) {
                std::fprintf(stderr, "editor-shot-win: no control %s in the table\n", argv[a]);
                continue;
            }
            const LPARAM at = MAKELPARAM((x + 4) * zoom / 100, (y + 4) * zoom / 100);
            PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(editor, WM_LBUTTONUP, 0, at);
            run(rounds);
        }
        if (editor && capture(editor, platform::toUtf16(platform::argumentUtf8(argc, argv, 2))))
            status = 0;
        else
            std::fprintf(stderr, "editor-shot-win: no picture of the editor\n");
        call(vst::effEditClose);
    } else {
        std::fprintf(stderr, "editor-shot-win: the editor did not open\n");
    }
    DestroyWindow(top);
    call(vst::effClose);
    Gdiplus::GdiplusShutdown(token);
    return status;
}
