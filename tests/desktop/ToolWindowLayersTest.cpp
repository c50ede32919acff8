// The panels: plain widgets, docked by the main window, with tooltips on hover even floating.
#include <gtest/gtest.h>

#include <memory>

#include "desktop/ProfileWindow.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "model/Model.h"

namespace kerf {
namespace {

TEST(ToolWindowLayers, EveryPanelIsAPlainWidgetThatShowsTooltipsWithoutBeingActive) {
  Model model;
  const Section section;
  const std::unique_ptr<QWidget> windows[] = {
      std::make_unique<ProfileWindow>(model), std::make_unique<ToolsWindow>(model, section),
      std::make_unique<StockSizeDialog>(model), std::make_unique<ViewControlsWindow>(),
      std::make_unique<TextureWindow>(model)};
  for (const auto& window : windows) {
    // Nothing stays on top of other programs: a floating dock is the only window they get.
    EXPECT_NE(window->windowType(), Qt::Tool) << window->objectName().toStdString();
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_AlwaysShowToolTips))
        << window->objectName().toStdString();
  }
}

}  // namespace
}  // namespace kerf
