#include "engine/shared_tables.h"

#include <cmath>
#include <mutex>
#include <new>

#include "common/portable_math.h"

namespace tarlix {

namespace {
std::mutex gMutex;
SharedTables* gTables = nullptr;
int gUsers = 0;
int gBuilds = 0;

void buildSemitones(SharedTables& t) {
    for (int k = 0; k < 256; ++k) {
        int s = k < 128 ? k : k - 256;
        t.semitoneRatio[k] = static_cast<float>(pmath::exp2(s / 12.0) * 0.1);
    }
}
} // namespace

const SharedTables* acquireSharedTables() {
    std::lock_guard<std::mutex> lock(gMutex);
    if (!gTables) {
        gTables = new (std::nothrow) SharedTables;
        if (!gTables) return nullptr;
        gTables->parameters.build(kLayoutTable, kLayoutRowCount);
        buildSemitones(*gTables);
        ++gBuilds;
    }
    ++gUsers;
    return gTables;
}

void releaseSharedTables() {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gUsers <= 0) return;
    if (--gUsers == 0) {
        delete gTables;
        gTables = nullptr;
    }
}

int sharedTablesBuildCount() {
    std::lock_guard<std::mutex> lock(gMutex);
    return gBuilds;
}

int sharedTablesUsers() {
    std::lock_guard<std::mutex> lock(gMutex);
    return gUsers;
}

} // namespace tarlix
