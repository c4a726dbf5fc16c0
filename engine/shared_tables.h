// Data shared by every instance in the process: built by the first user, freed by the last.
#pragma once
#include "engine/parameter_table.h"

namespace tarlix {

struct SharedTables {
    ParameterLookup parameters;
    float semitoneRatio[256]; // 2^(s/12) * 0.1, s = k (k < 128) or k - 256
};

// Both calls take a mutex: construction and destruction never run on the audio thread.
const SharedTables* acquireSharedTables();
void releaseSharedTables();

// Holds the shared tables for an owner's lifetime; `tables` is null when they could not be made.
class SharedTablesLease {
  public:
    SharedTablesLease() : tables(acquireSharedTables()) {}
    ~SharedTablesLease() {
        if (tables) releaseSharedTables();
    }
    SharedTablesLease(const SharedTablesLease&) = delete;
    SharedTablesLease& operator=(const SharedTablesLease&) = delete;
    const SharedTables* const tables;
};

// For tests: how often the tables were built, and the current number of users.
int sharedTablesBuildCount();
int sharedTablesUsers();

} // namespace tarlix
