#include "tools/zarl_score/adif_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "tools/zarl_score/band_map.h"
#include "tools/zarl_score/line_counter.h"
#include "tools/zarl_score/mode_map.h"
#include "tools/zarl_score/qso_fields.h"
#include "tools/zarl_score/text_quote.h"

namespace zarl_score {
namespace {

enum Slot {
  kCall, kQsoDate, kTimeOn, kBand, kFreq, kMode, kRstSent, kRstRcvd, kStx, kStxString,
  kSrx, kSrxString, kDxcc, kStationCallsign, kOperator, kSlotCount
};
constexpr std::array<std::string_view, kSlotCount> kSlotNames = {
    "CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE", "RST_SENT", "RST_RCVD", "STX",
    "STX_STRING", "SRX", "SRX_STRING", "DXCC", "STATION_CALLSIGN", "OPERATOR"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool SameNameIgnoringCase(std::string_view a, std::string_view upper) {
  if (a.size() != upper.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

std::optional<Slot> SlotOf(std::string_view name) {
  // Only names of the same length can match; most fields are one of a few lengths.
  for (int i = 0; i < kSlotCount; ++i) {
    const std::string_view candidate = kSlotNames[static_cast<std::size_t>(i)];
    if (candidate.size() == name.size() && SameNameIgnoringCase(name, candidate)) return static_cast<Slot>(i);
  }
  return std::nullopt;
}

// The fields of the record being read, as views into the file text.
struct PendingRecord {
  std::array<std::optional<std::string_view>, kSlotCount> fields{};
  bool hasFields = false;
  int line = 0;                 // line of its first field
  std::optional<LogProblem> error;  // the first thing found wrong with it
  std::string_view lastName;    // the field read last, for messages about its length
  std::size_t lastLength = 0;
  bool lastDataHasTag = false;

  void Fail(int atLine, std::string message) {
    if (!error) error = LogProblem{atLine, std::move(message)};
  }
};

// True when the text after the '<' at `lt` begins with a field name: letters, digits and
// underscores up to a ':', a '>' or a blank.
bool LooksLikeFieldName(std::string_view text, std::size_t lt) {
  std::size_t p = lt + 1;
  const auto nameChar = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  };
  while (p < text.size() && nameChar(text[p])) ++p;
  return p > lt + 1 && (p == text.size() || text[p] == ':' || text[p] == '>' || IsBlank(text[p]));
}

// What a byte means inside a tag: ':', '>' and '<' end a part of it; blanks and commas
// cannot be in a field name. One look-up per byte keeps the scan short.
enum class CharClass : unsigned char { kOther, kTagEnd, kNotInName };
constexpr std::array<CharClass, 256> kCharClass = [] {
  std::array<CharClass, 256> table{};
  for (unsigned char c : {':', '>', '<'}) table[c] = CharClass::kTagEnd;
  for (unsigned char c : {' ', '\t', '\r', '\n', ','}) table[c] = CharClass::kNotInName;
  return table;
}();

// One tag "<NAME>", "<NAME:LENGTH>" or "<NAME:LENGTH:TYPE>" starting at a '<'.
struct Tag {
  std::string_view name;
  std::optional<std::size_t> length;  // none for <EOH> and <EOR>
  std::size_t end = 0;                // position after the '>'
};

// Reads the tag at `lt` into `tag`; false (with `why`) when the text there is not a tag.
bool ReadTag(std::string_view text, std::size_t lt, Tag& tag, std::string& why) {
  std::size_t p = lt + 1;
  bool nameHasBadChar = false;
  const auto stop = [&](std::size_t from) {
    std::size_t q = from;
    while (q < text.size()) {
      const CharClass k = kCharClass[static_cast<unsigned char>(text[q])];
      if (k == CharClass::kTagEnd) break;
      nameHasBadChar |= k == CharClass::kNotInName;
      ++q;
    }
    return q;
  };
  const std::size_t nameEnd = stop(p);
  tag = Tag();
  tag.name = text.substr(p, nameEnd - p);
  if (nameEnd >= text.size() || text[nameEnd] == '<') {
    why = "tag " + QuoteForMessage(text.substr(lt, nameEnd - lt)) + " has no closing '>'";
    return false;
  }
  if (tag.name.empty() || nameHasBadChar) {
    why = "not a field tag: " + QuoteForMessage(text.substr(lt, nameEnd + 1 - lt));
    return false;
  }
  if (text[nameEnd] == '>') {
    tag.end = nameEnd + 1;
    return true;
  }
  p = nameEnd + 1;
  const std::size_t lengthEnd = stop(p);
  if (lengthEnd >= text.size() || text[lengthEnd] == '<') {
    why = "tag " + QuoteForMessage(text.substr(lt, lengthEnd - lt)) + " has no closing '>'";
    return false;
  }
  // The length is read here digit by digit: it is the one number on every field.
  std::size_t length = 0;
  bool lengthOk = lengthEnd > p && lengthEnd - p <= 9;
  for (std::size_t i = p; lengthOk && i < lengthEnd; ++i) {
    lengthOk = text[i] >= '0' && text[i] <= '9';
    length = length * 10 + static_cast<std::size_t>(text[i] - '0');
  }
  if (!lengthOk) {
    why = "field " + std::string(tag.name) + " has no valid length: " +
          QuoteForMessage(text.substr(lt, lengthEnd + 1 - lt));
    return false;
  }
  tag.length = length;
  std::size_t close = lengthEnd;
  if (text[lengthEnd] == ':') {  // a data type indicator; the reader needs none
    close = stop(lengthEnd + 1);
    if (close >= text.size() || text[close] != '>') {
      why = "tag " + QuoteForMessage(text.substr(lt, close - lt)) + " has no closing '>'";
      return false;
    }
  }
  tag.end = close + 1;
  return true;
}

std::string Missing(const PendingRecord& r) {
  std::string list;
  const auto need = [&](bool present, const char* name) {
    if (present) return;
    if (!list.empty()) list += ", ";
    list += name;
  };
  need(r.fields[kCall].has_value(), "CALL");
  need(r.fields[kQsoDate].has_value(), "QSO_DATE");
  need(r.fields[kTimeOn].has_value(), "TIME_ON");
  need(r.fields[kMode].has_value(), "MODE");
  need(r.fields[kBand] || r.fields[kFreq], "BAND or FREQ");
  return list;
}

std::string FieldValue(const PendingRecord& r, Slot slot) {
  return std::string(TrimBlanks(r.fields[slot].value_or(std::string_view())));
}

std::string ZeroPadded(std::string serial, std::size_t width) {
  if (serial.size() < width) serial.insert(0, width - serial.size(), '0');
  return serial;
}

// Makes the QSO of a complete record, or says why the record cannot be scored.
std::optional<LogQso> BuildQso(const PendingRecord& r, std::string& why,
                               std::vector<LogProblem>& warnings) {
  const std::string missing = Missing(r);
  if (!missing.empty()) {
    why = "no " + missing;
    return std::nullopt;
  }
  LogQso q;
  q.line = r.line;
  q.call = UpperTrimmed(*r.fields[kCall]);
  if (!IsCallsign(q.call)) {
    why = "CALL " + QuoteForMessage(*r.fields[kCall]) + " is not a callsign";
    return std::nullopt;
  }
  const auto date = ParseDate(TrimBlanks(*r.fields[kQsoDate]), '\0');
  if (!date) {
    why = "QSO_DATE " + QuoteForMessage(*r.fields[kQsoDate]) + " is not a date YYYYMMDD";
    return std::nullopt;
  }
  const auto time = ParseTimeOfDay(TrimBlanks(*r.fields[kTimeOn]), true);
  if (!time) {
    why = "TIME_ON " + QuoteForMessage(*r.fields[kTimeOn]) + " is not a time HHMM or HHMMSS";
    return std::nullopt;
  }
  q.year = date->year, q.month = date->month, q.day = date->day;
  q.hour = time->hour, q.minute = time->minute, q.second = time->second;

  q.mode = PluginModeFromAdif(TrimBlanks(*r.fields[kMode]));
  if (q.mode.empty()) {
    why = "MODE is empty";
    return std::nullopt;
  }

  std::optional<uint32_t> freq;
  if (r.fields[kFreq]) {
    freq = ParseFrequencyHz(TrimBlanks(*r.fields[kFreq]), 6);
    if (!freq) {
      why = "FREQ " + QuoteForMessage(*r.fields[kFreq]) + " is not a frequency in MHz";
      return std::nullopt;
    }
  }
  if (r.fields[kBand]) {
    q.band = NormalizeBandName(*r.fields[kBand]);
    if (q.band.empty()) {
      why = "BAND " + QuoteForMessage(*r.fields[kBand]) + " is not an amateur band";
      return std::nullopt;
    }
    q.freqHz = freq ? *freq : static_cast<uint32_t>(BandLowerEdgeHz(q.band));
    if (freq && BandOfFrequency(*freq) != q.band) {
      warnings.push_back({r.line, "FREQ " + FieldValue(r, kFreq) + " MHz is not on BAND " +
                                      q.band + "; the QSO counts on " + q.band});
    }
  } else {
    q.freqHz = *freq;
    q.band = BandOfFrequency(*freq);
    if (q.band.empty()) {
      why = "FREQ " + FieldValue(r, kFreq) + " MHz lies on no amateur band";
      return std::nullopt;
    }
  }

  // Loggers leave out the report when it is the usual one: two digits in phone, else three.
  const bool phone = q.mode == "SSB" || q.mode == "AM" || q.mode == "FM";
  const char* usualReport = phone ? "59" : "599";
  q.rstSent = FieldValue(r, kRstSent);
  q.rstRcvd = FieldValue(r, kRstRcvd);
  if (q.rstSent.empty()) q.rstSent = usualReport;
  if (q.rstRcvd.empty()) q.rstRcvd = usualReport;

  if (r.fields[kStxString]) {
    const std::string sent = FieldValue(r, kStxString);
    q.serialSent = sent.size() > 1 ? sent.substr(1) : std::string();
  } else if (r.fields[kStx]) {
    q.serialSent = ZeroPadded(FieldValue(r, kStx), 3);
  }
  q.exchRcvd = FieldValue(r, r.fields[kSrxString] ? kSrxString : kSrx);

  if (r.fields[kDxcc]) {
    q.dxcc = ParseSmallNumber(TrimBlanks(*r.fields[kDxcc]));
    if (!q.dxcc) {
      warnings.push_back({r.line, "DXCC " + QuoteForMessage(*r.fields[kDxcc]) +
                                      " is not an entity number; it is not used"});
    }
  }
  q.ownCall = UpperTrimmed(r.fields[kStationCallsign] ? *r.fields[kStationCallsign]
                                                      : r.fields[kOperator].value_or(""));
  return q;
}

}  // namespace

LogReadResult ReadAdif(std::string_view text) {
  LogReadResult result;
  LineCounter lines(text);
  std::size_t first = 0;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") first = 3;  // a UTF-8 byte order mark
  while (first < text.size() && IsBlank(text[first])) ++first;
  // A header is any text before the first field that does not start with '<'.
  bool inHeader = first < text.size() && text[first] != '<';
  bool headerText = false;

  // Records are rarely shorter than this; reserving saves moving them while the list grows.
  result.qsos.reserve(text.size() / 160);
  PendingRecord record;
  const auto finishRecord = [&](int line) {
    ++result.recordsRead;
    std::string why;
    if (record.error) {
      result.malformed.push_back(*record.error);
    } else if (auto qso = BuildQso(record, why, result.warnings)) {
      result.qsos.push_back(std::move(*qso));
    } else {
      result.malformed.push_back({record.line != 0 ? record.line : line, why});
    }
    record = PendingRecord();
  };

  std::size_t pos = first;
  while (pos < text.size()) {
    // Between fields there is mostly a blank or a line end: look at those bytes directly
    // and leave the search for the next '<' to memchr only when there is more.
    std::size_t lt = pos;
    while (lt < text.size() && IsBlank(text[lt])) ++lt;
    const std::size_t firstNonBlank = lt;
    if (lt == text.size() || text[lt] != '<') lt = text.find('<', lt);
    const std::string_view gap = text.substr(pos, lt == std::string_view::npos ? std::string_view::npos : lt - pos);
    if (firstNonBlank < text.size() && firstNonBlank != lt) {
      const int line = lines.LineAt(firstNonBlank);
      const std::string_view stray = TrimBlanks(gap);
      if (inHeader) {
        headerText = true;
      } else if (record.hasFields) {
        record.Fail(line, record.lastDataHasTag
                              ? "field " + std::string(record.lastName) + " (length " +
                                    std::to_string(record.lastLength) +
                                    ") runs into the next field: its length is wrong"
                              : "text " + QuoteForMessage(stray) + " after field " +
                                    std::string(record.lastName) + ": its length " +
                                    std::to_string(record.lastLength) + " is wrong");
      } else {
        result.warnings.push_back({line, "text outside a record ignored: " + QuoteForMessage(stray)});
      }
    }
    if (lt == std::string_view::npos) break;

    // Counting lines costs a search per call; only a record's start and a problem need one.
    const auto tagLine = [&] { return lines.LineAt(lt); };
    std::string why;
    Tag read;
    const Tag* tag = ReadTag(text, lt, read, why) ? &read : nullptr;
    if (tag == nullptr) {
      if (inHeader) {
        headerText = true;
      } else if (record.hasFields || LooksLikeFieldName(text, lt)) {
        // A broken tag with a field's name opens or continues a record, which it spoils.
        if (!record.hasFields) record.line = tagLine();
        record.hasFields = true;
        record.Fail(tagLine(), why);
      } else {
        result.warnings.push_back({tagLine(), why + "; ignored"});
      }
      // What follows the broken '<' up to the next one belongs to it and is not reported again.
      pos = std::min(text.find('<', lt + 1), text.size());
      continue;
    }

    if (!tag->length) {
      if (SameNameIgnoringCase(tag->name, "EOR")) {
        if (record.hasFields || record.error) {
          if (inHeader) {
            result.warnings.push_back({1, "the header has no <EOH>; its fields are read as part of the first record"});
            inHeader = false;
          }
          finishRecord(tagLine());
        } else {
          result.warnings.push_back({tagLine(), "<EOR> without any field ignored"});
        }
      } else if (SameNameIgnoringCase(tag->name, "EOH")) {
        if (!inHeader && result.recordsRead > 0) {
          result.warnings.push_back({tagLine(), "<EOH> after the first record ignored"});
        }
        inHeader = false;
        record = PendingRecord();  // header fields (ADIF_VER, PROGRAMID ...) are no QSO's
      } else if (inHeader) {
        headerText = true;
      } else {
        record.hasFields = true;
        if (record.line == 0) record.line = tagLine();
        record.Fail(tagLine(), "field <" + std::string(tag->name) + "> has no length");
      }
      pos = tag->end;
      continue;
    }

    const std::size_t remaining = text.size() - tag->end;
    if (*tag->length > remaining) {
      if (record.line == 0) record.line = tagLine();
      record.hasFields = true;
      record.Fail(tagLine(), "field " + std::string(tag->name) + " is cut off: its length is " +
                               std::to_string(*tag->length) + " but the file ends after " +
                               std::to_string(remaining) + " more characters");
      pos = text.size();
      break;
    }
    const std::string_view data = text.substr(tag->end, *tag->length);
    if (!record.hasFields) record.line = tagLine();
    record.hasFields = true;
    record.lastName = tag->name;
    record.lastLength = *tag->length;
    record.lastDataHasTag = data.find('<') != std::string_view::npos;
    if (const std::optional<Slot> slot = SlotOf(tag->name); slot && !record.fields[*slot]) {
      record.fields[*slot] = data;
    }
    pos = tag->end + *tag->length;
  }

  if (record.hasFields) {
    if (!record.error) {
      record.Fail(record.line, "the file ends inside this record: it has no <EOR>");
    }
    if (!inHeader) finishRecord(record.line);
  }
  if (inHeader && headerText) {
    result.warnings.push_back({1, "no <EOH> ends the header: this does not look like an ADIF file"});
  }
  return result;
}

}  // namespace zarl_score
