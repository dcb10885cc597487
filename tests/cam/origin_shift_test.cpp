#include "cam/origin_shift.h"

#include <gtest/gtest.h>

#include "geom/element_create.h"

namespace corvane {
namespace {

// Coordinates that do not survive x + d - d in float arithmetic exactly.
TPlatine ShiftBoard() {
  TPlatine b;
  b.Kopf.Breite = 10000;
  b.Kopf.Hoehe = 7777;
  b.Kopf.UrsprungX = 1234567;
  b.Kopf.UrsprungY = -3333333;
  b.Elemente.Add(CreatePad({1000.1f, -2000.3f}, 1, psOctagon, 40, 80));
  TObjekt track = CreateTrack(30, 1);
  track.Punkte = {{0.3f, -0.7f}, {1234.567f, -4321.123f}};
  b.Elemente.Add(track);
  b.Elemente.Add(CreateCircle({333.3f, -444.4f}, 100, 80, 2, psCircular));
  b.Elemente.Add(CreateSmdPad({5000.7f, -5000.9f}, 120, 60, 3));
  TObjekt text = CreateText({50.5f, -60.6f}, TTextParams{"A", 200}, 2);
  TObjekt stroke = CreateTrack(10, 2);
  stroke.Punkte = {{50.1f, -60.2f}, {90.3f, -99.9f}};
  text.Striche.push_back(stroke);
  b.Elemente.Add(text);
  TObjekt font;
  font.Typ = otFontText;
  font.X = 7.7f;
  font.Y = -8.8f;
  font.Mass1 = 17.7f;
  font.Mass2 = -18.8f;
  b.Elemente.Add(font);
  return b;
}

void ExpectSameGeometry(const TObjekt& a, const TObjekt& b) {
  EXPECT_EQ(a.X, b.X);
  EXPECT_EQ(a.Y, b.Y);
  EXPECT_EQ(a.Mass1, b.Mass1);
  EXPECT_EQ(a.Mass2, b.Mass2);
  EXPECT_EQ(a.Punkte, b.Punkte);
  ASSERT_EQ(a.Striche.size(), b.Striche.size());
  for (std::size_t i = 0; i < a.Striche.size(); ++i) ExpectSameGeometry(a.Striche[i], b.Striche[i]);
}

TEST(OriginShift, MovesToTheOriginAndRestoresEveryCoordinateExactly) {
  TPlatine board = ShiftBoard();
  TPlatine before = ShiftBoard();
  {
    TOriginShift shift(board, true);
    ASSERT_TRUE(shift.Active());
    EXPECT_DOUBLE_EQ(shift.Dx(), -1234.567);
    EXPECT_DOUBLE_EQ(shift.Dy(), 3333.333 - 7777);
    EXPECT_FLOAT_EQ(board.Elemente[0].X, static_cast<float>(1000.1f - 1234.567));
    EXPECT_FLOAT_EQ(board.Elemente[0].Y, static_cast<float>(-2000.3f + 3333.333 - 7777));
    EXPECT_FLOAT_EQ(board.Elemente[1].Punkte[1].x, static_cast<float>(1234.567f - 1234.567));
    EXPECT_FLOAT_EQ(board.Elemente[4].Striche[0].Punkte[0].y,
                    static_cast<float>(-60.2f + 3333.333 - 7777));
  }
  ASSERT_EQ(board.Elemente.size(), before.Elemente.size());
  for (std::size_t i = 0; i < board.Elemente.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSameGeometry(board.Elemente[i], before.Elemente[i]);
  }
}

TEST(OriginShift, OffLeavesTheBoardAlone) {
  TPlatine board = ShiftBoard();
  TPlatine before = ShiftBoard();
  TOriginShift shift(board, false);
  EXPECT_FALSE(shift.Active());
  for (std::size_t i = 0; i < board.Elemente.size(); ++i)
    ExpectSameGeometry(board.Elemente[i], before.Elemente[i]);
}

}  // namespace
}  // namespace corvane
