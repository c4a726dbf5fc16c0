// The readable program source: one program per text file, its name and its parameter settings
// by parameter name, in display units or option names. Unnamed parameters take the values of
// the initial program. Compiles to the 5876-byte record and dumps a record back to text.
//
//   # comment
//   name = "Warm Saw Lead"
//   version = 2410                   (2410, or 2400 for the factory bank)
//   "Osc1 Wave" = Saw                (option name)
//   "LPF Cutoff" = 62.5              (display units, inside the parameter's range)
//   "Arp OnOff" = on                 (switches: on, off or a number)
//   "text1" = "any text"             (text parameters)
//   "LPF Resonance" = raw 0.3125     (the normalised value itself, bit-exact)
//   "zDataStorage1" = hex 00ff10     (data blocks, trailing zeros implied)
//   param 250 = raw 0.5              (a spare parameter by number)
//   learn "LPF Cutoff" = cc 74       (or nrpn 5, code 65535, none)
#pragma once
#include <cstdint>
#include <string>

#include "engine/parameter_table.h"

namespace tarlix {

// The initial program every source starts from.
const char* initialProgramSource();

struct SourceOptions {
    int defaultVersion = 2410; // used when the source names no version
};

// Compiles `text` into `rec` (5876 bytes). On failure returns false with "file:line: message"
// in `error` and leaves `rec` unchanged.
bool compileProgramSource(const std::string& text, const std::string& fileName,
                          const ParameterLookup& lookup, const SourceOptions& options, uint8_t* rec,
                          std::string& error);

// Writes a record as source text. With `changedOnly`, settings equal to the initial program
// are left out. Compiling the text again gives the same bytes (data blocks, learn codes and
// spare values included).
std::string dumpProgramSource(const uint8_t* rec, const ParameterLookup& lookup, bool changedOnly);

// A bank list names the 128 program sources in order, one path per line (relative to the
// list), with an optional "version = N" line that sets the version of programs naming none.
bool compileBankList(const std::string& listPath, const ParameterLookup& lookup, uint8_t* bank,
                     std::string& error);

} // namespace tarlix
