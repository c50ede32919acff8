// File > Print Set-up Sheet...: the set-up sheet sent to a printer (or a PDF) through Qt's print
// dialog.
#include "desktop/PrintSheetAction.h"

#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "project/SetupSheet.h"
#include "project/SetupSheetPrint.h"

namespace kerf {

PrintChooser DialogPrintChooser(QWidget* parent, const QString& caption) {
  QPointer<QWidget> owner(parent);
  return [owner, caption](QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(caption);
    return dialog.exec() == QDialog::Accepted;
  };
}

bool OnPrintSetupSheet(const Model& model, const PrintChooser& choosePrinter,
                       const MessageShower& showMessage, ProgressSink* progress) {
  QPrinter printer(QPrinter::HighResolution);
  const QFileInfo project(QString::fromStdString(model.ProjectFileName()));
  printer.setDocName(project.completeBaseName() + QStringLiteral(" set-up sheet"));
  printer.setPageLayout(SheetPageLayout(PaperForLocale()));
  if (!choosePrinter(printer)) return false;
  NoProgress quiet;
  const SetupSheet sheet = BuildSetupSheet(model, progress != nullptr ? *progress : quiet);
  const QString where =
      printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  QPainter painter;
  if (!painter.begin(&printer)) {
    showMessage("The set-up sheet cannot be printed: \"" + where + "\" cannot be used.");
    return false;
  }
  const bool painted = PaintSetupSheet(painter, printer, sheet);
  const bool ended = painter.end();
  if (!painted || !ended || printer.printerState() == QPrinter::Error) {
    showMessage("The set-up sheet could not be printed on \"" + where + "\".");
    return false;
  }
  return true;
}

}  // namespace kerf
