// tarlix-bank: lists banks, dumps programs as readable source, and compiles sources into
// ".pst" programs and ".Bnk" banks, so presets can be diffed, edited and rebuilt.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/layout_table.h"
#include "engine/parameter_table.h"
#include "engine/preset_files.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "tools/program_source.h"

using namespace tarlix;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tarlix-bank list BANK.Bnk\n"
                 "       tarlix-bank dump FILE.Bnk|FILE.pst [--program N] [--changed]\n"
                 "       tarlix-bank dump-bank BANK.Bnk FOLDER     (one source per program + "
                 "bank.list)\n"
                 "       tarlix-bank compile SOURCE -o OUT.pst\n"
                 "       tarlix-bank compile-bank LIST -o OUT.Bnk\n");
    return 2;
}

const ParameterLookup& lookup() {
    return instrumentParameterLookup();
}

bool readText(const std::string& path, std::string& text) {
    return platform::readWholeFile(path, text);
}

// A bank file, or a program file seen as a one-program bank.
bool readAny(const std::string& path, std::vector<uint8_t>& bank, int& programs) {
    bank.assign(kBankSize, 0);
    if (readBankFile(path, bank.data()) == kFileRead) {
        programs = kNumPrograms;
        return true;
    }
    if (readProgramFile(path, bank.data()) == kFileRead) {
        programs = 1;
        return true;
    }
    return false;
}

using Args = std::vector<std::string>;

std::string option(const Args& args, const char* name) {
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) return args[i + 1];
    return {};
}

bool flag(const Args& args, const char* name) {
    for (const std::string& a : args)
        if (a == name) return true;
    return false;
}

int list(const std::string& path) {
    std::vector<uint8_t> bank;
    int programs = 0;
    if (!readAny(path, bank, programs)) {
        std::fprintf(stderr, "tarlix-bank: %s is not a Tarlix_2 bank or program\n", path.c_str());
        return 1;
    }
    for (int p = 0; p < programs; ++p) {
        const uint8_t* rec = bank.data() + static_cast<size_t>(p) * record::kSize;
        std::printf("%3d  %-24s  version %d\n", p,
                    reinterpret_cast<const char*>(rec + record::kName), recordVersion(rec));
    }
    return 0;
}

int dump(const std::string& path, int program, bool changed) {
    std::vector<uint8_t> bank;
    int programs = 0;
    if (!readAny(path, bank, programs)) {
        std::fprintf(stderr, "tarlix-bank: %s is not a Tarlix_2 bank or program\n", path.c_str());
        return 1;
    }
    if (program < 0 || program >= programs) {
        std::fprintf(stderr, "tarlix-bank: no program %d in %s\n", program, path.c_str());
        return 1;
    }
    std::fputs(dumpProgramSource(bank.data() + static_cast<size_t>(program) * record::kSize,
                                 lookup(), changed)
                   .c_str(),
               stdout);
    return 0;
}

int dumpBank(const std::string& path, const std::string& folder) {
    std::vector<uint8_t> bank(kBankSize);
    if (readBankFile(path, bank.data()) != kFileRead) {
        std::fprintf(stderr, "tarlix-bank: %s is not a Tarlix_2 bank\n", path.c_str());
        return 1;
    }
    std::string listing;
    for (int p = 0; p < kNumPrograms; ++p) {
        char file[32];
        std::snprintf(file, sizeof file, "%03d.tlx", p);
        std::string text =
            dumpProgramSource(bank.data() + static_cast<size_t>(p) * record::kSize, lookup(), true);
        platform::Span part{text.data(), text.size()};
        if (!platform::writeFileAtomically(folder + "/" + file, &part, 1)) {
            std::fprintf(stderr, "tarlix-bank: cannot write %s/%s\n", folder.c_str(), file);
            return 1;
        }
        listing += std::string(file) + "\n";
    }
    platform::Span part{listing.data(), listing.size()};
    if (!platform::writeFileAtomically(folder + "/bank.list", &part, 1)) return 1;
    return 0;
}

int compile(const std::string& source, const std::string& out) {
    std::string text, error;
    if (!readText(source, text)) {
        std::fprintf(stderr, "tarlix-bank: cannot read %s\n", source.c_str());
        return 1;
    }
    uint8_t rec[record::kSize];
    if (!compileProgramSource(text, source, lookup(), SourceOptions{}, rec, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!writeProgramFile(out, rec)) {
        std::fprintf(stderr, "tarlix-bank: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

int compileBank(const std::string& listPath, const std::string& out) {
    std::vector<uint8_t> bank(kBankSize);
    std::string error;
    if (!compileBankList(listPath, lookup(), bank.data(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!writeBankFile(out, bank.data())) {
        std::fprintf(stderr, "tarlix-bank: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Args args; // UTF-8, whatever the system's code page
    for (int i = 0; i < argc; ++i)
        args.push_back(platform::argumentUtf8(argc, argv, i));
    if (args.size() < 3) return usage();
    const std::string& command = args[1];
    const std::string& path = args[2];
    if (command == "list") return list(path);
    if (command == "dump") {
        std::string p = option(args, "--program");
        return dump(path, p.empty() ? 0 : std::atoi(p.c_str()), flag(args, "--changed"));
    }
    if (command == "dump-bank" && args.size() >= 4) return dumpBank(path, args[3]);
    std::string out = option(args, "-o");
    if (out.empty()) return usage();
    if (command == "compile") return compile(path, out);
    if (command == "compile-bank") return compileBank(path, out);
    return usage();
}
