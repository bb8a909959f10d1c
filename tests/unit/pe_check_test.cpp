// The export-table check must reject every way a build could break the host's view of
// Stats.dll, and accept the table the host expects.
#include <gtest/gtest.h>

#include "plugin/stats_api.h"
#include "tools/pe_check/export_table_check.h"

namespace {

PeImage GoodImage() {
  PeImage image;
  image.imports = {"KERNEL32.dll", "msvcrt.dll", "USER32.dll"};
  uint32_t rva = 0x1000;
  uint32_t sharedRva = 0;
  for (const StatsExport& e : kStatsExports) {
    uint32_t body = rva += 0x10;
    if (std::string(e.plainName) == "GetNumberOfSets") sharedRva = body;
    if (std::string(e.plainName) == "GetExchgCount0") body = sharedRva ? sharedRva : body;
    image.exports.push_back({static_cast<uint32_t>(e.decoratedOrdinal), body, e.decoratedName});
    image.exports.push_back({static_cast<uint32_t>(e.plainOrdinal), body, e.plainName});
  }
  return image;
}

PeExport& Named(PeImage& image, const std::string& name) {
  for (PeExport& e : image.exports) {
    if (e.name == name) return e;
  }
  throw std::logic_error(name);
}

TEST(PeCheck, AcceptsTheTableTheHostExpects) {
  const PeImage image = GoodImage();
  EXPECT_TRUE(CheckStatsExports(image).empty());
  EXPECT_TRUE(CheckSystemImports(image).empty());
}

TEST(PeCheck, RejectsBrokenExportTables) {
  const struct {
    const char* fault;
    void (*breakIt)(PeImage&);
  } cases[] = {
      {"wrong ordinal", [](PeImage& i) { Named(i, "AddData0").ordinal = 1; }},
      {"pair split", [](PeImage& i) { Named(i, "?SetupSet0@@YAXXZ").rva = 0x9999; }},
      {"missing name", [](PeImage& i) { i.exports.pop_back(); }},
      {"extra name", [](PeImage& i) { i.exports.push_back({21, 0x2000, "GetVersion"}); }},
      {"count body not shared", [](PeImage& i) {
         Named(i, "GetExchgCount0").rva = 0x7777;
         Named(i, "?StatsGetExchgCount0@@YAHPBD00@Z").rva = 0x7777;
       }},
      {"two entry points merged", [](PeImage& i) {
         Named(i, "AddData0").rva = Named(i, "RemoveData0").rva;
         Named(i, "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z").rva =
             Named(i, "RemoveData0").rva;
       }},
  };
  for (const auto& c : cases) {
    PeImage image = GoodImage();
    c.breakIt(image);
    EXPECT_FALSE(CheckStatsExports(image).empty()) << c.fault;
  }
}

TEST(PeCheck, RejectsRuntimeDllImports) {
  for (const char* dll : {"libstdc++-6.dll", "libgcc_s_dw2-1.dll", "libwinpthread-1.dll"}) {
    PeImage image = GoodImage();
    image.imports.push_back(dll);
    EXPECT_EQ(CheckSystemImports(image).size(), 1u) << dll;
  }
}

}  // namespace
