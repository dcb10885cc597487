// The text dialog "Texteigenschaften" and the font-text dialog "Texteingabe".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFocusEvent>

#include "app/font_text_dialog.h"
#include "app/text_dialog.h"
#include "geom/font_text_height.h"

namespace corvane {
namespace {

struct HeightLimitCase {
  int strokeStyle;
  int32_t typed;  // world units
  bool limit;
  int32_t expected;
};

TEST(TextDialog, HeightLimitRaisesThinNormalAndBoldTexts) {
  const HeightLimitCase cases[] = {
      {0, 100, true, 250}, {1, 100, true, 150}, {2, 50, true, 100},
      {2, 200, true, 200}, {0, 300, true, 300}, {0, 100, false, 100},
  };
  for (const HeightLimitCase& c : cases) {
    TextDialog dialog;
    dialog.SetLimitHeight(c.limit);
    TTextParams p;
    p.Mass1 = c.typed;
    p.Mass2 = c.strokeStyle;
    dialog.Load(p);
    // Leaving the height field applies the rule.
    auto* height = dialog.findChild<QDoubleSpinBox*>();
    ASSERT_NE(height, nullptr);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(height, &out);
    EXPECT_EQ(dialog.Store().Mass1, c.expected) << c.strokeStyle << " " << c.typed;
  }
}

TEST(TextDialog, LoadAndStoreKeepEveryValue) {
  TextDialog dialog;
  TTextParams p;
  p.Text = "R\xC4" "5\xB5";  // code page 1252: Ä and µ
  p.Mass1 = 1234;
  p.Mass2 = 2;
  p.Wert1 = 0;
  p.Wert3 = 270;
  p.Schalter1 = true;
  p.AddNumber = true;
  p.StartAt = 7;
  dialog.Load(p);
  TTextParams stored = dialog.Store();
  stored.Mass1 = p.Mass1;  // the field keeps 0.1 mm
  EXPECT_EQ(stored, p);
  EXPECT_EQ(dialog.Store().Mass1, 1230);

  dialog.LoadForEdit(p);
  EXPECT_FALSE(dialog.Store().AddNumber);
}

TEST(TextDialog, OutOfRangeValuesAreLimited) {
  TextDialog dialog;
  TTextParams p;
  p.Text = std::string(80, 'A');
  p.Mass1 = 99999;
  p.Wert3 = -90;
  p.StartAt = 123456;
  dialog.Load(p);
  const TTextParams s = dialog.Store();
  EXPECT_EQ(s.Text.size(), static_cast<std::size_t>(TextDialog::kMaxTextLength));
  EXPECT_EQ(s.Mass1, 5000);
  EXPECT_EQ(s.Wert3, 270);
  EXPECT_EQ(s.StartAt, 9999);
}

TEST(FontTextDialog, HeightTravelsAsWert1AtTheScreenResolution) {
  for (double ppi : {96.0, 120.0}) {
    FontTextDialog dialog(ppi);
    TFontTextParams p{"Hallo", FontTextWert1(5.0, ppi), 180};
    dialog.Load(p);
    EXPECT_NEAR(dialog.HeightMm(), 5.0, 0.05) << ppi;
    EXPECT_EQ(dialog.Store(), p) << ppi;
  }
  FontTextDialog dialog(96.0);
  dialog.Load(TFontTextParams{std::string(30, 'x'), 0, 45});
  EXPECT_EQ(dialog.Store().Text.size(), static_cast<std::size_t>(FontTextDialog::kMaxTextLength));
  EXPECT_EQ(dialog.Store().Wert2, 0);
  EXPECT_DOUBLE_EQ(dialog.HeightMm(), 1.0);
}

}  // namespace
}  // namespace corvane
