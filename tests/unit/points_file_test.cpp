#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/posix/scripted_seams.h"
#include "plugin/points_file.h"
#include "tests/unit/test_support.h"

namespace {

struct ShownMessage {
  std::string text;
  std::string caption;
};

// Each test runs in a fresh folder whose Plugins subfolder holds (or lacks) the points file,
// with the message box captured instead of printed.
class PointsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string& caption) {
      shown_.push_back({text, caption});
    });
  }
  void TearDown() override { platform::SetMessageBoxHandler({}); }

  void WritePointsFile(const std::string& bytes) {
    testsupport::WriteFileBytes(cwd_.path() / "Plugins" / "Points_ZARL.txt", bytes);
  }

  testsupport::ScopedTempCwd cwd_;
  std::vector<ShownMessage> shown_;
};

TEST_F(PointsFileTest, LoadsTheOwnZonesRow) {
  WritePointsFile(
      "  1  2  3  4  5  6  7\r\n"
      " 11 12 13 14 15 16 17\r\n"
      "21 22 23 24 25 26 27\r\n"
      " 31 32 33 34 35 36 37\r\n");
  EXPECT_EQ(LoadPointsRow(3), (rules::ZonePointsRow{0, 21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(LoadPointsRow(2), (rules::ZonePointsRow{0, 11, 12, 13, 14, 15, 16, 17}));
  // Zone 0 and a file shorter than the zone still count as loaded: all seven slots 0.
  EXPECT_EQ(LoadPointsRow(0), rules::ZonePointsRow{});
  EXPECT_EQ(LoadPointsRow(6), rules::ZonePointsRow{});
  EXPECT_TRUE(shown_.empty());
}

TEST_F(PointsFileTest, EmptyFileLoadsZeros) {
  WritePointsFile("");
  EXPECT_EQ(LoadPointsRow(1), rules::ZonePointsRow{});
  EXPECT_TRUE(shown_.empty());
}

TEST_F(PointsFileTest, MissingFileShowsTheMessageAndLoadsNothing) {
  // A file of that name elsewhere does not count: only Plugins is looked in.
  testsupport::WriteFileBytes(cwd_.path() / "Points_ZARL.txt", "  1  2  3  4  5  6  7\n");

  EXPECT_EQ(LoadPointsRow(1), std::nullopt);

  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text,
            "File Points_ZARL.txt not found. Dll incorrect worked ! Pse download "
            "Points_ZARL.txt copy in qarn\\plugins and restart Qarn !");
  EXPECT_EQ(shown_[0].caption, "");
}

TEST_F(PointsFileTest, UnreadableFileCountsAsMissing) {
  std::filesystem::create_directory(cwd_.path() / "Plugins" / "Points_ZARL.txt");
  EXPECT_EQ(LoadPointsRow(1), std::nullopt);
  EXPECT_EQ(shown_.size(), 1u);
}

}  // namespace
