// Typing lengths beside the sliders of the Profile and Config windows: Enter, Escape, clamping.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include "desktop/LengthBox.h"
#include "desktop/ProfileWindow.h"
#include "desktop/StockSizeDialog.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::Find;

struct TypingCase {
  const char* window;  // "Profile" or "Config"
  const char* box;
  const char* slider;
  LengthUnit unit;
  const char* typed;
  int key;            // Qt::Key_Return, Qt::Key_Escape, or 0 to leave the box by Tab
  int value;          // the slider afterwards
  const char* shown;  // the box afterwards
  const char* note;   // "" for none
};

constexpr LengthUnit Inch = LengthUnit::Imperial;
constexpr LengthUnit Mm = LengthUnit::Metric;

// Every slider starts at 100 (1"), the stock sliders' range is 50..1000, the fence's -200..1000
// the height's -500..500 and the bit reach's 0..500.
const TypingCase TypingCases[] = {
    {"Profile", "fenceBox", "fenceSlider", Inch, "3/8", Qt::Key_Return, 38, "3/8\"", ""},
    {"Profile", "fenceBox", "fenceSlider", Inch, "-1/8\"", Qt::Key_Enter, -12, "-1/8\"", ""},
    {"Profile", "heightBox", "heightSlider", Inch, "3/4", Qt::Key_Return, 75, "3/4\"", ""},
    {"Profile", "heightBox", "heightSlider", Mm, "19", Qt::Key_Return, 75, "19mm", ""},
    {"Profile", "heightBox", "heightSlider", Inch, "19mm", 0, 75, "3/4\"", ""},
    {"Profile", "fenceBox", "fenceSlider", Inch, "3/8", Qt::Key_Escape, 100, "1\"", ""},
    {"Profile", "fenceBox", "fenceSlider", Inch, "12", Qt::Key_Return, 1000, "10\"",
     "Fence clamped to 10\""},
    {"Profile", "heightBox", "heightSlider", Mm, "-200", Qt::Key_Return, -500, "-127mm",
     "Height clamped to -127mm"},
    {"Profile", "fenceBox", "fenceSlider", Inch, "3//8", Qt::Key_Return, 100, "3//8",
     "Fence: cannot read \"3//8\""},
    {"Profile", "fenceBox", "fenceSlider", Inch, "3//8", 0, 100, "1\"",
     "Fence: cannot read \"3//8\""},
    {"Config", "stockWidthBox", "stockWidthSlider", Inch, "3/4", Qt::Key_Return, 75, "3/4\"", ""},
    {"Config", "stockHeightBox", "stockHeightSlider", Inch, "3/8", Qt::Key_Return, 50, "1/2\"",
     "Height clamped to 1/2\""},
    {"Config", "stockHeightBox", "stockHeightSlider", Mm, "1.9cm", Qt::Key_Return, 75, "19mm", ""},
    {"Config", "stockWidthBox", "stockWidthSlider", Mm, "300", Qt::Key_Return, 1000, "254mm",
     "Width clamped to 254mm"},
    {"Config", "stockWidthBox", "stockWidthSlider", Inch, "1 1/2", Qt::Key_Escape, 100, "1\"", ""},
    {"Config", "reachBox", "reachSlider", Inch, "6", Qt::Key_Return, 500, "5\"",
     "Bit reach clamped to 5\""},
};

class TypedLengthBoxes : public ::testing::TestWithParam<TypingCase> {
 protected:
  TypedLengthBoxes() {
    model.SetCutterLibrary(testing::SmallCutterLibrary(1));
    model.NewWorkpiece(200, 200);
    config.StartWithNewWorkpiece();
  }
  QWidget& Window(const TypingCase& c) {
    return std::string(c.window) == "Profile" ? static_cast<QWidget&>(profile) : config;
  }

  Model model;
  ProfileWindow profile{model};
  StockSizeDialog config{model};
};

TEST_P(TypedLengthBoxes, MoveTheSliderOrSayWhy) {
  const TypingCase& c = GetParam();
  QWidget& window = Window(c);
  config.SetUnit(c.unit);
  QSlider* slider = Find<QSlider>(window, c.slider);
  slider->setValue(100);
  auto* box = Find<LengthBox>(window, c.box);
  QStringList said;
  QObject::connect(box, &LengthBox::note, [&said](const QString& text) { said << text; });

  box->selectAll();
  QTest::keyClicks(box, c.typed);
  if (c.key != 0) {
    QTest::keyClick(box, static_cast<Qt::Key>(c.key));
  } else {
    QFocusEvent leave(QEvent::FocusOut, Qt::MouseFocusReason);  // as a click on Cut or New
    QApplication::sendEvent(box, &leave);
  }
  EXPECT_EQ(slider->value(), c.value) << c.typed;
  EXPECT_EQ(box->text(), c.shown) << c.typed;
  EXPECT_EQ(said.join("|"), c.note) << c.typed;
  EXPECT_EQ(model.CutCount(), 0) << "Enter in a box must not press Cut";
}

INSTANTIATE_TEST_SUITE_P(Table, TypedLengthBoxes, ::testing::ValuesIn(TypingCases));

TEST(LengthBoxes, FollowTheSliderButNotTheFrameWhileTyping) {
  Model model;
  ProfileWindow window{model};
  window.FenceSlider()->setValue(50);
  EXPECT_EQ(window.FenceBox()->text(), "1/2\"");
  QTest::keyClicks(window.FenceBox(), "7");
  window.WriteLengthLabels();  // a frame leaves what is being typed alone
  EXPECT_EQ(window.FenceBox()->text(), "1/2\"7");
  window.FenceSlider()->setValue(25);  // the slider moving wins
  EXPECT_EQ(window.FenceBox()->text(), "1/4\"");
}

TEST(LengthBoxes, ConfigLabelsFitInBothUnitsAndTooltipsNameTheirControl) {
  Model model;
  StockSizeDialog config{model};
  config.StartWithNewWorkpiece();
  for (const LengthUnit unit : {Inch, Mm}) {
    config.SetUnit(unit);
    for (const char* name : {"stockWidthLabel", "stockHeightLabel"}) {
      const QLabel* label = Find<QLabel>(config, name);
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
      // The box beside it starts after it.
      const QWidget* box = Find<QWidget>(
          config, name == std::string("stockWidthLabel") ? "stockWidthBox" : "stockHeightBox");
      EXPECT_GE(box->x(), label->geometry().right()) << name;
    }
  }
  // The top row is labelled Width (it is what lies across the table after New), the other
  // Height; each slider's and box's tooltip says the same word.
  for (const auto& [control, word] :
       {std::pair{"stockWidthSlider", "width"}, std::pair{"stockWidthBox", "width"},
        std::pair{"stockHeightSlider", "height"}, std::pair{"stockHeightBox", "height"}}) {
    const QString tip = Find<QWidget>(config, control)->toolTip();
    EXPECT_TRUE(tip.contains(word)) << control << ": " << tip.toStdString();
    EXPECT_FALSE(tip.contains(word == std::string("width") ? "height" : "width"))
        << control << ": " << tip.toStdString();
  }
}

}  // namespace
}  // namespace kerf
