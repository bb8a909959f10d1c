// The Windows profile-file format and read semantics, for builds without the profile API:
// sections and keys match ignoring ASCII case, names and values are trimmed, one pair of
// surrounding quotes is dropped from a value, the first of duplicate keys wins, and lines
// the plug-in does not understand (comments, blank lines) are kept when the file is rewritten.
#include "platform/settings_store.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace platform {
namespace {

std::string ToPosixPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string Trim(const std::string& s) {
  const auto isBlank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

struct Line {
  std::string raw;                     // the line as read, without its line end
  std::optional<std::string> section;  // set on a "[name]" line
  std::optional<std::string> key;      // set on a "key=value" line
  std::string value;
};

std::vector<Line> Parse(const std::string& text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    Line line;
    line.raw = text.substr(pos, end - pos);
    if (!line.raw.empty() && line.raw.back() == '\r') line.raw.pop_back();
    const std::string t = Trim(line.raw);
    if (!t.empty() && t[0] == '[') {
      const size_t close = t.find(']');
      line.section = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    } else if (!t.empty() && t[0] != ';') {
      const size_t eq = t.find('=');
      line.key = Trim(t.substr(0, eq));
      if (eq != std::string::npos) line.value = Trim(t.substr(eq + 1));
    }
    lines.push_back(std::move(line));
    pos = end + 1;
  }
  return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Index of the first line of `section`'s header, or lines.size().
size_t FindSection(const std::vector<Line>& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].section && SameName(*lines[i].section, section)) return i;
  }
  return lines.size();
}

std::string StripQuotes(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

}  // namespace

std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& file, std::size_t bufferSize,
                             const std::string& fallback) {
  const auto cut = [bufferSize](std::string value) {
    if (bufferSize > 0 && value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
  };
  const std::optional<std::string> text = ReadWholeFile(ToPosixPath(file));
  if (!text) return cut(fallback);
  const std::vector<Line> lines = Parse(*text);
  for (size_t i = FindSection(lines, section) + 1; i < lines.size() && !lines[i].section; ++i) {
    if (lines[i].key && SameName(*lines[i].key, Trim(key))) {
      return cut(StripQuotes(lines[i].value));
    }
  }
  return cut(fallback);
}

bool WriteProfileValue(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file) {
  const std::string path = ToPosixPath(file);
  std::vector<Line> lines = Parse(ReadWholeFile(path).value_or(std::string()));
  const std::string entry = Trim(key) + "=" + value;

  const size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    lines.push_back(Line{"[" + section + "]", section, std::nullopt, {}});
    lines.push_back(Line{entry, std::nullopt, key, value});
  } else {
    size_t lastKey = header;
    bool replaced = false;
    for (size_t i = header + 1; i < lines.size() && !lines[i].section; ++i) {
      if (!lines[i].key) continue;
      if (SameName(*lines[i].key, Trim(key))) {
        lines[i].raw = entry;
        replaced = true;
        break;
      }
      lastKey = i;
    }
    if (!replaced) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastKey) + 1,
                   Line{entry, std::nullopt, key, value});
    }
  }

  std::string out;
  for (const Line& line : lines) out += line.raw + "\r\n";
  std::ofstream os(path, std::ios::binary | std::ios::trunc);
  if (!os) return false;
  os << out;
  os.close();
  return static_cast<bool>(os);
}

}  // namespace platform
