// The resource pack: named byte blobs (PNG bitmaps, fonts) in one file that the library embeds.
// Layout, little-endian: "TLXPACK1", u32 count, u32 0, then count entries of {char name[48],
// char type[8], u32 offset, u32 size} and the blobs, each starting on a 16-byte boundary.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace art {

constexpr int kPackNameBytes = 48;
constexpr int kPackTypeBytes = 8;

class ResourcePack {
  public:
    // False when the name or type does not fit its field (the terminating zero included).
    bool add(const std::string& name, const std::string& type, std::vector<uint8_t> bytes);
    bool write(const std::string& path) const;

  private:
    struct Item {
        std::string name, type;
        std::vector<uint8_t> bytes;
    };
    std::vector<Item> items_;
};

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out);

} // namespace art
