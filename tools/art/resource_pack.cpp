#include "tools/art/resource_pack.h"

#include <cstdio>
#include <cstring>

namespace art {

namespace {
void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void putText(std::vector<uint8_t>& out, const std::string& s, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(i < static_cast<int>(s.size()) ? static_cast<uint8_t>(s[i]) : 0);
}
size_t alignUp(size_t n) {
    return (n + 15) & ~size_t{15};
}
} // namespace

bool ResourcePack::add(const std::string& name, const std::string& type,
                       std::vector<uint8_t> bytes) {
    if (name.empty() || name.size() >= kPackNameBytes || type.size() >= kPackTypeBytes)
        return false;
    items_.push_back({name, type, std::move(bytes)});
    return true;
}

bool ResourcePack::write(const std::string& path) const {
    constexpr size_t kEntryBytes = kPackNameBytes + kPackTypeBytes + 8;
    std::vector<uint8_t> out;
    putText(out, "TLXPACK1", 8);
    putU32(out, static_cast<uint32_t>(items_.size()));
    putU32(out, 0);
    size_t offset = alignUp(out.size() + items_.size() * kEntryBytes);
    for (const Item& it : items_) {
        putText(out, it.name, kPackNameBytes);
        putText(out, it.type, kPackTypeBytes);
        putU32(out, static_cast<uint32_t>(offset));
        putU32(out, static_cast<uint32_t>(it.bytes.size()));
        offset = alignUp(offset + it.bytes.size());
    }
    for (const Item& it : items_) {
        out.resize(alignUp(out.size()), 0);
        out.insert(out.end(), it.bytes.begin(), it.bytes.end());
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    out.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.insert(out.end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok && !out.empty();
}

} // namespace art
