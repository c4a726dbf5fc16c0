// The program source compiler on arbitrary text: it either refuses with a file:line message
// or compiles, and whatever compiles dumps to a text that compiles to the same bytes.
#include <cstring>
#include <string>

#include "engine/program_record.h"
#include "fuzz/fuzz_common.h"
#include "tools/program_source.h"

using namespace tarlix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const ParameterLookup& lookup = instrumentParameterLookup();
    uint8_t rec[record::kSize], back[record::kSize];
    std::string error;
    SourceOptions options;
    options.defaultVersion = (size % 2) ? 2400 : 2410;
    if (!compileProgramSource(text, "f.tlx", lookup, options, rec, error)) {
        fuzz::require(error.rfind("f.tlx:", 0) == 0, "an error without its place");
        return 0;
    }
    std::string dumped = dumpProgramSource(rec, lookup, size % 3 == 0);
    fuzz::require(compileProgramSource(dumped, "dump.tlx", lookup, SourceOptions{}, back, error),
                  "a dump does not compile");
    fuzz::require(std::memcmp(rec, back, record::kSize) == 0, "a dump compiles to other bytes");
    return 0;
}
