// Desktop: the windows of the desktop program, their start-up order, wiring and rebuild chain.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "desktop/Choosers.h"
#include "desktop/HelpKey.h"
#include "model/CutReport.h"
#include "model/Model.h"
#include "model/Section.h"
#include "model/SectionPictures.h"
#include "project/CutterLibrary.h"

namespace kerf {

class AboutWindow;
class HelpViewer;
class MainWindow;
class OutlineTracer;
class PhotographAction;
class ExportMeshAction;
class DesktopSettings;
class ProfileWindow;
class ProgressWindow;
class ProjectActions;
class SetupHistory;
class ReportWindow;
class StockSizeDialog;
class TextureWindow;
class FrameLoop;
class TipsDialog;
class ToolsWindow;
class ViewControlsWindow;

// The files around the program.
struct DesktopPaths {
  std::string ToolsDir;
  std::string TexturesDir;
  std::string WorkDir;
  std::string PhotosDir;
  std::string HelpFile;
  std::string UserToolsDir;  // the user's own cutters, loaded after ToolsDir; empty for none

  // The directories beside the running program (or its installed share directory).
  static DesktopPaths BesideProgram();
};

struct DesktopOptions {
  DesktopPaths Paths = DesktopPaths::BesideProgram();
  // OpenGL and GLU were loaded; when not, the view stays empty and GLError says why.
  bool GLLoaded = true;
  std::string GLError;
  // A project named on the command line, opened once start-up is complete.
  std::string ProjectToOpen;
  // Closing the main window ends the application's event loop.
  bool QuitWhenClosed = true;
  // First tip of the Tips dialog; 0 picks one at random.
  int FirstTip = 0;
  // Shows the messages of start-up (no OpenGL, cutter bitmaps skipped); empty: a message box
  // on the main window that does not hold up the program.
  MessageShower StartupMessage;
  // The ini file of what is remembered between runs (window places, unit, view, dialog folders,
  // recent projects); empty remembers nothing.
  std::string SettingsFile;
};

class Desktop : public QObject {
  Q_OBJECT

 public:
  static constexpr int DelayMs = 100;  // the delayed start-up step

  Desktop(Model& model, DesktopOptions options);
  ~Desktop() override;

  // Start-up: the windows in their order (Progress, Profile, View Controls, Texture, Report,
  // main window with the cutter library, Tools, Config with New), the panels docked in the main
  // window, which is shown, About and Tips created. The delayed step follows DelayMs later from the
  // event loop.
  void Start();
  bool DelayedStepDone() const { return delayedStepDone_; }

  // The outline rebuild with the hourglass, the Progress window and Cut disabled meanwhile.
  void PlotOutline();
  // PlotOutline, then the cut grid: after every change of the cut list.
  void RebuildAndRefresh();
  // After Cut: PlotOutline, and the grid gets the new cut's row; the rows above keep theirs,
  // since a cut never changes what the cuts before it did.
  void RebuildAfterCut();
  // The Tools window's cut edit: cut number row becomes cut, then the rebuild.
  void ReplaceCut(int row, const Cut& cut);
  // File > Match a Profile...: the dialog, the search, the plan as the set-up and the report.
  void MatchProfile();
  // Help window on a context number of the help file.
  void ShowHelp(HelpTopic topic);
  // The frame loop stops for good (the main window closes).
  void StopFrames();
  void SuspendFrames();
  void ResumeFrames();
  // The main window has closed: ends the application unless told not to.
  void MainWindowClosed();

  Model& model() { return model_; }
  const SectionPictures& Pictures() const { return pictures_; }
  // The last measuring pass of the model's set-up (PlotOutline), which the windows read.
  const Section& MeasuredSection() const { return section_; }
  const DesktopOptions& Options() const { return options_; }
  // Status text about the cutter library: empty when cutters were loaded.
  const QString& LibraryStatus() const { return libraryStatus_; }

  ProgressWindow* Progress() const { return progress_.get(); }
  ProfileWindow* Profile() const { return profile_.get(); }
  ViewControlsWindow* ViewControls() const { return viewControls_.get(); }
  TextureWindow* Texture() const { return texture_.get(); }
  ReportWindow* Report() const { return report_.get(); }
  MainWindow* Main() const { return main_.get(); }
  ToolsWindow* Tools() const { return tools_.get(); }
  StockSizeDialog* Config() const { return config_.get(); }
  AboutWindow* About() const { return about_.get(); }
  TipsDialog* Tips() const { return tips_.get(); }
  HelpViewer* Help() const { return help_.get(); }
  FrameLoop* Frames() const { return frames_.get(); }
  ProjectActions* Project() const { return project_.get(); }
  PhotographAction* Photograph() const { return photograph_.get(); }
  ExportMeshAction* ExportMesh() const { return exportMesh_.get(); }
  DesktopSettings* Settings() const { return settings_.get(); }
  SetupHistory* History() const { return history_.get(); }

 signals:
  // The delayed start-up step has run: windows shown, frames running, SceneReady set.
  void ready();

 private:
  void LoadCutterLibrary();
  void ConnectMainWindow();
  // File > New...: the Config window, where the stock's size is chosen and New pressed.
  void ShowNewDialog();
  // Opens the cutter designer; a saved cutter is loaded at once and becomes the current one.
  void NewCutter();
  void ConnectTools();
  void ConnectConfig();
  // Undo and redo: the windows record their edits, the Edit menu takes them back, the caption
  // shows unsaved changes, New and closing ask about them.
  void ConnectHistory();
  // After an undo or redo: the rebuild the edit itself had (section, moulding, grid, face label,
  // swatches and texture settings, as far as the step changed them).
  void RebuildAfterStep(SetupChange change);
  void DelayedStartupStep();
  void ShowStartupMessages();
  // File > Cut Report and the Tools window's report button: the Report window shows the report
  // of the cut list (the header alone for a list without cuts).
  void ShowCutReport();
  // The report of the project as it is now, dated now.
  CutReport CurrentReport() const;
  // The captions name the current project (after New, Open, undo and redo), and the report
  // follows it.
  void FollowProject();
  // The Report window follows a change of the cuts' verdicts, the unit or the project's name.
  void ReportFollows();
  // The main window was hidden or minimised: every other window goes with it.
  void HideWithMainWindow();
  void ShowMessage(const QString& text, const QString& details = QString());

  Model& model_;
  DesktopOptions options_;
  CutterLibrary library_;
  QString libraryStatus_;
  QTimer startupTimer_;
  bool delayedStepDone_ = false;
  // Kept from one rebuild to the next, so that its mark grid and walk are not made anew.
  std::unique_ptr<OutlineTracer> tracer_;
  // The last measuring pass of model_ and the outline traced from it, drawn by the 3-D view;
  // rebuilt by PlotOutline. Nothing measured is written into the model.
  Section section_;
  SectionPictures pictures_;

  // Outlives the windows: its steps call into them but are never run after they go.
  std::unique_ptr<SetupHistory> history_;
  // In creation order; destroyed in reverse.
  std::unique_ptr<HelpViewer> help_;
  std::unique_ptr<HelpKeyFilter> helpKeys_;
  std::unique_ptr<ProgressWindow> progress_;
  std::unique_ptr<ProfileWindow> profile_;
  std::unique_ptr<ViewControlsWindow> viewControls_;
  std::unique_ptr<TextureWindow> texture_;
  std::unique_ptr<ReportWindow> report_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<ToolsWindow> tools_;
  std::unique_ptr<StockSizeDialog> config_;
  std::unique_ptr<ProjectActions> project_;
  std::unique_ptr<PhotographAction> photograph_;
  std::unique_ptr<ExportMeshAction> exportMesh_;
  std::unique_ptr<DesktopSettings> settings_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<TipsDialog> tips_;
  std::unique_ptr<FrameLoop> frames_;
};

}  // namespace kerf
