// ReportWindow: showing the coloured report, printing it and saving it as RTF.
#include "ui/ReportWindow.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextEdit>

#include "model/ReportWriters.h"
#include "project/SafeFiles.h"
#include "ui/RasterImage.h"

namespace kerf {

namespace {

FileChooser ReportSaveDialog(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const FileRequest& request) -> QString {
    QFileDialog dialog(owner, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the report replaces the file
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  };
}

MessageShower ErrorBox(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const QString& text) { ShowPlainMessage(owner, QMessageBox::Critical, text); };
}

}  // namespace

ReportWindow::ReportWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form10");
  setWindowTitle("Report");
  resize(363, 233);
  reportText_ = new QTextEdit(this);
  reportText_->setObjectName("memo1");
  reportText_->setReadOnly(true);
  reportText_->setLineWrapMode(QTextEdit::NoWrap);
  reportText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  reportText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(reportText_);

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File1");
  QAction* print = file->addAction("&Print", this, &ReportWindow::OnPrint);
  print->setObjectName("Print1");
  QAction* save = file->addAction("&Save", this, &ReportWindow::OnSave);
  save->setObjectName("Save1");
  QAction* exit = file->addAction("E&xit", this, &ReportWindow::OnExit);
  exit->setObjectName("Exit1");

  chooseFile_ = ReportSaveDialog(this);
  showError_ = ErrorBox(this);
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

Result<void> ReportWindow::SaveReport(const QString& path) const {
  const Result<void> written = ReplaceFile(path.toStdString(), ReportAsRtf(report_));
  if (!written) return Result<void>::Fail(path.toStdString() + ": " + written.Error());
  return {};
}

void ReportWindow::OnPrint() {
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (printerInfo.isNull()) {
    showError_("The report cannot be printed: no printer is set up as the default printer.");
    return;
  }
  QPrinter printer(printerInfo);
  printer.setDocName("Kerfwright");
  if (!printer.isValid()) {
    showError_("The report cannot be printed: the printer \"" + printerInfo.printerName() +
               "\" cannot be used.");
    return;
  }
  reportText_->print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    showError_("The report could not be printed on \"" + printerInfo.printerName() + "\".");
  }
}

void ReportWindow::OnSave() {
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Save Report";
  request.filter = "Text files (*.TXT)";
  request.defaultSuffix = "TXT";
  const QString path = chooseFile_ ? chooseFile_(request) : QString();
  if (path.isEmpty()) return;
  if (const Result<void> saved = SaveReport(path); !saved)
    showError_(QString::fromStdString(saved.Error()));
}

void ReportWindow::OnExit() { hide(); }

}  // namespace kerf
