// Finding one entry in the editor's resource pack (bitmaps and fonts, written by tools/art):
// "TLXPACK1", u32 count, u32 0, count entries {char name[48], char type[8], u32 offset,
// u32 size} (little-endian), then the blobs.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace platform {

// The entry of that name and type; empty when absent or when the pack is damaged (every field
// is checked against the pack's size, so a damaged pack yields nothing rather than a wild
// pointer).
Resource findInPack(const uint8_t* pack, size_t size, const char* name, const char* type);

} // namespace platform
