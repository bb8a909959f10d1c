#include "plugin/error_log.h"

#include <cstdio>

#include "rules/text_format.h"

namespace {

constexpr char kErrorLogPath[] = "err.txt";
constexpr char kTitleLine[] = "ZARL UBN file \r\n";

// Binary mode with explicit CR LF: the same bytes on every platform.
void WriteFile(const char* mode, const std::string& bytes) {
  std::FILE* file = std::fopen(kErrorLogPath, mode);
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void AppendField(std::string& line, std::string_view field) {
  line.append("  ").append(field);
}

}  // namespace

void StartErrorLog() { WriteFile("wb", kTitleLine); }

std::string ErrorLogLine(const QsoInput& qso, std::string_view message) {
  std::string line = "QSO:  ";
  rules::AppendFormat(line, "%u", static_cast<unsigned>(qso.freqHz / 1000));
  AppendField(line, qso.mode);
  AppendField(line, qso.time.Format("%Y-%m-%d %H%M"));
  AppendField(line, qso.ownCall);
  AppendField(line, qso.rstSent);
  AppendField(line, qso.serialSent);
  AppendField(line, qso.call);
  AppendField(line, qso.rstRcvd);
  AppendField(line, qso.exchRcvd);
  line.append(message).append("\r\n");
  return line;
}

void AppendToErrorLog(const std::string& lines) {
  if (!lines.empty()) WriteFile("ab", lines);
}
