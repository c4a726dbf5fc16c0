#include <gtest/gtest.h>

#include <vector>

#include "dsp/module_base.h"

using namespace tarlix;

namespace {

// Records what the framework asks of it.
class ProbeModule : public QX_ModuleBase {
  public:
    ProbeModule(ModuleContext* c, bool held = false) : QX_ModuleBase(c, held) {
        allocateOutputs(1);
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int offset, int count) override { renders.push_back({offset, count}); }
    void HandleEvent(const EventRecord& e, int offset) override {
        handled.push_back({offset, e.intValue});
    }
    std::vector<std::pair<int, int>> renders, handled;
};

struct Fixture : ::testing::Test {
    EventPool pool{64};
    ModuleContext ctx;
    Fixture() { ctx.pool = &pool; }
};

} // namespace

using ModuleProcess = Fixture;

TEST_F(ModuleProcess, SplitsTheChunkAtAnEvent) {
    ProbeModule m(&ctx);
    ctx.clock = 100;
    m.PostEvent(105, 0, 0, 7, 0, nullptr);
    m.Process(16, 16);
    ASSERT_EQ(m.renders.size(), 2u);
    EXPECT_EQ(m.renders[0], std::make_pair(16, 5));
    EXPECT_EQ(m.handled[0], std::make_pair(21, 7));
    EXPECT_EQ(m.renders[1], std::make_pair(21, 11));
    EXPECT_EQ(pool.inUse(), 0);
}

TEST_F(ModuleProcess, EqualTimesKeepPostingOrderAndLateEventsApplyAtOffset) {
    ProbeModule m(&ctx);
    ctx.clock = 1000000;
    m.PostEvent(1000003, 0, 0, 1, 0, nullptr);
    m.PostEvent(1000003, 0, 0, 2, 0, nullptr);
    m.PostEvent(0, 0, 0, 3, 0, nullptr); // stamped long ago
    m.Process(0, 8);
    ASSERT_EQ(m.handled.size(), 3u);
    EXPECT_EQ(m.handled[0], std::make_pair(0, 3));
    EXPECT_EQ(m.handled[1], std::make_pair(3, 1));
    EXPECT_EQ(m.handled[2], std::make_pair(3, 2));
    for (auto& r : m.renders)
        EXPECT_LE(r.first + r.second, 8);
}

TEST_F(ModuleProcess, LaterChunkEventsStayQueuedAndClockNearWrapWorks) {
    ProbeModule m(&ctx);
    ctx.clock = 0xFFFFFFF0ull;
    m.PostEvent(0xFFFFFFF0ull + 16, 0, 0, 9, 0, nullptr);
    m.Process(0, 16);
    EXPECT_TRUE(m.handled.empty());
    EXPECT_EQ(m.renders.size(), 1u);
    EXPECT_TRUE(m.hasPendingEvents());
    ctx.clock += 16; // past 2^32: still delivered
    m.Process(16, 16);
    ASSERT_EQ(m.handled.size(), 1u);
    EXPECT_EQ(m.handled[0].first, 16);
}

TEST_F(ModuleProcess, HeldModulesHandleEventsButDoNotRender) {
    ProbeModule m(&ctx, true);
    EXPECT_EQ(m.status(), kStatusHeld);
    m.PostEvent(ctx.clock, 0, 0, 1, 0, nullptr);
    m.Process(0, 8);
    EXPECT_EQ(m.handled.size(), 1u);
    EXPECT_TRUE(m.renders.empty());
    m.Sleep();
    EXPECT_EQ(m.status(), kStatusHeld | kStatusAsleep);
}

TEST_F(ModuleProcess, DryPoolDropsAndCounts) {
    ProbeModule m(&ctx);
    for (int i = 0; i < 70; ++i)
        m.PostEvent(ctx.clock + i, 0, 0, i, 0, nullptr);
    EXPECT_EQ(pool.inUse(), 64);
    EXPECT_EQ(pool.dropped(), 6u);
}

TEST_F(ModuleProcess, VoiceZeroRouteReachesEveryVoice) {
    ProbeModule source(&ctx);
    std::vector<std::unique_ptr<ProbeModule>> voices;
    for (int v = 0; v < 4; ++v)
        voices.push_back(std::make_unique<ProbeModule>(&ctx));
    for (int v = 0; v < 4; ++v)
        source.Connect(voices[v].get(), 1 + v, 0, 3, 4, 1, v);
    EXPECT_EQ(source.routeCount(0), 1);
    EXPECT_EQ(voices[2]->inputs[3], source.outputs[0]);
    source.SendEvent(ctx.clock, 0, 0, 42, 0, nullptr);
    for (auto& v : voices) {
        v->Process(0, 4);
        ASSERT_EQ(v->handled.size(), 1u);
        EXPECT_EQ(v->handled[0].second, 42);
    }
}

TEST_F(ModuleProcess, OutputBuffersAreAlignedAndPadded) {
    ProbeModule m(&ctx);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(m.outputs[0]) % 16, 0u);
    EXPECT_EQ(bufferFloats(128), 136);
    EXPECT_EQ(bufferFloats(1), 8);
    EXPECT_EQ(m.GetOutput(64), nullptr);
    EXPECT_EQ(m.GetOutput(-1), nullptr);
}
