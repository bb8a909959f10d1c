#include "tests/unit/test_support.h"

#include <fstream>
#include <iterator>
#include <random>

namespace testsupport {

ScopedTempCwd::ScopedTempCwd() : previous_(std::filesystem::current_path()) {
  std::random_device rd;
  dir_ = std::filesystem::temp_directory_path() / ("zarl-test-" + std::to_string(rd()));
  std::filesystem::create_directories(dir_ / "Plugins");
  std::filesystem::current_path(dir_);
}

ScopedTempCwd::~ScopedTempCwd() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(dir_, ec);
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace testsupport
