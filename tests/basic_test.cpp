#include "play/basic.h"

#include <gtest/gtest.h>

using namespace play;

TEST(Basic, StrPutsASpaceBeforeNonNegativeNumbers) {
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(17), " 17");
  EXPECT_EQ(Str(100), " 100");
  EXPECT_EQ(Str(-3), "-3");
}

TEST(Basic, IntFloorsAndSgnGivesTheSign) {
  EXPECT_EQ(Int(-0.15), -1);
  EXPECT_EQ(Int(2.99), 2);
  EXPECT_EQ(Sgn(-4), -1);
  EXPECT_EQ(Sgn(0), 0);
  EXPECT_EQ(Sgn(9), 1);
}

TEST(Basic, ValMidCutsThreeDigitTexts) {
  EXPECT_EQ(ValMid("066198132255255", 1, 3), 66);
  EXPECT_EQ(ValMid("066198132255255", 4, 3), 198);
  EXPECT_EQ(ValMid("094114094108110", 13, 3), 110);
}

TEST(Basic, RGBAndPixels) {
  EXPECT_EQ(RGB(255, 128, 0), 33023u);
  EXPECT_EQ(RGB(255, 255, 0), 65535u);
  EXPECT_EQ(toPixel(33023), 0xFFFF8000u);
}
