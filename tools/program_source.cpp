#include "tools/program_source.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include "common/curves.h"
#include "engine/program_memory.h"
#include "platform/platform.h"

namespace tarlix {

namespace {

constexpr int kBendDepth = tag::kBendDepth;
constexpr int kOldBendSteps = 12; // "Bend Depth" had 12 options before version 2410
constexpr int kDataTags[3] = {tag::kDataStorage1, tag::kDataStorage2, tag::kDataStore2k1};

const char kInitialProgram[] =
    R"src(# The initial program: the starting point of every program source.
name = "Init"
version = 2410
"BankFile" = "---"
"Lfo1 Rate(Hz)" = 2
"Lfo1 Phase %" = 0
"Lfo1 Depth" = 5
"Lfo2 Rate" = 0.5
"Lfo2 Phase %" = 0
"Lfo2 Depth" = 5
"Lfo3 Rate" = 5
"Lfo3 Phase %" = 0
"Lfo3 Depth" = 5
"HFO Oct" = 0
"HFO Semi" = 0
"HFO Tune (cents)" = 0
"HFO Sustain %" = 100
"HFO Release (s)" = 0.3
"HFO Time Scale %" = 100
"HFO Level" = 50
"Osc1 Wave" = Saw
"Osc2 Wave" = Saw
"Osc Mode" = Mix
"Osc Octave" = 0
"Wave 2 Semi" = 0
"Wave 2 Tune" = 0
"Osc Width %" = 50
"Osc1 Mix" = 80
"Filter %" = 100%
"LPF Type" = A
"LPF Cutoff" = 100
"Filter Track" = 0
"LPF Sustain %" = 100
"LPF Release (s)" = 0.3
"LPF Time Scale %" = 100
"Env1 Sustain %" = 100
"Env1 Release (s)" = 0.3
"Env1 Time Scale %" = 100
"Env2 Sustain %" = 100
"Env2 Release (s)" = 0.3
"Env2 Time Scale %" = 100
"Amp Attack (s)" = 0.005
"Amp Decay (s)" = 0.5
"Amp Sustain %" = 100
"Amp Release (s)" = 0.3
"Amp Time Scale %" = 100
"Amp Velocity %" = 50
"Play Mode" = Poly
"Gain" = 50
"Master Pan" = 0
"Master Volume %" = 70
"Arp Mode" = Cycle Up
"Arp Rate" = 4
"Arp Gate %" = 50
"Seq Rate" = 4
"Seq Length" = 8
"Seq Range" = 0
"Seq Filter" = 0
"Seq Amp" = 0
"Melt A Blend" = 100
"Melt A Speed (Hz)" = 5
"Echo Rate" = 1/4
"Echo Length" = 4
"Echo Shift" = 0
"Echo FBK" = 40
"Echo LPF" = 100
"Echo Level" = 30
"Seq Glide" = 1
"Filter2 Offset (Semi)" = 12
"Bend Depth" = 2
"Chorus Depth (ms)" = raw 0.5
"Chorus Rate (Hz)" = raw 0.3
"Chorus Melt %" = 0
"Chorus Mix %" = 50
"Chorus Spread (ms)" = 0
"Pan Tracking %" = 0
"EQ 1 Freq Hz" = raw 0.00391
"EQ 1 Gain dB" = 0
"EQ 1 Width" = raw 0.5
"EQ 2 Freq Hz" = raw 0.047898
"EQ 2 Gain dB" = 0
"EQ 2 Width" = raw 0.5
"EQ 3 Freq Hz" = raw 0.243401
"EQ 3 Gain dB" = 0
"EQ 3 Width" = raw 0.5
"Filter Drive %" = raw 0.33333334
"Midi Channel" = "Channel: All"
"Mono Note Mode" = Last Note
"Melt B Wow (Hz)" = raw 0.5345
"Melt B Flutter (Hz)" = raw 0.5774
"Melt B Speed Mix %" = 50
"Melt B to Pitch %" = 100
"Melt B to Amp %" = 50
"Osc Harmonics" = raw 1
"MPE A:74" = on
"Noise Tone" = 50
"Aft HFO Rate" = 0
"MPE: LPF Depth" = 50
"MPE: AMP Depth" = 50
)src";

struct Cursor {
    const std::string& line;
    size_t at = 0;
    void skipSpace() {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])))
            ++at;
    }
    bool atEnd() {
        skipSpace();
        return at >= line.size() || line[at] == '#';
    }
    bool take(char c) {
        skipSpace();
        if (at < line.size() && line[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool quoted(std::string& out) {
        skipSpace();
        if (at >= line.size() || line[at] != '"') return false;
        out.clear();
        for (++at; at < line.size(); ++at) {
            char c = line[at];
            if (c == '"') {
                ++at;
                return true;
            }
            if (c == '\\' && at + 1 < line.size()) c = line[++at];
            out += c;
        }
        return false;
    }
    std::string word() {
        skipSpace();
        size_t start = at;
        while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at])) &&
               line[at] != '=' && line[at] != '#')
            ++at;
        return line.substr(start, at - start);
    }
    // Everything up to a comment, trimmed.
    std::string rest() {
        skipSpace();
        size_t end = line.find('#', at);
        std::string r = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
        while (!r.empty() && std::isspace(static_cast<unsigned char>(r.back())))
            r.pop_back();
        at = line.size();
        return r;
    }
};

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Texts are stored NUL-terminated and written back quoted on one line.
bool hasControlCharacter(const std::string& s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

bool equalsIgnoreCase(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool parseDouble(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end && *end == 0 && std::isfinite(out);
}

bool parseInt(const std::string& s, long lo, long hi, long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtol(s.c_str(), &end, 10);
    return end && *end == 0 && out >= lo && out <= hi;
}

bool isSwitchKind(int k) {
    return k >= kind::kOnOffButton && k <= kind::kRadioButton && k != kind::kHub;
}

bool isDataParam(const ParameterLookup& lookup, int index) {
    int f = lookup.slotFamily[index];
    return f >= kind::kDataStore && f <= kind::kLastDataStore;
}

bool isTextParam(const ParameterLookup& lookup, int index) {
    return lookup.slotFamily[index] == kind::kTextEntry && lookup.slot[index] != kNoSlot;
}

// Parameter names as the user sees them. A name several spare parameters share is not a
// name: those are set by number.
const std::map<std::string, int>& parameterNames(const ParameterLookup& lookup) {
    static const std::map<std::string, int> names = [&lookup] {
        std::map<std::string, int> m;
        std::map<std::string, int> uses;
        for (int i = 0; i < kNumParams; ++i) {
            const char* n = lookup.row[i] ? lookup.rowOf(i).name : nullptr;
            if (n && *n && ++uses[n] == 1) m.emplace(n, i);
        }
        for (const auto& [n, count] : uses)
            if (count > 1) m.erase(n);
        return m;
    }();
    return names;
}

uint8_t* dataBlockOf(uint8_t* rec, int tag, size_t& size) {
    if (tag == kDataTags[2]) {
        size = record::kLongBlockSize;
        return rec + record::kLongBlock;
    }
    size = record::kShortBlockSize;
    return rec + record::kShortBlocks + record::kShortBlockSize * (tag == kDataTags[1] ? 1 : 0);
}

float optionValue(int k, int steps) {
    return steps > 1 ? static_cast<float>(k) / static_cast<float>(steps - 1) : 0.0f;
}

float fromDisplay(const LayoutRecord& row, int taper, double v) {
    double x = (v - row.min) / (static_cast<double>(row.max) - row.min);
    if (!(x > 0.0)) x = 0.0;
    if (x > 1.0) x = 1.0;
    return taper_inverse(static_cast<float>(x), taper);
}

class Compiler {
  public:
    Compiler(const std::string& file, const ParameterLookup& lookup, uint8_t* rec)
        : file_(file), lookup_(lookup), rec_(rec) {}

    bool run(const std::string& text, int defaultVersion, std::string& error) {
        version_ = defaultVersion;
        std::istringstream in(text);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::string message;
            if (!parseLine(line, number, message)) {
                error = file_ + ":" + std::to_string(number) + ": " + message;
                return false;
            }
        }
        return finish(error);
    }

  private:
    bool parseLine(const std::string& line, int number, std::string& message) {
        Cursor c{line};
        if (c.atEnd()) return true;
        std::string key;
        int param = -1;
        bool learn = false;
        if (c.quoted(key)) {
            auto it = parameterNames(lookup_).find(key);
            if (it == parameterNames(lookup_).end())
                return fail(message, "unknown parameter " + quote(key));
            param = it->second;
        } else {
            key = c.word();
            if (key == "learn") {
                learn = true;
                if (!c.quoted(key)) {
                    if (c.word() != "param") return fail(message, "learn needs a parameter name");
                    long n;
                    if (!parseInt(c.word(), 0, kNumParams - 1, n))
                        return fail(message, "parameter number outside 0..332");
                    param = static_cast<int>(n);
                } else {
                    auto it = parameterNames(lookup_).find(key);
                    if (it == parameterNames(lookup_).end())
                        return fail(message, "unknown parameter " + quote(key));
                    param = it->second;
                }
            } else if (key == "param") {
                long n;
                if (!parseInt(c.word(), 0, kNumParams - 1, n))
                    return fail(message, "parameter number outside 0..332");
                param = static_cast<int>(n);
                key = "param " + std::to_string(n);
            } else if (key != "name" && key != "version") {
                return fail(message, "unknown setting " + quote(key));
            }
        }
        if (!c.take('=')) return fail(message, "'=' expected");
        // A text or data parameter's contents and its (meaningless) float are separate settings.
        bool contents = param >= 0 && key.rfind("param ", 0) != 0 &&
                        (isTextParam(lookup_, param) || isDataParam(lookup_, param));
        std::string settingKey = learn        ? "learn " + std::to_string(param)
                                 : contents   ? "contents " + std::to_string(param)
                                 : param >= 0 ? std::to_string(param)
                                              : key;
        if (!seen_.emplace(settingKey, number).second)
            return fail(message, "duplicate setting (first on line " +
                                     std::to_string(seen_[settingKey]) + ")");
        if (learn) return setLearn(c, param, message);
        if (key == "name") return setName(c, message);
        if (key == "version") return setVersion(c, message);
        if (param == kVersionParam) return fail(message, "the version is set with 'version ='");
        return setValue(c, param, key.rfind("param ", 0) == 0, number, message);
    }

    static bool fail(std::string& message, const std::string& text) {
        message = text;
        return false;
    }

    bool setName(Cursor& c, std::string& message) {
        std::string name;
        if (!c.quoted(name) || !c.atEnd()) return fail(message, "name needs a quoted text");
        if (name.size() > 24) return fail(message, "name longer than 24 characters");
        if (hasControlCharacter(name)) return fail(message, "control character in the name");
        std::memset(programName(rec_), 0, record::kNameSize);
        std::memcpy(programName(rec_), name.data(), name.size());
        return true;
    }

    bool setVersion(Cursor& c, std::string& message) {
        long v;
        if (!parseInt(c.rest(), 0, 100000, v) || (v != kFactoryVersion && v != kCurrentVersion))
            return fail(message, "version must be 2400 or 2410");
        version_ = static_cast<int>(v);
        return true;
    }

    bool setLearn(Cursor& c, int param, std::string& message) {
        std::string kind = c.word();
        long n = 0;
        uint16_t code;
        if (kind == "none") {
            code = kNotLearned;
        } else if (kind == "cc" && parseInt(c.word(), 0, kLearnLastCc, n)) {
            code = static_cast<uint16_t>(n);
        } else if (kind == "nrpn" && parseInt(c.word(), 0, kLastNrpn, n)) {
            code = static_cast<uint16_t>(kLearnFirstNrpn + n);
        } else if (kind == "code" && parseInt(c.word(), 0, kNotLearned, n)) {
            code = static_cast<uint16_t>(n);
        } else {
            return fail(message, "learn takes cc 0..127, nrpn 0..16383, code N or none");
        }
        if (!c.atEnd()) return fail(message, "unexpected text after the learn code");
        writeLearn(rec_, param, code);
        return true;
    }

    bool setValue(Cursor& c, int param, bool byNumber, int number, std::string& message) {
        const LayoutRecord& row = lookup_.rowOf(param);
        std::string text;
        bool isQuoted = c.quoted(text);
        if (isQuoted) {
            if (!c.atEnd()) return fail(message, "unexpected text after the quoted value");
        } else {
            text = c.rest();
        }
        if (text.empty() && !isQuoted) return fail(message, "value expected");
        if (!isQuoted && text.rfind("raw ", 0) == 0) {
            double v;
            if (!parseDouble(text.substr(4), v) || v < 0.0 || v > 1.0)
                return fail(message, "raw value outside 0..1");
            writeValue(rec_, param, static_cast<float>(v));
            rawBend_ = rawBend_ || param == kBendDepth;
            return true;
        }
        if (byNumber) return fail(message, "a parameter by number takes a raw value");
        if (isTextParam(lookup_, param)) {
            if (!isQuoted) return fail(message, "text value must be quoted");
            if (text.size() >= record::kStringSlotSize)
                return fail(message, "text longer than 259 characters");
            if (hasControlCharacter(text)) return fail(message, "control character in the text");
            char* slot = stringSlot(rec_, lookup_.slot[param] & kSlotIndexMask);
            std::memset(slot, 0, record::kStringSlotSize);
            std::memcpy(slot, text.data(), text.size());
            return true;
        }
        if (isDataParam(lookup_, param)) return setData(text, isQuoted, param, message);
        if (isOptionKind(row.kind)) {
            int steps = lookup_.steps[param];
            char item[260];
            for (int k = 0; k < steps; ++k)
                if (optionItem(row.options, k, item, 259) && equalsIgnoreCase(text, item)) {
                    writeValue(rec_, param, optionValue(k, steps));
                    if (param == kBendDepth) bendLine_ = number;
                    return true;
                }
            return fail(message, quote(text) + " is not an option of " + quote(row.name));
        }
        if (isSwitchKind(row.kind) && !isQuoted && (text == "on" || text == "off")) {
            writeValue(rec_, param, text == "on" ? 1.0f : 0.0f);
            return true;
        }
        double v;
        if (isQuoted || !parseDouble(text, v)) return fail(message, "number expected");
        double lo = std::fmin(row.min, row.max), hi = std::fmax(row.min, row.max);
        double slack = (hi - lo) * 1e-6;
        if (row.min == row.max) return fail(message, "this parameter takes a raw value");
        if (v < lo - slack || v > hi + slack) {
            char range[96];
            std::snprintf(range, sizeof range, "%g outside %g..%g", v, lo, hi);
            return fail(message, range);
        }
        writeValue(rec_, param, fromDisplay(row, lookup_.taper[param], v));
        return true;
    }

    bool setData(const std::string& text, bool isQuoted, int param, std::string& message) {
        if (isQuoted || text.rfind("hex", 0) != 0) return fail(message, "data takes hex bytes");
        size_t size;
        uint8_t* block = dataBlockOf(rec_, layoutTag(lookup_.rowOf(param)), size);
        std::string digits;
        for (char ch : text.substr(3))
            if (!std::isspace(static_cast<unsigned char>(ch))) digits += ch;
        if (digits.size() % 2 || digits.size() / 2 > size)
            return fail(message, "hex data of odd length or longer than the block");
        std::vector<uint8_t> bytes(size, 0);
        for (size_t i = 0; i < digits.size(); i += 2) {
            char pair[3] = {digits[i], digits[i + 1], 0};
            if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
                !std::isxdigit(static_cast<unsigned char>(pair[1])))
                return fail(message, "not a hex digit");
            bytes[i / 2] = static_cast<uint8_t>(std::strtoul(pair, nullptr, 16));
        }
        std::memcpy(block, bytes.data(), size);
        return true;
    }

    // Values are written in today's meaning; an older record stores "Bend Depth" on its
    // own shorter list, which loading maps back.
    bool finish(std::string& error) {
        if (version_ < kCurrentVersion && !rawBend_) {
            float v = readValue(rec_, kBendDepth);
            int k = static_cast<int>(std::lround(v * (lookup_.steps[kBendDepth] - 1)));
            if (k >= kOldBendSteps) {
                error = file_ + ":" + std::to_string(bendLine_) +
                        ": a version 2400 program holds a Bend Depth of at most 12";
                return false;
            }
            writeValue(rec_, kBendDepth, optionValue(k, kOldBendSteps));
        }
        writeValue(rec_, kVersionParam, versionValue(version_));
        return true;
    }

    std::string file_;
    const ParameterLookup& lookup_;
    uint8_t* rec_;
    int version_ = kCurrentVersion;
    bool rawBend_ = false;
    int bendLine_ = 0;
    std::map<std::string, int> seen_;
};

void blankRecord(uint8_t* rec) {
    std::memset(rec, 0, record::kSize);
    for (int i = 0; i < kNumParams; ++i)
        writeLearn(rec, i, kNotLearned);
}

const uint8_t* initialRecord(const ParameterLookup& lookup) {
    static uint8_t rec[record::kSize];
    static const bool built = [&lookup] {
        blankRecord(rec);
        std::string error;
        Compiler c("<initial program>", lookup, rec);
        return c.run(kInitialProgram, kCurrentVersion, error);
    }();
    return built ? rec : nullptr;
}

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, 4) == 0;
}

std::string formatRaw(float v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "raw %.9g", static_cast<double>(v));
    return buf;
}

bool needsQuotes(const std::string& s) {
    return s.empty() || s.find('#') != std::string::npos || s.find('"') != std::string::npos ||
           std::isspace(static_cast<unsigned char>(s.front())) ||
           std::isspace(static_cast<unsigned char>(s.back())) || s.rfind("raw ", 0) == 0 ||
           s.rfind("hex", 0) == 0;
}

// The shortest display value that compiles back to exactly these bits, else the raw value.
std::string displayValue(const LayoutRecord& row, int taper, float v) {
    double d = row.min + (static_cast<double>(row.max) - row.min) * taper_forward(v, taper);
    for (int digits : {4, 6, 9}) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.*g", digits, d);
        double back = std::strtod(buf, nullptr);
        double lo = std::fmin(row.min, row.max), hi = std::fmax(row.min, row.max);
        if (back >= lo && back <= hi && sameBits(fromDisplay(row, taper, back), v)) return buf;
    }
    char note[48];
    std::snprintf(note, sizeof note, "  # %.6g", d);
    return formatRaw(v) + note;
}

std::string valueText(const ParameterLookup& lookup, int i, float v) {
    const LayoutRecord& row = lookup.rowOf(i);
    if (isOptionKind(row.kind)) {
        int steps = lookup.steps[i];
        int k = static_cast<int>(std::lround(v * (steps > 1 ? steps - 1 : 0)));
        char item[260];
        if (steps > 0 && sameBits(optionValue(k, steps), v) &&
            optionItem(row.options, k, item, 259)) {
            std::string s = item;
            return needsQuotes(s) ? quote(s) : s;
        }
        return formatRaw(v);
    }
    if (isSwitchKind(row.kind) && (v == 0.0f || v == 1.0f) && !std::signbit(v))
        return v == 1.0f ? "on" : "off";
    if (row.min == row.max) return formatRaw(v);
    return displayValue(row, lookup.taper[i], v);
}

std::string hexBlock(const uint8_t* p, size_t n) {
    while (n > 0 && p[n - 1] == 0)
        --n;
    std::string s = "hex ";
    char b[3];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, "%02x", p[i]);
        s += b;
    }
    return s;
}

std::string learnText(uint16_t code) {
    if (code <= kLearnLastCc) return "cc " + std::to_string(code);
    if (code >= kLearnFirstNrpn && code <= kLearnFirstNrpn + kLastNrpn)
        return "nrpn " + std::to_string(code - kLearnFirstNrpn);
    return "code " + std::to_string(code);
}

} // namespace

const char* initialProgramSource() {
    return kInitialProgram;
}

bool compileProgramSource(const std::string& text, const std::string& fileName,
                          const ParameterLookup& lookup, const SourceOptions& options, uint8_t* rec,
                          std::string& error) {
    const uint8_t* base = initialRecord(lookup);
    if (!base) {
        error = "the initial program does not compile";
        return false;
    }
    uint8_t work[record::kSize];
    std::memcpy(work, base, record::kSize);
    Compiler c(fileName, lookup, work);
    if (!c.run(text, options.defaultVersion, error)) return false;
    std::memcpy(rec, work, record::kSize);
    return true;
}

std::string dumpProgramSource(const uint8_t* rec, const ParameterLookup& lookup, bool changedOnly) {
    uint8_t u[record::kSize];
    std::memcpy(u, rec, record::kSize);
    const uint8_t* base = initialRecord(lookup);
    std::ostringstream out;
    int version = recordVersion(rec);
    int shownVersion = version == kFactoryVersion ? kFactoryVersion : kCurrentVersion;
    if (version != kCurrentVersion && version != kFactoryVersion)
        out << "# upgraded from version " << version << "\n";
    if (version < kCurrentVersion) upgradeRecord(u, lookup); // values shown in today's meaning
    char name[record::kNameSize] = {};
    std::memcpy(name, programName(u), 24);
    out << "name = " << quote(name) << "\n";
    out << "version = " << shownVersion << "\n";
    const auto& names = parameterNames(lookup);
    for (int i = 0; i < kNumParams; ++i) {
        if (i == kVersionParam) continue;
        float v = readValue(u, i);
        const char* pname = lookup.row[i] ? lookup.rowOf(i).name : nullptr;
        bool named = pname && *pname && names.count(pname) && names.at(pname) == i;
        bool changed = !base || !sameBits(v, readValue(base, i));
        if (!named || isTextParam(lookup, i) || isDataParam(lookup, i)) {
            // These floats carry no meaning; they are written only to keep the bytes.
            if (changed) out << "param " << i << " = " << formatRaw(v) << "\n";
            if (!named) continue;
            if (isTextParam(lookup, i)) {
                int slot = lookup.slot[i] & kSlotIndexMask;
                char text[record::kStringSlotSize] = {};
                std::memcpy(text, stringSlot(u, slot), record::kStringSlotSize - 1);
                char was[record::kStringSlotSize] = {};
                if (base)
                    std::memcpy(was, base + record::kStringSlots + record::kStringSlotSize * slot,
                                record::kStringSlotSize - 1);
                if (!changedOnly || std::strcmp(text, was) != 0)
                    out << quote(pname) << " = " << quote(text) << "\n";
            } else {
                size_t size;
                const uint8_t* block = dataBlockOf(u, layoutTag(lookup.rowOf(i)), size);
                std::string hex = hexBlock(block, size);
                if (hex.size() > 4) out << quote(pname) << " = " << hex << "\n";
            }
            continue;
        }
        float shown = v;
        if (i == kBendDepth && version == kFactoryVersion) {
            // The record keeps the old 12-step list; show today's option when it maps exactly.
            float old = readValue(rec, i);
            int k = static_cast<int>(std::lround(old * (kOldBendSteps - 1)));
            if (sameBits(optionValue(k, kOldBendSteps), old))
                shown = optionValue(k, lookup.steps[i]);
            else {
                out << quote(pname) << " = " << formatRaw(old) << "\n";
                continue;
            }
        }
        if (changedOnly && base && sameBits(shown, readValue(base, i))) continue;
        out << quote(pname) << " = " << valueText(lookup, i, shown) << "\n";
    }
    for (int i = 0; i < kNumParams; ++i) {
        uint16_t code = readLearn(u, i);
        if (code == kNotLearned) continue;
        const char* pname = lookup.row[i] ? lookup.rowOf(i).name : nullptr;
        bool named = pname && *pname && names.count(pname) && names.at(pname) == i;
        out << "learn " << (named ? quote(pname) : "param " + std::to_string(i)) << " = "
            << learnText(code) << "\n";
    }
    return out.str();
}

bool compileBankList(const std::string& listPath, const ParameterLookup& lookup, uint8_t* bank,
                     std::string& error) {
    std::string listText;
    if (!platform::readWholeFile(listPath, listText)) {
        error = listPath + ": cannot be read";
        return false;
    }
    std::string folder;
    if (size_t slash = listPath.rfind('/'); slash != std::string::npos)
        folder = listPath.substr(0, slash + 1);
    SourceOptions options;
    std::vector<uint8_t> image(kBankSize);
    std::string line;
    int number = 0, programs = 0;
    std::istringstream list(listText);
    while (std::getline(list, line)) {
        ++number;
        Cursor c{line};
        if (c.atEnd()) continue;
        std::string where = listPath + ":" + std::to_string(number) + ": ";
        std::string entry = c.rest();
        if (entry.rfind("version", 0) == 0) {
            Cursor v{entry};
            v.word();
            long n;
            if (!v.take('=') || !parseInt(v.rest(), 0, 100000, n) ||
                (n != kFactoryVersion && n != kCurrentVersion)) {
                error = where + "version must be 2400 or 2410";
                return false;
            }
            options.defaultVersion = static_cast<int>(n);
            continue;
        }
        if (programs == kNumPrograms) {
            error = where + "more than 128 programs";
            return false;
        }
        const bool absolute = entry.front() == '/' || (entry.size() > 2 && entry[1] == ':');
        std::string path = absolute ? entry : folder + entry;
        std::string text;
        if (!platform::readWholeFile(path, text)) {
            error = where + "cannot read " + path;
            return false;
        }
        uint8_t* rec = image.data() + static_cast<size_t>(programs) * record::kSize;
        if (!compileProgramSource(text, path, lookup, options, rec, error)) return false;
        ++programs;
    }
    if (programs != kNumPrograms) {
        error = listPath + ": " + std::to_string(programs) + " programs listed, 128 needed";
        return false;
    }
    std::memcpy(bank, image.data(), kBankSize);
    return true;
}

} // namespace tarlix
