// File > Print Set-up Sheet...: the set-up sheet sent to a printer (or a PDF) through Qt's print
// dialog.
#pragma once

#include <functional>
#include <optional>

#include "desktop/Choosers.h"
#include "model/Model.h"
#include "model/Progress.h"

class QPrinter;
class QWidget;

namespace kerf {

// Lets the user choose the printer, paper and pages; false when the user cancelled.
using PrintChooser = std::function<bool(QPrinter& printer)>;

// Qt's print dialog, parented on parent, with the given caption. Without a printer it offers
// printing to a PDF file. F1 in it opens the page of topic when given, else the parent's.
PrintChooser DialogPrintChooser(QWidget* parent, const QString& caption = "Print Set-up Sheet",
                                std::optional<HelpTopic> topic = std::nullopt);

// Offers the printer set for the locale's paper (A4 or Letter) with the sheet's margins, then
// prints the set-up sheet of model on whatever was chosen. A printer that cannot be used is
// reported in a message. Drawing the sheet is told to progress, when given. Returns whether the
// sheet was printed.
bool OnPrintSetupSheet(const Model& model, const PrintChooser& choosePrinter,
                       const MessageShower& showMessage, ProgressSink* progress = nullptr);

}  // namespace kerf
