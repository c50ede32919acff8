// ReportWindow: the "Report" window: the cut report in colour, printed or saved as text.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "desktop/Choosers.h"
#include "desktop/PrintSheetAction.h"
#include "model/CutReport.h"
#include "model/Result.h"

class QTextEdit;

namespace kerf {

enum class ReportFormat { RichText, PlainText };

// What the report's save dialog chose: the file and the format of the filter chosen.
struct ReportFileChoice {
  QString path;
  ReportFormat format = ReportFormat::RichText;
};
// Returns nothing when the user cancelled.
using ReportFileChooser = std::function<std::optional<ReportFileChoice>(const FileRequest&)>;

// The save dialog's filters, rich text first (the one offered).
inline constexpr const char* ReportRichTextFilter = "Rich text (*.rtf)";
inline constexpr const char* ReportPlainTextFilter = "Plain text (*.txt)";

class ReportWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit ReportWindow(QWidget* parent = nullptr);

  // Replaces the report text with the report, each line in its colour.
  void ShowReport(const CutReport& report);
  const CutReport& Report() const { return report_; }

  // The caption names the current project's file ("Report: Untitled").
  void SetProjectName(const QString& projectPath);

  // Where the report comes from: the report of the project as it is now.
  void SetReportSource(std::function<CutReport()> source) { source_ = std::move(source); }
  // The project changed (its cuts, their verdicts, its name or the unit): the caption follows
  // at once, the text once control returns to the event loop, or when the window is next shown,
  // printed or saved. The window never shows one project's verdicts under another's name.
  void ProjectChanged(const QString& projectPath);
  // The text from the source now.
  void Refresh();
  bool Stale() const { return stale_; }

  // Writes the report in the given format, replacing the file; a failure names the file and
  // the reason.
  Result<void> SaveReport(const QString& path, ReportFormat format = ReportFormat::RichText) const;

  // Replace the save dialog and the error box (tests need no modal dialog).
  void SetFileChooser(ReportFileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showError_ = std::move(shower); }
  void SetPrintChooser(PrintChooser chooser) { choosePrinter_ = std::move(chooser); }

  QTextEdit* reportText() const { return reportText_; }

 signals:
  // The report was written to a file (saved, or printed to a PDF or PostScript file) or sent
  // to a printer; the owner confirms it.
  void savedAs(const QString& path);
  void printedTo(const QString& file);
  void sentTo(const QString& printer);

 public slots:
  void OnPrint();
  void OnSave();
  void OnExit();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTextEdit* reportText_;
  CutReport report_;
  std::function<CutReport()> source_;
  QString projectPath_;
  bool stale_ = false;
  QTimer refreshTimer_;
  ReportFileChooser chooseFile_;
  MessageShower showError_;
  PrintChooser choosePrinter_;
};

}  // namespace kerf
