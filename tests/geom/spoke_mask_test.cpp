#include "geom/spoke_mask.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SpokeMask, SingleBitsMoveAsSpecified) {
  struct Case {
    int bit;
    int cw, ccw, ew, ns;
  };
  // Bits: 0 N, 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW.
  const Case cases[] = {
      {0, 1, 7, 4, 0}, {1, 2, 0, 3, 7}, {2, 3, 1, 2, 6}, {3, 4, 2, 1, 5},
      {4, 5, 3, 0, 4}, {5, 6, 4, 7, 3}, {6, 7, 5, 6, 2}, {7, 0, 6, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "bit " << c.bit);
    EXPECT_EQ(SpokesTurnCW45(1 << c.bit), 1 << c.cw);
    EXPECT_EQ(SpokesTurnCCW45(1 << c.bit), 1 << c.ccw);
    EXPECT_EQ(SpokesMirrorAcrossEW(1 << c.bit), 1 << c.ew);
    EXPECT_EQ(SpokesMirrorAcrossNS(1 << c.bit), 1 << c.ns);
  }
}

TEST(SpokeMask, InversesAndFullTurns) {
  for (int mask = 0; mask < 256; ++mask) {
    EXPECT_EQ(SpokesTurnCCW45(SpokesTurnCW45(mask)), mask);
    EXPECT_EQ(SpokesMirrorAcrossEW(SpokesMirrorAcrossEW(mask)), mask);
    EXPECT_EQ(SpokesMirrorAcrossNS(SpokesMirrorAcrossNS(mask)), mask);
    int turned = mask;
    for (int i = 0; i < 8; ++i) turned = SpokesTurnCW45(turned);
    EXPECT_EQ(turned, mask);
  }
  EXPECT_EQ(SpokesTurnCW45(0x55), 0xAA);
  EXPECT_EQ(SpokesTurnCW45(0x155), 0xAA);  // bits above 7 carry no meaning
}

}  // namespace
}  // namespace corvane
