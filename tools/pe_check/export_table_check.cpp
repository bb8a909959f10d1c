#include "tools/pe_check/export_table_check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "plugin/stats_api.h"

namespace {

const PeExport* FindByName(const PeImage& image, const std::string& name) {
  for (const PeExport& e : image.exports) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

}  // namespace

std::vector<std::string> CheckStatsExports(const PeImage& image) {
  std::vector<std::string> problems;
  std::set<std::string> expectedNames;
  std::map<std::string, uint32_t> rvaOfPlain;

  for (const StatsExport& pair : kStatsExports) {
    expectedNames.insert(pair.decoratedName);
    expectedNames.insert(pair.plainName);
    const PeExport* decorated = FindByName(image, pair.decoratedName);
    const PeExport* plain = FindByName(image, pair.plainName);
    if (!decorated) problems.push_back(std::string("missing export ") + pair.decoratedName);
    if (!plain) problems.push_back(std::string("missing export ") + pair.plainName);
    if (decorated && decorated->ordinal != static_cast<uint32_t>(pair.decoratedOrdinal)) {
      problems.push_back(std::string(pair.decoratedName) + " has ordinal " +
                         std::to_string(decorated->ordinal) + ", expected " +
                         std::to_string(pair.decoratedOrdinal));
    }
    if (plain && plain->ordinal != static_cast<uint32_t>(pair.plainOrdinal)) {
      problems.push_back(std::string(pair.plainName) + " has ordinal " +
                         std::to_string(plain->ordinal) + ", expected " +
                         std::to_string(pair.plainOrdinal));
    }
    if (decorated && plain && decorated->rva != plain->rva) {
      problems.push_back(std::string(pair.plainName) + " and its decorated name reach different code");
    }
    if (plain) rvaOfPlain[pair.plainName] = plain->rva;
  }

  for (const PeExport& e : image.exports) {
    if (e.name.empty()) {
      problems.push_back("unnamed export at ordinal " + std::to_string(e.ordinal));
    } else if (!expectedNames.count(e.name)) {
      problems.push_back("unexpected export " + e.name);
    }
  }

  // The host counts exchange fields with the same body that counts statistics sets; every
  // other entry point has a body of its own.
  if (rvaOfPlain.count("GetExchgCount0") && rvaOfPlain.count("GetNumberOfSets") &&
      rvaOfPlain["GetExchgCount0"] != rvaOfPlain["GetNumberOfSets"]) {
    problems.push_back("GetExchgCount0 and GetNumberOfSets do not share one body");
  }
  std::set<uint32_t> bodies;
  for (const auto& [name, rva] : rvaOfPlain) bodies.insert(rva);
  if (rvaOfPlain.size() == 10 && bodies.size() != 9) {
    problems.push_back("expected 9 distinct entry-point bodies, found " + std::to_string(bodies.size()));
  }
  return problems;
}

std::vector<std::string> CheckSystemImports(const PeImage& image) {
  static const std::set<std::string> kSystemDlls = {
      "kernel32.dll", "user32.dll",   "gdi32.dll",    "ole32.dll",  "oleaut32.dll",
      "version.dll",  "msvcrt.dll",   "advapi32.dll", "shell32.dll", "comctl32.dll",
      "comdlg32.dll", "uuid.dll",     "ntdll.dll",
  };
  std::vector<std::string> problems;
  for (const std::string& dll : image.imports) {
    const std::string name = Lower(dll);
    if (!kSystemDlls.count(name) && name.rfind("api-ms-win-", 0) != 0) {
      problems.push_back("imports " + dll + ", which is not a Windows system DLL");
    }
  }
  return problems;
}
