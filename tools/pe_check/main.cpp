// pe_check: verifies a built Stats.dll the way the host will meet it.
//   pe_check <Stats.dll> [--32|--64]
// Prints the export and import tables and every problem found; exits 1 on any problem.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/pe_check/export_table_check.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pe_check <Stats.dll> [--32|--64]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "pe_check: cannot open %s\n", argv[1]);
    return 2;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string error;
  const auto image = ParsePeImage(bytes, error);
  if (!image) {
    std::fprintf(stderr, "pe_check: %s: %s\n", argv[1], error.c_str());
    return 1;
  }

  std::vector<std::string> problems = CheckStatsExports(*image);
  for (std::string& p : CheckSystemImports(*image)) problems.push_back(std::move(p));
  const std::string want = argc > 2 ? argv[2] : "";
  if ((want == "--32" && image->is64) || (want == "--64" && !image->is64)) {
    problems.push_back(std::string("the DLL is ") + (image->is64 ? "64" : "32") + "-bit");
  }

  std::printf("%s (%s-bit, export name %s)\n", argv[1], image->is64 ? "64" : "32",
              image->dllName.c_str());
  std::printf("  ordinal  rva       name\n");
  for (const PeExport& e : image->exports) {
    std::printf("  %7u  %08x  %s\n", e.ordinal, e.rva, e.name.c_str());
  }
  std::printf("  imports:");
  for (const std::string& dll : image->imports) std::printf(" %s", dll.c_str());
  std::printf("\n");
  for (const std::string& p : problems) std::printf("  PROBLEM: %s\n", p.c_str());
  std::printf("%s\n", problems.empty() ? "export table OK" : "export table check FAILED");
  return problems.empty() ? 0 : 1;
}
