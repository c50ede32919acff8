// ReportWindow: showing the coloured report, printing it and saving it as RTF or plain text.
#include "desktop/ReportWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "desktop/HelpKey.h"
#include "desktop/RasterImage.h"
#include "model/ReportWriters.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

ReportFileChooser ReportSaveDialog(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const FileRequest& request) -> std::optional<ReportFileChoice> {
    QFileDialog dialog(owner, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the report replaces the file
    dialog.setOption(QFileDialog::DontUseNativeDialog);   // F1 in it opens the report's help
    WidenFileDialog(dialog);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    // A name typed without extension takes the extension of the format chosen.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const bool plain = dialog.selectedNameFilter() == ReportPlainTextFilter;
    return ReportFileChoice{dialog.selectedFiles().constFirst(),
                            plain ? ReportFormat::PlainText : ReportFormat::RichText};
  };
}

MessageShower ErrorBox(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const QString& text) { ShowPlainMessage(owner, QMessageBox::Critical, text); };
}

}  // namespace

ReportWindow::ReportWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("ReportWindow");
  setWindowTitle("Report");
  SetHelpTopic(this, HelpTopic::Report);
  reportText_ = new QTextEdit(this);
  reportText_->setObjectName("reportText");
  reportText_->setReadOnly(true);
  reportText_->setLineWrapMode(QTextEdit::NoWrap);
  setCentralWidget(reportText_);

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("fileMenu");
  QAction* print = file->addAction("&Print", this, &ReportWindow::OnPrint);
  print->setObjectName("printAction");
  QAction* save = file->addAction("&Save", this, &ReportWindow::OnSave);
  save->setObjectName("saveAction");
  QAction* exit = file->addAction("E&xit", this, &ReportWindow::OnExit);
  exit->setObjectName("exitAction");

  chooseFile_ = ReportSaveDialog(this);
  showError_ = ErrorBox(this);
  choosePrinter_ = DialogPrintChooser(this, "Print Report");
  refreshTimer_.setSingleShot(true);
  refreshTimer_.setInterval(0);  // a burst of changes costs one refresh
  connect(&refreshTimer_, &QTimer::timeout, this, &ReportWindow::Refresh);

  // Large enough for about 80 columns and 30 lines of the report's type, room for scroll bars,
  // frame and menu bar included; the scroll bars show only when the text is larger.
  const QFontMetrics metrics(reportText_->font());
  const int scrollBar = reportText_->verticalScrollBar()->sizeHint().width();
  const int margins =
      2 * (reportText_->frameWidth() + static_cast<int>(reportText_->document()->documentMargin()));
  resize(metrics.horizontalAdvance(QString(80, QChar('0'))) + scrollBar + margins,
         30 * metrics.lineSpacing() + scrollBar + margins + menuBar()->sizeHint().height());
}

void ReportWindow::SetProjectName(const QString& projectPath) {
  projectPath_ = projectPath;
  setWindowTitle("Report: " + QFileInfo(projectPath).fileName());
}

void ReportWindow::ProjectChanged(const QString& projectPath) {
  SetProjectName(projectPath);
  if (!source_) return;
  stale_ = true;
  if (isVisible()) refreshTimer_.start();
}

void ReportWindow::Refresh() {
  refreshTimer_.stop();
  if (source_) ShowReport(source_());
  stale_ = false;
}

void ReportWindow::showEvent(QShowEvent* event) {
  if (stale_) Refresh();
  QMainWindow::showEvent(event);
}

void ReportWindow::ShowReport(const CutReport& report) {
  report_ = report;
  reportText_->clear();
  QTextCursor cursor(reportText_->document());
  bool first = true;
  for (const ReportLine& line : report) {
    QTextCharFormat format;
    format.setForeground(QColorFromColour(line.TextColour));
    if (!first) cursor.insertBlock();
    first = false;
    cursor.insertText(QString::fromStdString(line.Text), format);
  }
  reportText_->moveCursor(QTextCursor::Start);
}

Result<void> ReportWindow::SaveReport(const QString& path, ReportFormat format) const {
  const std::string bytes =
      format == ReportFormat::PlainText ? ReportAsText(report_) : ReportAsRtf(report_);
  const Result<void> written = ReplaceFile(path.toStdString(), bytes);
  if (!written) return Result<void>::Fail(path.toStdString() + ": " + written.Error());
  return {};
}

void ReportWindow::OnPrint() {
  if (stale_) Refresh();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName("Kerfwright");
  // Without a printer the dialog starts on a PDF named after the project.
  if (QPrinterInfo::defaultPrinter().isNull() && !projectPath_.isEmpty()) {
    const QFileInfo project(projectPath_);
    const QDir folder = project.isAbsolute() ? project.dir() : QDir::home();
    printer.setOutputFileName(folder.filePath(project.completeBaseName() + " report.pdf"));
  }
  if (!choosePrinter_ || !choosePrinter_(printer)) return;
  const QString where =
      printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  if (!printer.isValid()) {
    showError_("The report cannot be printed: \"" + where + "\" cannot be used.");
    return;
  }
  reportText_->print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    showError_("The report could not be printed on \"" + where + "\".");
  } else if (printer.outputFileName().isEmpty()) {
    emit sentTo(where);
  } else {
    emit printedTo(where);
  }
}

void ReportWindow::OnSave() {
  if (stale_) Refresh();  // what is saved is what the project is now, and what is shown
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Save Report";
  request.filter = QString(ReportRichTextFilter) + ";;" + ReportPlainTextFilter;
  request.defaultSuffix = "rtf";
  if (!projectPath_.isEmpty())
    request.proposedName = QFileInfo(projectPath_).completeBaseName() + ".rtf";
  const std::optional<ReportFileChoice> chosen = chooseFile_ ? chooseFile_(request) : std::nullopt;
  if (!chosen || chosen->path.isEmpty()) return;
  if (const Result<void> saved = SaveReport(chosen->path, chosen->format); !saved) {
    showError_(QString::fromStdString(saved.Error()));
  } else {
    emit savedAs(chosen->path);
  }
}

void ReportWindow::OnExit() { hide(); }

}  // namespace kerf
