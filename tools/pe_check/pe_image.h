#pragma once
// Reads the export and import tables of a PE file (32- or 64-bit), as the Windows loader
// would see them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PeExport {
  uint32_t ordinal = 0;  // biased ordinal, as GetProcAddress by ordinal takes it
  uint32_t rva = 0;      // address of the code
  std::string name;      // empty for an export by ordinal only
};

struct PeImage {
  bool is64 = false;
  std::string dllName;                // name recorded in the export directory
  std::vector<PeExport> exports;      // in ordinal order, named entries once per name
  std::vector<std::string> imports;   // imported DLL names, as written
};

// Parses `bytes`; on a malformed file returns nullopt and sets `error`.
std::optional<PeImage> ParsePeImage(const std::string& bytes, std::string& error);
