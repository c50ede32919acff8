// File > Print Set-up Sheet...: the set-up sheet sent to a printer (or a PDF) through Qt's print
// dialog.
#include "desktop/PrintSheetAction.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "project/SetupSheet.h"
#include "project/SetupSheetPrint.h"

namespace kerf {

namespace {
// Qt's dialog opens at its least width, where the box of the file to print to shows only the
// end of the proposed PDF's path: once shown, the dialog widens (up to the screen) to show all.
void WidenForOutputFile(QPrintDialog& dialog) {
  const auto* box = dialog.findChild<QLineEdit*>("filename");
  if (box == nullptr || !box->isVisible()) return;
  const int missing = box->fontMetrics().horizontalAdvance(box->text() + "    ") - box->width();
  if (missing <= 0) return;
  const QScreen* screen = dialog.screen();
  const int most = screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : 1000;
  dialog.resize(std::max(dialog.width(), std::min(dialog.width() + missing, most)),
                dialog.height());
}
}  // namespace

PrintChooser DialogPrintChooser(QWidget* parent, const QString& caption,
                                std::optional<HelpTopic> topic) {
  QPointer<QWidget> owner(parent);
  return [owner, caption, topic](QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(caption);
    if (topic) SetHelpTopic(&dialog, *topic);
    QTimer::singleShot(0, &dialog, [&dialog] { WidenForOutputFile(dialog); });
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
