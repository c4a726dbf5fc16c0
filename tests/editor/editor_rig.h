// Helpers for the editor tests: an engine object with its user folder in a temporary folder,
// small layout tables built in the test, and pixel read-outs of the editor's back buffer.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "editor/qx_gui_editor.h"
#include "engine/qx_dsp_vst.h"
#include "tests/temp_folder.h"

namespace editortest {

inline intptr_t quietHost(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// An engine whose documents folder is an empty temporary folder, and its editor.
struct Rig {
    testfiles::TempFolder home;
    std::unique_ptr<QX_DSP_VST> engine;
    std::unique_ptr<tarlix::QX_GUI_Editor> editor;

    explicit Rig(const tarlix::LayoutRecord* table = tarlix::kLayoutTable,
                 int rows = tarlix::kLayoutRowCount, vst::HostCallback host = quietHost) {
        setenv("PUBLIC", home.path.c_str(), 1);
        engine = std::make_unique<QX_DSP_VST>(host);
        editor = std::make_unique<tarlix::QX_GUI_Editor>(
            engine.get(), tarlix::makeEditorEngine(*engine), table, rows);
    }
    ~Rig() {
        editor.reset(); // before the engine it talks to
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            editor->tick();
    }
    // Ticks until the knob shows its value; returns how many it took (-1: never within max).
    int settle(tarlix::QX_Knob* knob, int max = 200) {
        for (int i = 0; i < max; ++i) {
            if (knob->shownValue() == knob->getValue()) return i;
            editor->tick();
        }
        return -1;
    }
    // A point inside a control, in window (and screen) coordinates.
    tk::CPoint inside(int tag, int dx = 4, int dy = 4) {
        tk::CRect r = editor->control(tag)->frameRect();
        return {r.left + dx, r.top + dy};
    }
    tk::CPoint centreOf(int tag) {
        tk::CRect r = editor->control(tag)->frameRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // The back buffer's pixels inside a rectangle of frame coordinates.
    std::vector<uint32_t> pixels(const tk::CRect& r) {
        editor->frame()->idle();
        std::vector<uint32_t> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(editor->frame()->backBuffer().pixel(x, y));
        return out;
    }
};

// Layout rows written compactly for the tests' own tables.
inline tarlix::LayoutRecord row(int tag, int kind, int aux = -1, int x = 0, int y = 0,
                                const char* bitmap = nullptr, float min = 0, float max = 1,
                                const char* tooltip = nullptr, const char* options = nullptr) {
    return {static_cast<uint32_t>(tag),
            static_cast<int16_t>(kind),
            static_cast<int16_t>(aux),
            static_cast<int16_t>(x),
            static_cast<int16_t>(y),
            bitmap,
            min,
            max,
            0.0f,
            1.0f,
            "test",
            options,
            tooltip};
}

} // namespace editortest
