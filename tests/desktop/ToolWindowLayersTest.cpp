// The tool windows and the dialogs: tooltips on hover in every tool window, dialogs above them.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <memory>

#include "desktop/DialogsOnTop.h"
#include "desktop/ProfileWindow.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "model/Model.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

TEST(ToolWindowLayers, EveryToolWindowShowsTooltipsWithoutBeingActive) {
  Model model;
  const Section section;
  const std::unique_ptr<QWidget> windows[] = {
      std::make_unique<ProfileWindow>(model), std::make_unique<ToolsWindow>(model, section),
      std::make_unique<StockSizeDialog>(model), std::make_unique<ViewControlsWindow>(),
      std::make_unique<TextureWindow>(model)};
  for (const auto& window : windows) {
    EXPECT_EQ(window->windowType(), Qt::Tool) << window->objectName().toStdString();
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_AlwaysShowToolTips))
        << window->objectName().toStdString();
  }
}

// Shows window while the filter is installed and tells whether it went into the top layer.
bool ShownOnTop(QWidget& window) {
  DialogsOnTop filter;
  qApp->installEventFilter(&filter);
  window.show();
  EXPECT_TRUE(testing::WaitUntil(
      [&] { return window.windowHandle() != nullptr && window.windowHandle()->isExposed(); }));
  const bool onTop = window.windowHandle() != nullptr &&
                     window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
  window.hide();
  qApp->removeEventFilter(&filter);
  return onTop;
}

TEST(ToolWindowLayers, DialogsComeAboveTheToolWindowsOtherWindowsDoNot) {
  Model model;
  Section section;                    // no measuring pass yet
  ToolsWindow tools(model, section);  // a parent that is itself on top, as for the colour dialog
  QDialog plain;
  QMessageBox box(QMessageBox::Warning, "Kerfwright", "text", QMessageBox::Ok);
  QFileDialog files(nullptr, "Save Report");
  files.setOption(QFileDialog::DontUseNativeDialog);
  QColorDialog colours(&tools);
  colours.setOption(QColorDialog::DontUseNativeDialog);
  EXPECT_TRUE(ShownOnTop(plain));
  EXPECT_TRUE(ShownOnTop(box));
  EXPECT_TRUE(ShownOnTop(files));
  EXPECT_TRUE(ShownOnTop(colours));

  QWidget window;  // a main window or the report: stays in the normal layer
  EXPECT_FALSE(ShownOnTop(window));
  QWidget child(&plain);  // a control inside a dialog is no window
  plain.show();
  child.show();
  EXPECT_FALSE(child.isWindow());
  plain.hide();
}

}  // namespace
}  // namespace kerf
