// Desktop: start-up order, the delayed start-up step, the wiring of the windows, the rebuild.
#include "desktop/Desktop.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTime>

#include "desktop/AboutWindow.h"
#include "desktop/CutPreviewPanel.h"
#include "desktop/CutterDesigner.h"
#include "desktop/DesktopSettings.h"
#include "desktop/ExportMeshAction.h"
#include "desktop/FrameLoop.h"
#include "desktop/HelpKey.h"
#include "desktop/HelpViewer.h"
#include "desktop/MainWindow.h"
#include "desktop/MatchProfileAction.h"
#include "desktop/PhotographAction.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProgressWindow.h"
#include "desktop/ProjectActions.h"
#include "desktop/RecentProjects.h"
#include "desktop/ReportWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/SkippedCuttersMessage.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/TipsDialog.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "desktop/ViewPanel.h"
#include "model/CutReport.h"
#include "model/OutlineTrace.h"
#include "model/PlotOutline.h"
#include "project/ProgramFiles.h"
#include "project/UserCutters.h"
#include "render/Scene.h"

namespace kerf {

DesktopPaths DesktopPaths::BesideProgram() {
  return {kerf::ToolsDir(),  kerf::TexturesDir(),  kerf::WorkDir(),
          kerf::PhotosDir(), kerf::HelpFilePath(), kerf::UserCutterFolder()};
}

namespace {

// Cut stays disabled and the cursor shows the hourglass while a long piece of work runs,
// however it ends.
class BusyScope {
 public:
  explicit BusyScope(ProfileWindow& profile) : profile_(profile) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    profile_.SetBusy(true);
  }
  ~BusyScope() {
    profile_.SetBusy(false);
    QApplication::restoreOverrideCursor();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ProfileWindow& profile_;
};

}  // namespace

Desktop::Desktop(Model& model, DesktopOptions options)
    : model_(model),
      options_(std::move(options)),
      tracer_(std::make_unique<OutlineTracer>()),
      history_(std::make_unique<SetupHistory>()) {
  startupTimer_.setSingleShot(true);
  startupTimer_.setInterval(DelayMs);
  connect(&startupTimer_, &QTimer::timeout, this, &Desktop::DelayedStartupStep);
}

Desktop::~Desktop() {
  startupTimer_.stop();
  StopFrames();
  frames_.reset();
  tips_.reset();
  about_.reset();
  exportMesh_.reset();
  photograph_.reset();
  project_.reset();
  settings_.reset();
  // The main window hands back the panels in its docks, so it goes before them; its view frees
  // its GL objects with its own context current.
  main_.reset();
}

void Desktop::Start() {
  help_ = std::make_unique<HelpViewer>(options_.Paths.HelpFile);
  helpKeys_ = std::make_unique<HelpKeyFilter>([this](HelpTopic topic) { ShowHelp(topic); });
  qApp->installEventFilter(helpKeys_.get());

  progress_ = std::make_unique<ProgressWindow>();
  profile_ = std::make_unique<ProfileWindow>(model_);
  connect(profile_.get(), &ProfileWindow::cutMade, this, &Desktop::RebuildAfterCut);
  viewControls_ = std::make_unique<ViewControlsWindow>();
  texture_ = std::make_unique<TextureWindow>(model_);
  report_ = std::make_unique<ReportWindow>();
  report_->SetReportSource([this] { return CurrentReport(); });

  // The main window: project name, cutter library, the view and its scene.
  main_ = std::make_unique<MainWindow>(model_, pictures_.Outline, options_.GLLoaded);
  ConnectMainWindow();
  main_->SetSheetProgress(progress_.get());
  connect(profile_.get(), &ProfileWindow::lengthNote, main_.get(), &MainWindow::ShowNote);
  LoadCutterLibrary();
  ViewPanel* view = main_->View();
  view->SetSceneFiller(
      [this](SceneParams& scene) { scene = MakeSceneParams(viewControls_->Positions(), model_); });
  view->SetRotationSliders(viewControls_->RotateXSlider(), viewControls_->RotateYSlider());
  connect(texture_.get(), &TextureWindow::textureChanged, this, [this] {
    SuspendFrames();
    main_->View()->SetTexturePicture(texture_->TexturePicture());
    ResumeFrames();
  });

  tools_ = std::make_unique<ToolsWindow>(model_, section_);
  tools_->SetUserCutters(library_.UserFiles);
  ConnectTools();
  tools_->Populate();

  config_ = std::make_unique<StockSizeDialog>(model_);
  ConnectConfig();
  project_ = std::make_unique<ProjectActions>(
      model_, ProjectWindows{*main_, *tools_, *config_, *texture_,
                             [this] {
                               PlotOutline();
                               tools_->RefreshCutGrid();
                               profile_->UpdateFaceLabel();
                               // A row chosen before means nothing in this project: its
                               // last cut is selected, and the sliders stand at it.
                               if (model_.CutCount() > 0) tools_->SelectCut(model_.CutCount());
                               profile_->SetToCut(tools_->SelectedRow());
                             },
                             [this] { SuspendFrames(); }, [this] { ResumeFrames(); },
                             history_.get(), [this] { ReportFollows(); }});
  photograph_ = std::make_unique<PhotographAction>(PhotographWindows{
      *main_, *main_->View(), *progress_, [this] { SuspendFrames(); }, [this] { ResumeFrames(); },
      [this] { return QString::fromStdString(model_.ProjectTitle()); }});
  exportMesh_ = std::make_unique<ExportMeshAction>(*main_, model_, pictures_.Outline);
  config_->StartWithNewWorkpiece();
  main_->SetToolWindows(
      {profile_.get(), viewControls_.get(), tools_.get(), config_.get(), texture_.get()});
  settings_ = std::make_unique<DesktopSettings>(QString::fromStdString(options_.SettingsFile));
  settings_->Restore(*this);
  ConnectHistory();  // after New at start-up, which is where the history starts

  settings_->ShowMainWindow(*main_);
  about_ = std::make_unique<AboutWindow>();
  tips_ = std::make_unique<TipsDialog>(nullptr, options_.FirstTip);
  tips_->SetShowAtStartup(settings_->ShowTipsAtStartup());
  // The delayed step, once every window exists: a progress window above lets events run, and a
  // timer started earlier could fire into windows not yet made.
  startupTimer_.start();
}

void Desktop::ConnectMainWindow() {
  MainWindow* main = main_.get();
  connect(main, &MainWindow::newRequested, this, &Desktop::ShowNewDialog);
  connect(main, &MainWindow::openRequested, this, [this] {
    if (project_) project_->Open();
  });
  // What was written is named in the status bar for a few seconds.
  const auto saved = [this] {
    main_->ConfirmWritten("Saved", QString::fromStdString(model_.ProjectFileName()));
  };
  connect(main, &MainWindow::saveRequested, this, [this, saved] {
    if (project_ && project_->Save()) saved();
  });
  connect(main, &MainWindow::saveAsRequested, this, [this, saved] {
    if (project_ && project_->SaveAs()) saved();
  });
  connect(main, &MainWindow::photographRequested, this, [this] {
    if (photograph_ && photograph_->OnPhotograph())
      main_->ConfirmWritten("Photograph saved as", settings_->LastChosen("Photograph"));
  });
  connect(main, &MainWindow::exportMeshRequested, this, [this] {
    if (exportMesh_ && exportMesh_->OnExportMesh())
      main_->ConfirmWritten("Exported", settings_->LastChosen("Export3D"));
  });
  connect(main, &MainWindow::cutReportRequested, this, &Desktop::ShowCutReport);
  connect(report_.get(), &ReportWindow::savedAs, main,
          [main](const QString& path) { main->ConfirmWritten("Report saved as", path); });
  connect(report_.get(), &ReportWindow::printedTo, main,
          [main](const QString& file) { main->ConfirmWritten("Report printed to", file); });
  connect(report_.get(), &ReportWindow::sentTo, main,
          [main](const QString& printer) { main->ConfirmSent("Report sent to", printer); });
  connect(main, &MainWindow::matchProfileRequested, this, &Desktop::MatchProfile);
  connect(main, &MainWindow::aboutRequested, this, [this] {
    if (about_) about_->exec();
  });
  connect(main, &MainWindow::helpContentsRequested, this,
          [this] { ShowHelp(HelpTopic::Contents); });
  connect(main->WindowItem("tipOfTheDayAction"), &QAction::triggered, this, [this] {
    if (!tips_) return;
    tips_->OnNextTip();
    tips_->show();
    tips_->raise();
    tips_->activateWindow();
  });
  connect(main, &MainWindow::hiddenWithWindows, this, &Desktop::HideWithMainWindow);
  connect(main, &MainWindow::closing, this, [this] {
    if (settings_) settings_->Save(*this);
    StopFrames();
    MainWindowClosed();
  });
}

void Desktop::ShowNewDialog() {
  main_->ShowPanel(config_.get());
  config_->FocusSize();
}

void Desktop::ConnectTools() {
  connect(tools_.get(), &ToolsWindow::cutListChanged, this, &Desktop::RebuildAndRefresh);
  connect(tools_.get(), &ToolsWindow::cutterChanged, profile_.get(), &ProfileWindow::OnInterlock);
  connect(tools_.get(), &ToolsWindow::reportRequested, this, &Desktop::ShowCutReport);
  connect(tools_.get(), &ToolsWindow::cutEditRequested, this, &Desktop::ReplaceCut);
  connect(tools_.get(), &ToolsWindow::backgroundColourChanged, main_->View(),
          qOverload<>(&QWidget::update));
  connect(tools_.get(), &ToolsWindow::newCutterRequested, this, &Desktop::NewCutter);
}

void Desktop::ConnectConfig() {
  connect(config_.get(), &StockSizeDialog::newWorkpiece, this, [this] {
    PlotOutline();
    tools_->RefreshCutGrid();
    profile_->UpdateFaceLabel();
    FollowProject();
  });
  connect(config_.get(), &StockSizeDialog::unitChanged, tools_.get(), &ToolsWindow::RefreshCutGrid);
  connect(config_.get(), &StockSizeDialog::unitChanged, this, &Desktop::ReportFollows);
  connect(config_.get(), &StockSizeDialog::lengthNote, main_.get(), &MainWindow::ShowNote);
  // Cuts set higher than the bit now reaches become impossible, and back: judged again.
  connect(config_.get(), &StockSizeDialog::reachChanged, this, [this] {
    RebuildAndRefresh();
    profile_->CutPreview()->Schedule();
  });
}

void Desktop::ConnectHistory() {
  history_->SetRebuild([this](SetupChange change) { RebuildAfterStep(change); });
  profile_->SetStepRecorder(history_->Recorder());
  tools_->SetStepRecorder(history_->Recorder());
  config_->SetStepRecorder(history_->Recorder());
  texture_->SetStepRecorder(history_->Recorder());

  QMenu* edit = main_->EditMenu();
  edit->addAction(history_->CreateUndoAction(edit));
  edit->addAction(history_->CreateRedoAction(edit));
  connect(history_.get(), &SetupHistory::modifiedChanged, main_.get(), &QWidget::setWindowModified);

  config_->SetNewGuard([this] { return project_->MayDiscardChanges(); });
  main_->SetCloseQuery([this] { return project_->MayDiscardChanges(); });
}

void Desktop::RebuildAfterStep(SetupChange change) {
  if (change.Section || change.CutList) {
    PlotOutline();
    tools_->RefreshCutGrid();
    profile_->UpdateFaceLabel();
  }
  FollowProject();  // an undone New or Open puts back the project's name
  if (change.Look) {
    tools_->SyncSwatches();
    texture_->SyncFromModel();
  }
}

void Desktop::LoadCutterLibrary() {
  {
    BusyScope busy(*profile_);
    library_ =
        LoadCutterLibraries(options_.Paths.ToolsDir, options_.Paths.UserToolsDir, *progress_);
  }
  model_.SetCutterLibrary(library_.Tools);
  const QString dir = QString::fromStdString(options_.Paths.ToolsDir);
  if (!library_.DirectoryFound) {
    libraryStatus_ = "No cutters were found: there is no tools directory at " + dir;
  } else if (model_.CutterCount() == 0) {
    libraryStatus_ = "No cutters were found in " + dir;
  }
  profile_->SetCuttersAvailable(model_.CutterCount() > 0);
  main_->StatusMessage()->setText(libraryStatus_);
}

void Desktop::NewCutter() {
  CutterDesigner designer(options_.Paths.UserToolsDir, tools_.get());
  designer.SetUnit(model_.Unit());
  designer.SetSuppliedFolder(options_.Paths.ToolsDir);
  std::vector<std::string> recent;
  if (settings_ && settings_->Recent())
    for (const QString& path : settings_->Recent()->List().Paths())
      recent.push_back(path.toStdString());
  designer.SetRecentProjects(std::move(recent));
  if (designer.exec() != QDialog::Accepted) return;
  main_->ShowNote("Saved as " + QString::fromStdString(designer.SavedPath()));
  NoProgress quiet;
  library_ = LoadCutterLibraries(options_.Paths.ToolsDir, options_.Paths.UserToolsDir, quiet);
  model_.ReloadCutterLibrary(library_.Tools);
  if (const int n = model_.FindCutter(designer.SavedFileName()); n > 0) model_.SetCurrentCutter(n);
  profile_->SetCuttersAvailable(model_.CutterCount() > 0);
  tools_->SetUserCutters(library_.UserFiles);
  tools_->Populate();
  tools_->SelectCurrentCutter();
  RebuildAndRefresh();  // a cutter of the user's may have replaced one the cuts use
}

void Desktop::PlotOutline() {
  BusyScope busy(*profile_);
  kerf::PlotOutline(model_, pictures_, section_, *progress_, *tracer_);
  const int pieces = section_.Pieces.Count();
  main_->StatusMessage()->setText(
      pieces > 1 ? QString("The section has fallen into %1 pieces; the moulding shows the largest.")
                       .arg(pieces)
                 : libraryStatus_);
  ReportFollows();  // the verdicts were measured again
}

// An edited cut replaces the one in its row as one undoable step, "Edit Cut #N".
void Desktop::ReplaceCut(int row, const Cut& cut) {
  if (row < 1 || row > model_.CutCount()) return;
  const Cut before = model_.CutAt(row);
  Model& model = model_;
  const SetupChange changed = history_->Do(
      SetupStep{QString("Edit Cut #%1").arg(row),
                [&model, row, cut] { return model.ReplaceCut(row, cut).Changed; },
                [&model, row, before] { return model.ReplaceCut(row, before).Changed; }});
  if (changed) RebuildAndRefresh();
}

// File > Match a Profile...: the plan found is put in as one undoable step.
void Desktop::MatchProfile() {
  MainWindow* main = main_.get();
  OnMatchProfile({model_,
                  *history_,
                  *profile_,
                  *config_,
                  main,
                  [this](SetupChange change) { RebuildAfterStep(change); },
                  [main](const Model&) { main->OnPrintSetupSheet(); },
                  {}});
}

void Desktop::RebuildAndRefresh() {
  PlotOutline();
  if (tools_) tools_->RefreshCutGrid();
}

void Desktop::RebuildAfterCut() {
  PlotOutline();
  if (tools_) tools_->AppendCutRows();
}

void Desktop::DelayedStartupStep() {
  startupTimer_.stop();
  if (delayedStepDone_) return;
  delayedStepDone_ = true;

  // The moulding texture, from the picture the Texture window starts with.
  main_->View()->SetTexturePicture(texture_->TexturePicture());

  main_->ReleaseToolWindows();
  main_->ShowCheckedToolWindows();

  project_->SetStartDirectory(QString::fromStdString(options_.Paths.WorkDir));
  project_->SetSaveDirectory(QString::fromStdString(SaveDirectoryFor(options_.Paths.WorkDir)));
  photograph_->SetStartDirectory(PhotographStartDirectory(options_.Paths.PhotosDir));
  texture_->SetTextureDirectory(QString::fromStdString(options_.Paths.TexturesDir));

  frames_ = std::make_unique<FrameLoop>([this] { main_->FrameTick(); });
  frames_->Start();
  main_->View()->SetSceneReady(true);
  if (tips_->ShowAtStartup()) tips_->show();

  if (!options_.ProjectToOpen.empty()) {
    // What opening it has to say (a missing cutter, a texture) joins the other start-up
    // messages, which do not hold up the program.
    project_->SetMessageShower([this](const QString& text) { ShowMessage(text); });
    project_->OpenProjectAtStart(QString::fromStdString(options_.ProjectToOpen));
    project_->SetMessageShower(DialogMessageShower(main_.get()));
    history_->Clear();  // the opened project is where this run starts
  }
  ShowStartupMessages();
  emit ready();
}

CutReport Desktop::CurrentReport() const {
  const QLocale locale = QLocale::system();
  const QString when = locale.toString(QDate::currentDate(), QLocale::ShortFormat) + " " +
                       locale.toString(QTime::currentTime(), QLocale::LongFormat);
  const CutReport report = BuildCutReport(model_, section_, when.toStdString());
  // Without cuts the window still answers, with the report's header.
  return report.empty() ? CutReportHeader(model_, when.toStdString()) : report;
}

void Desktop::ShowCutReport() {
  ReportFollows();
  report_->Refresh();
  report_->show();
  report_->raise();
}

void Desktop::FollowProject() {
  if (project_) {
    project_->ShowProjectName();  // which tells the report too
  } else {
    ReportFollows();
  }
}

void Desktop::ReportFollows() {
  if (report_) report_->ProjectChanged(QString::fromStdString(model_.ProjectFileName()));
}

void Desktop::HideWithMainWindow() {
  QWidget* windows[] = {progress_.get(), about_.get()};  // the panels go with their docks
  for (QWidget* window : windows)
    if (window != nullptr) window->hide();
}

void Desktop::ShowStartupMessages() {
  if (!options_.GLLoaded) {
    ShowMessage("The 3-D view cannot be shown: " + QString::fromStdString(options_.GLError) +
                ".\nEverything else works; the moulding is not drawn.");
  }
  if (!library_.Skipped.empty()) {
    // However many there are, the box keeps its size: the list scrolls in its details.
    const SkippedCuttersMessage message =
        DescribeSkippedCutters(library_.Skipped, options_.Paths.ToolsDir);
    ShowMessage(QString::fromStdString(message.Summary), QString::fromStdString(message.Details));
  }
}

void Desktop::ShowMessage(const QString& text, const QString& details) {
  if (options_.StartupMessage) {
    options_.StartupMessage(details.isEmpty() ? text : text + "\n\n" + details);
    return;
  }
  auto* box =
      new QMessageBox(QMessageBox::Warning, "Kerfwright", text, QMessageBox::Ok, main_.get());
  box->setObjectName("StartupMessage");
  box->setTextFormat(Qt::PlainText);  // names files and cutters
  if (!details.isEmpty()) box->setDetailedText(details);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

void Desktop::ShowHelp(HelpTopic topic) {
  if (help_) help_->ShowTopic(static_cast<int>(topic));
}

void Desktop::StopFrames() {
  if (frames_) frames_->Stop();
}

void Desktop::SuspendFrames() {
  if (frames_) frames_->Suspend();
}

void Desktop::ResumeFrames() {
  if (frames_) frames_->Resume();
}

void Desktop::MainWindowClosed() {
  if (tips_) tips_->hide();
  if (report_) report_->hide();
  if (help_) help_->hide();
  if (options_.QuitWhenClosed) QCoreApplication::quit();
}

}  // namespace kerf
