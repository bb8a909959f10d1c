#include "tools/pe_check/pe_image.h"

#include <cstring>

namespace {

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  bool Has(uint64_t offset, uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  template <typename T>
  T At(uint64_t offset) const {
    T v{};
    if (Has(offset, sizeof v)) std::memcpy(&v, bytes_.data() + offset, sizeof v);
    return v;
  }
  std::string CString(uint64_t offset) const {
    std::string s;
    while (offset < bytes_.size() && bytes_[offset] != '\0') s += bytes_[offset++];
    return s;
  }

 private:
  const std::string& bytes_;
};

struct Section {
  uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

}  // namespace

std::optional<PeImage> ParsePeImage(const std::string& bytes, std::string& error) {
  const Reader r(bytes);
  if (!r.Has(0, 64) || r.At<uint16_t>(0) != 0x5A4D) {
    error = "no MZ header";
    return std::nullopt;
  }
  const uint32_t pe = r.At<uint32_t>(0x3C);
  if (!r.Has(pe, 24) || r.At<uint32_t>(pe) != 0x00004550) {
    error = "no PE signature";
    return std::nullopt;
  }
  const uint16_t sectionCount = r.At<uint16_t>(pe + 6);
  const uint16_t optionalSize = r.At<uint16_t>(pe + 20);
  const uint64_t optional = pe + 24;
  const uint16_t magic = r.At<uint16_t>(optional);
  if (magic != 0x10B && magic != 0x20B) {
    error = "unknown optional header magic";
    return std::nullopt;
  }
  PeImage image;
  image.is64 = magic == 0x20B;
  const uint64_t directories = optional + (image.is64 ? 112 : 96);
  const uint64_t sectionTable = optional + optionalSize;

  std::vector<Section> sections;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const uint64_t s = sectionTable + 40u * i;
    if (!r.Has(s, 40)) break;
    sections.push_back({r.At<uint32_t>(s + 12), r.At<uint32_t>(s + 8), r.At<uint32_t>(s + 20),
                        r.At<uint32_t>(s + 16)});
  }
  const auto fileOffset = [&](uint32_t rva) -> uint64_t {
    for (const Section& s : sections) {
      const uint32_t size = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
      if (rva >= s.virtualAddress && rva < s.virtualAddress + size) {
        return uint64_t{s.rawOffset} + (rva - s.virtualAddress);
      }
    }
    return UINT64_MAX;
  };

  const uint32_t exportRva = r.At<uint32_t>(directories);
  if (exportRva != 0) {
    const uint64_t ed = fileOffset(exportRva);
    if (!r.Has(ed, 40)) {
      error = "export directory outside the file";
      return std::nullopt;
    }
    image.dllName = r.CString(fileOffset(r.At<uint32_t>(ed + 12)));
    const uint32_t base = r.At<uint32_t>(ed + 16);
    const uint32_t functionCount = r.At<uint32_t>(ed + 20);
    const uint32_t nameCount = r.At<uint32_t>(ed + 24);
    const uint64_t functions = fileOffset(r.At<uint32_t>(ed + 28));
    const uint64_t names = fileOffset(r.At<uint32_t>(ed + 32));
    const uint64_t nameOrdinals = fileOffset(r.At<uint32_t>(ed + 36));
    if (!r.Has(functions, 4ull * functionCount) || !r.Has(names, 4ull * nameCount) ||
        !r.Has(nameOrdinals, 2ull * nameCount)) {
      error = "export tables outside the file";
      return std::nullopt;
    }
    for (uint32_t i = 0; i < functionCount; ++i) {
      PeExport e;
      e.ordinal = base + i;
      e.rva = r.At<uint32_t>(functions + 4ull * i);
      bool named = false;
      for (uint32_t n = 0; n < nameCount; ++n) {
        if (r.At<uint16_t>(nameOrdinals + 2ull * n) == i) {
          e.name = r.CString(fileOffset(r.At<uint32_t>(names + 4ull * n)));
          image.exports.push_back(e);
          named = true;
        }
      }
      if (!named && e.rva != 0) image.exports.push_back(e);
    }
  }

  const uint32_t importRva = r.At<uint32_t>(directories + 8);
  if (importRva != 0) {
    for (uint64_t d = fileOffset(importRva); r.Has(d, 20); d += 20) {
      const uint32_t nameRva = r.At<uint32_t>(d + 12);
      if (nameRva == 0) break;
      image.imports.push_back(r.CString(fileOffset(nameRva)));
    }
  }
  return image;
}
