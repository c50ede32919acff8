// The file and colour choosing steps of the windows, replaceable so that tests need no modal
// dialog.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

#include "desktop/HelpKey.h"

class QFileDialog;
class QWidget;

namespace kerf {

struct FileRequest {
  enum class Mode { Open, Save };
  Mode mode = Mode::Open;
  QString caption;
  QString directory;      // start directory; may not exist
  QString proposedName;   // file name (or full path) offered in the name box
  QString filter;         // Qt filter text: "Router File (*.ROU)", entries joined by ";;"
  QString defaultSuffix;  // appended to a name typed without extension
};

// Returns the chosen path, or an empty string when the user cancelled.
using FileChooser = std::function<QString(const FileRequest&)>;
// Returns the chosen colour, or nothing when the user cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;

// Shows a message to the user (an error or a warning) and returns when it has been read.
using MessageShower = std::function<void(const QString& text)>;

// What the user answered to "Save changes to NAME?".
enum class SaveAnswer { Save, Discard, Cancel };
// Asks the question in text and returns the answer; closing the box without a choice cancels.
using SaveQuestion = std::function<SaveAnswer(const QString& text)>;

// The real dialogs, parented on parent. Qt's own dialogs, never the desktop's, so that F1 in
// them opens help: the page of topic when given, else that of the window they were opened from.
FileChooser DialogFileChooser(QWidget* parent, std::optional<HelpTopic> topic = std::nullopt);
ColourChooser DialogColourChooser(QWidget* parent);
// A warning box titled "Kerfwright".
MessageShower DialogMessageShower(QWidget* parent, std::optional<HelpTopic> topic = std::nullopt);
// A question box titled "Kerfwright" with Save, Discard and Cancel, the text shown as written.
SaveQuestion DialogSaveQuestion(QWidget* parent);

// A message box titled "Kerfwright" whose text is always shown as written: file names, cutter
// names and file contents in it are never read as markup. The caller owns the box.
QMessageBox* PlainMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text);
// The same box shown modally; returns when it has been read.
void ShowPlainMessage(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                      std::optional<HelpTopic> topic = std::nullopt);
// A tool tip that shows text as written, even where it looks like markup.
QString PlainToolTip(const QString& text);

// Opens Qt's file dialog wide enough for its columns (a date whole), within the screen.
void WidenFileDialog(QFileDialog& dialog);

// The extension of a Qt filter's first pattern, without the dot: "png" for "PNG (*.png *.PNG)";
// empty when it has none. Save dialogs give a name typed without extension this one.
QString FilterSuffix(const QString& filter);

// Turns a filter list written as "Description|patterns|Description|patterns", patterns
// separated by ';', into Qt's form "Description (p1 p2);;...". A parenthesised pattern list
// already in a description is replaced by the converted one.
QString QtFileFilter(const QString& pairs);

}  // namespace kerf
