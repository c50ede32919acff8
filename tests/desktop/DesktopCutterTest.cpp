// A cutter designed from the Tools window is saved, loaded and mounted at once; cuts keep theirs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "desktop/CutterDesigner.h"
#include "desktop/Desktop.h"
#include "desktop/ToolsWindow.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

TEST(DesktopCutter, ANewCutterIsSelectedAtOnceAndEarlierCutsKeepTheirCutters) {
  QTemporaryDir scratch;
  Model model;
  DesktopOptions options = test::SourceDataDesktopOptions(scratch.path(), 4);
  options.StartupMessage = [](const QString&) {};
  const std::string own = options.Paths.UserToolsDir;
  auto desktop = std::make_unique<Desktop>(model, std::move(options));
  desktop->Start();
  ASSERT_TRUE(testing::WaitUntil([&] { return desktop->DelayedStepDone(); }));

  model.SetCurrentCutter(model.FindCutter("1-4! Cove.bmp"));
  model.AppendCut(20, 30);

  // The designer is modal: it is filled in and saved once it is up.
  bool saved = false;
  QTimer::singleShot(0, [&] {
    auto* designer = qobject_cast<CutterDesigner*>(QApplication::activeModalWidget());
    if (designer == nullptr) return;
    designer->findChild<QLineEdit*>("radiusEdit")->setText("5/16");
    designer->findChild<QPushButton*>("saveButton")->click();
    saved = true;
  });
  desktop->Tools()->findChild<QToolButton*>("newCutterButton")->click();
  ASSERT_TRUE(saved);

  EXPECT_TRUE(std::filesystem::exists(own + "/5-16! Roundover.bmp"));
  const Tool* mounted = model.Cutter(model.CurrentCutter());
  ASSERT_NE(mounted, nullptr);
  EXPECT_EQ(mounted->FileName, "5-16! Roundover.bmp");
  EXPECT_EQ(desktop->Tools()->findChild<QComboBox*>("cutterBox")->currentText(),
            "5/16\" Roundover (own)");
  const Tool* cut = model.Cutter(model.CutAt(1).Cutter);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->FileName, "1-4! Cove.bmp");

  desktop.reset();
  testing::DeleteLeftovers();
}

}  // namespace
}  // namespace kerf
