#include "ui/dxcc_view.h"

#include <algorithm>

#include "ui/band_of_frequency.h"

namespace ui {
namespace {

constexpr int kTableRows = 7;  // header and six bands
constexpr int kPrefixStartX = 5, kPrefixStartY = 15, kPrefixStepX = 40, kPrefixStepY = 15;

void AddWorkedTable(const DxccPaintInput& in, DxccPaint& paint) {
  paint.background = kWorkedTableColour;
  const int rowHeight = in.height / kTableRows;
  if (in.currentBand >= 0) {
    paint.highlight =
        PixelRect{0, rowHeight * (in.currentBand + 1), in.width, rowHeight * (in.currentBand + 2)};
  }
  paint.transparentText = true;
  paint.createWindow = !in.windowOpen;
  paint.texts.push_back({135, 0, std::string(in.currentCall)});
  paint.texts.push_back({100, 18, "CW"});
  paint.texts.push_back({180, 18, "SSB"});
  for (int band = 0; band < kSnapshotBandCount; ++band) {
    const WorkedTimesRow& row = (*in.workedTimes)[band];
    const int y = rowHeight * (band + 1);
    paint.texts.push_back({20, y, row[0]});
    paint.texts.push_back({100, y, row[1]});
    paint.texts.push_back({180, y, row[2]});
  }
}

void AddPrefixGrid(const DxccPaintInput& in, DxccPaint& paint) {
  paint.closeWindow = in.windowOpen;
  paint.background = kPrefixGridColour;
  if (in.currentBand < 0) return;
  paint.transparentText = true;
  std::vector<std::string> prefixes = in.prefixes;
  std::sort(prefixes.begin(), prefixes.end());  // byte order, as the code page compares
  int x = kPrefixStartX, y = kPrefixStartY;
  for (std::string& prefix : prefixes) {
    paint.texts.push_back({x, y, std::move(prefix)});
    x += kPrefixStepX;
    if (x > in.width - kPrefixStepX) {
      x = kPrefixStartX;
      y += kPrefixStepY;
    }
  }
}

}  // namespace

DxccCaptionView DxccTimerCaption(std::optional<double> hostFrequencyHz,
                                 const ContestSnapshot& contest, std::string_view currentCall) {
  const TunedBand band = hostFrequencyHz ? BandIndexFromFrequency(*hostFrequencyHz) : TunedBand{};
  DxccCaptionView view;
  view.currentBand = band.index;
  view.bandName = std::string(band.name);
  if (currentCall.empty()) {
    const std::size_t worked = band.index >= 0 ? contest.dxccByBand[band.index].size() : 0;
    view.caption = "DXCC worked on " + view.bandName + " " + std::to_string(worked) + " of 338";
  }
  return view;
}

DxccPaint DxccPaintOf(const DxccPaintInput& input) {
  DxccPaint paint;
  if (!input.currentCall.empty()) {
    AddWorkedTable(input, paint);
  } else {
    AddPrefixGrid(input, paint);
  }
  return paint;
}

PixelRect DxccButtonRect(int clientWidth, int clientHeight) {
  constexpr int kInset = 5;
  return {kInset, kInset, kInset + std::max(0, clientWidth - 2 * kInset),
          kInset + std::max(0, clientHeight - 2 * kInset)};
}

}  // namespace ui
