#pragma once
// The DXCC window: its caption after it opened, the layout of its owner-drawn table, and the
// rule that it closes itself at the first paint after the callsign field was emptied. The
// Win32 window draws what these return.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/contest_snapshot.h"
#include "ui/oblast_tick_view.h"

namespace ui {

// Colours as Win32 COLORREF values (0x00BBGGRR).
inline constexpr uint32_t kWorkedTableColour = 0x00C6FFFF;  // RGB(255, 255, 198)
inline constexpr uint32_t kCurrentBandColour = 0x00FFFFC6;  // RGB(198, 255, 255)
inline constexpr uint32_t kPrefixGridColour = 0x00C6FAFF;   // RGB(255, 250, 198)

// Pixels; right and bottom exclusive as in a Win32 RECT.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

struct DxccCaptionView {
  int currentBand = -1;
  std::string bandName;
  // Set only while no callsign is typed; with a callsign the caption is the tick's
  // " ZARL worked with ..." and stays.
  std::optional<std::string> caption;
};

// The window's one-shot timer after it opened. `hostFrequencyHz` is empty when the windows
// have no host link, which counts as no band. `currentCall` is the callsign of the last tick.
// The caption counts the band's worked country prefixes: "DXCC worked on 20m 12 of 338".
DxccCaptionView DxccTimerCaption(std::optional<double> hostFrequencyHz,
                                 const ContestSnapshot& contest, std::string_view currentCall);

struct TextAt {
  int x = 0, y = 0;
  std::string text;
  bool operator==(const TextAt&) const = default;
};

struct DxccPaintInput {
  int width = 0, height = 0;                      // the button's item rectangle, from (0, 0)
  std::string_view currentCall;                   // the callsign of the last tick
  int currentBand = -1;                           // band of the last tick or timer, -1 for none
  const WorkedTimesTable* workedTimes = nullptr;  // rows of the last tick; required
  std::vector<std::string> prefixes;              // worked country prefixes of the current band
  bool windowOpen = true;                         // the windows still hold a DXCC window
};

struct DxccPaint {
  uint32_t background = kWorkedTableColour;
  std::optional<PixelRect> highlight;  // the current band's row, in kCurrentBandColour
  bool transparentText = false;
  std::vector<TextAt> texts;  // drawn in this order, black, default font
  // With a callsign and no DXCC window held: open a new one, as the tick would.
  bool createWindow = false;
  // With an empty callsign and a window held: close it and let go of it. The window object
  // must survive until this paint has finished.
  bool closeWindow = false;
};

// With a callsign: the worked-with table, one row of height/7 pixels per band below a header
// row, band label at x 20, CW time at x 100, SSB time at x 180, the current band's row
// highlighted. Without: the band's prefixes in ascending byte order, 40 pixels apart from
// (5, 15), wrapping to a line 15 pixels lower once x passes width - 40.
DxccPaint DxccPaintOf(const DxccPaintInput& input);

// Where the table button goes in a client area of `clientWidth` x `clientHeight`: 5 pixels
// in from every side, never of negative size.
PixelRect DxccButtonRect(int clientWidth, int clientHeight);

}  // namespace ui
