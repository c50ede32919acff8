// ReportWindow: the "Report" window: the cut report in colour, printed or saved as rich text.
#pragma once

#include <QMainWindow>
#include <string>

#include "model/CutReport.h"
#include "model/Result.h"
#include "ui/Choosers.h"

class QTextEdit;

namespace kerf {

class ReportWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit ReportWindow(QWidget* parent = nullptr);

  // Replaces the memo's text with the report, each line in its colour.
  void ShowReport(const CutReport& report);
  const CutReport& Report() const { return report_; }

  // Writes the report as RTF, replacing the file; a failure names the file and the reason.
  Result<void> SaveReport(const QString& path) const;

  // Replace the save dialog and the error box (tests need no modal dialog).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showError_ = std::move(shower); }

  QTextEdit* reportText() const { return reportText_; }

 public slots:
  void OnPrint();
  void OnSave();
  void OnExit();

 private:
  QTextEdit* reportText_;
  CutReport report_;
  FileChooser chooseFile_;
  MessageShower showError_;
};

}  // namespace kerf
