#include "plugin/points_file.h"

#include <cstdio>
#include <string>

#include "platform/message_box.h"

namespace {

// Relative on purpose: like the settings file and err.txt it resolves against the host
// process's current directory, whose Plugins folder holds the plug-in's files.
#ifdef _WIN32
constexpr char kPointsFilePath[] = ".\\Plugins\\Points_ZARL.txt";
#else
constexpr char kPointsFilePath[] = "./Plugins/Points_ZARL.txt";
#endif

// Binary mode: the row parser handles CR LF itself, the same way on every platform.
std::optional<std::string> ReadWholeFile(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return std::nullopt;
  std::string text;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
  // On POSIX a folder of that name opens but does not read; it is as missing as no file.
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

}  // namespace

std::optional<rules::ZonePointsRow> LoadPointsRow(int32_t ownZone) {
  const std::optional<std::string> text = ReadWholeFile(kPointsFilePath);
  if (!text) {
    platform::ShowMessageBox(kPointsFileMissingMessage);
    return std::nullopt;
  }
  return rules::PointsRowForZone(*text, ownZone);
}
