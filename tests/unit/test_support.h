#pragma once
// Helpers shared by the native tests: a private working folder (the plug-in resolves
// "err.txt", "Plugins\\ZARL.ini" and the points file against the current directory) and
// whole-file reads and writes for comparing outputs byte for byte.
#include <filesystem>
#include <string>

namespace testsupport {

// Creates a fresh empty folder with a "Plugins" subfolder, makes it the current directory
// and restores the previous one (removing the folder) when destroyed.
class ScopedTempCwd {
 public:
  ScopedTempCwd();
  ~ScopedTempCwd();
  ScopedTempCwd(const ScopedTempCwd&) = delete;
  ScopedTempCwd& operator=(const ScopedTempCwd&) = delete;
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

// Whole file as bytes; "" when it does not exist.
std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace testsupport
