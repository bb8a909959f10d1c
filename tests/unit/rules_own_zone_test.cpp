#include <gtest/gtest.h>

#include <string>

#include "rules/own_zone.h"

namespace {

using rules::DecideOwnZone;
using rules::OwnZoneSource;

TEST(DecideOwnZone, ZoneFromTheCallWhenItsOblastHasOne) {
  struct Case {
    const char* ownCall;
    int zone;
  };
  const Case cases[] = {
      {"RA1ANA", 1},  // SP
      {"RA3AAA", 2},  // MA
      {"UA9XAB", 3},  // KO
      {"RA9HA", 4},   // TO
      {"UA0SA", 5},   // IR
      {"RK0FA", 6},   // SL
      {"RA0IA", 7},   // MG
      {"DL1ABC", 1},  // a foreign call with a table pair is taken at its word
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ownCall);
    const rules::OwnZoneDecision got = DecideOwnZone(c.ownCall);
    EXPECT_EQ(got.source, OwnZoneSource::kCallsign);
    EXPECT_EQ(got.zone, c.zone);
  }
}

// A stroke, and equally any call whose oblast gives no zone: left at zone 0, every QSO of
// the contest would score 0, so the operator is asked instead.
TEST(DecideOwnZone, OperatorDecidesWhenTheCallGivesNoZone) {
  const char* const cases[] = {
      "RA3A/P",   // DROB
      "/",        // no stroke after index 0, no pair: STO
      "R35A",     // special-event shape
      "UE1AAA",   // special-event prefix
      "JA1XYZ",   // STO
      "",         // STO
      "ra3aaa",   // STO
      "UA8VAA",   // AB
      "UA0RAA",   // UO
      "RA4NA",    // KI
      "RA0YA",    // TU
  };
  for (const char* ownCall : cases) {
    SCOPED_TRACE(ownCall);
    const rules::OwnZoneDecision got = DecideOwnZone(ownCall);
    EXPECT_EQ(got.source, OwnZoneSource::kOperator);
    EXPECT_EQ(got.zone, 0);
  }
}

}  // namespace
