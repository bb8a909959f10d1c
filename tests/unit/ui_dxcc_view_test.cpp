// The DXCC window: its timer caption, the worked-with table it paints, the prefix grid of
// the paint that closes it, and the place of its button after a resize.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/dxcc_view.h"

namespace {

using ui::DxccPaint;
using ui::DxccPaintInput;
using ui::PixelRect;
using ui::TextAt;

ui::ContestSnapshot WithPrefixes() {
  ui::ContestSnapshot contest;
  contest.dxccByBand[3] = {"UA", "DL", "OK"};
  contest.dxccByBand[2] = {"UA9"};
  return contest;
}

TEST(DxccWindow, TimerCaptionCountsTheBandsPrefixesOnlyWhileNoCallIsTyped) {
  const ui::ContestSnapshot contest = WithPrefixes();
  const struct {
    std::optional<double> hertz;
    std::string call;
    int band;
    std::optional<std::string> caption;
  } cases[] = {
      {14'025'000, "", 3, "DXCC worked on 20m 3 of 338"},
      {7'001'000, "", 2, "DXCC worked on 40m 1 of 338"},
      {28'500'000, "", 5, "DXCC worked on 10m 0 of 338"},
      {10'120'000, "", -1, "DXCC worked on  0 of 338"},
      {std::nullopt, "", -1, "DXCC worked on  0 of 338"},  // no host link
      {14'025'000, "UA3ABC", 3, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.band);
    const ui::DxccCaptionView view = ui::DxccTimerCaption(c.hertz, contest, c.call);
    EXPECT_EQ(view.currentBand, c.band);
    EXPECT_EQ(view.caption, c.caption);
  }
}

ui::WorkedTimesTable WorkedOn15mSsbOnly() {
  ui::ContestSnapshot contest;
  contest.qsos = {{"UA3ABC", "15m", "SSB", OleDateTime::FromParts(2026, 2, 7, 9, 7, 0)}};
  return ui::WorkedTimesFor(contest, "UA3ABC");
}

TEST(DxccWindow, TableRowsAreASeventhOfTheHeightAndTheTunedBandIsHighlighted) {
  const ui::WorkedTimesTable rows = WorkedOn15mSsbOnly();
  DxccPaintInput in;
  in.width = 237;
  in.height = 215;  // rows 30 pixels apart
  in.currentCall = "UA3ABC";
  in.currentBand = 2;
  in.workedTimes = &rows;
  const DxccPaint paint = ui::DxccPaintOf(in);
  EXPECT_EQ(paint.background, ui::kWorkedTableColour);
  EXPECT_EQ(paint.highlight, (PixelRect{0, 90, 237, 120}));
  EXPECT_TRUE(paint.transparentText);
  EXPECT_FALSE(paint.closeWindow);
  EXPECT_FALSE(paint.createWindow);
  const std::vector<TextAt> expected = {
      {135, 0, "UA3ABC"}, {100, 18, "CW"},     {180, 18, "SSB"},   {20, 30, "160m"},
      {100, 30, "   -"},  {180, 30, "   -"},   {20, 60, "80m"},    {100, 60, "   -"},
      {180, 60, "   -"},  {20, 90, "40m"},     {100, 90, "   -"},  {180, 90, "   -"},
      {20, 120, "20m"},   {100, 120, "   -"},  {180, 120, "   -"}, {20, 150, "15m"},
      {100, 150, "   -"}, {180, 150, "09:07"}, {20, 180, "10m"},   {100, 180, "   -"},
      {180, 180, "   -"},
  };
  EXPECT_EQ(paint.texts, expected);

  // Off the contest bands the table is drawn without a highlight; a smaller button packs
  // the rows closer; a paint of a window the windows no longer hold brings up a new one.
  in.currentBand = -1;
  in.height = 70;
  in.windowOpen = false;
  const DxccPaint offBand = ui::DxccPaintOf(in);
  EXPECT_FALSE(offBand.highlight.has_value());
  EXPECT_EQ(offBand.texts.size(), expected.size());
  EXPECT_EQ(offBand.texts.back(), (TextAt{180, 60, "   -"}));
  EXPECT_TRUE(offBand.createWindow);
  EXPECT_FALSE(offBand.closeWindow);
}

TEST(DxccWindow, EmptyCallClosesTheWindowAndGridsTheSortedPrefixes) {
  const ui::WorkedTimesTable rows = WorkedOn15mSsbOnly();
  DxccPaintInput in;
  in.width = 130;  // x 5, 45, 85, then the line is full (125 > 90)
  in.height = 200;
  in.currentBand = 3;
  in.workedTimes = &rows;
  in.prefixes = {"UA9", "OK", "DL", "UA", "9A", "EA"};
  const DxccPaint paint = ui::DxccPaintOf(in);
  EXPECT_TRUE(paint.closeWindow);
  EXPECT_FALSE(paint.createWindow);
  EXPECT_EQ(paint.background, ui::kPrefixGridColour);
  EXPECT_FALSE(paint.highlight.has_value());
  EXPECT_EQ(paint.texts, (std::vector<TextAt>{{5, 15, "9A"},
                                              {45, 15, "DL"},
                                              {85, 15, "EA"},
                                              {5, 30, "OK"},
                                              {45, 30, "UA"},
                                              {85, 30, "UA9"}}));

  // Off the bands nothing is listed; a window already let go of is not closed twice.
  in.currentBand = -1;
  in.windowOpen = false;
  const DxccPaint none = ui::DxccPaintOf(in);
  EXPECT_TRUE(none.texts.empty());
  EXPECT_FALSE(none.closeWindow);
  EXPECT_EQ(none.background, ui::kPrefixGridColour);
}

TEST(DxccWindow, ButtonStaysFivePixelsInsideTheClientArea) {
  EXPECT_EQ(ui::DxccButtonRect(484, 310), (PixelRect{5, 5, 479, 305}));
  EXPECT_EQ(ui::DxccButtonRect(11, 10), (PixelRect{5, 5, 6, 5}));
  EXPECT_EQ(ui::DxccButtonRect(4, 0), (PixelRect{5, 5, 5, 5}));
}

}  // namespace
