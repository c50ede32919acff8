// ExportMeshAction: File > Export 3-D..., the worked moulding saved as an STL, 3MF or OBJ file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "desktop/Choosers.h"
#include "model/Model.h"
#include "model/SectionPictures.h"
#include "project/MeshExport.h"

class QWidget;

namespace kerf {

// Asks for a text with a prompt, starting from initial; nothing when the user cancelled.
using TextChooser =
    std::function<std::optional<QString>(const QString& prompt, const QString& initial)>;
// Asks for one of items, starting from current; nothing when the user cancelled.
using ItemChooser =
    std::function<std::optional<int>(const QString& prompt, const QStringList& items, int current)>;

class ExportMeshAction {
 public:
  ExportMeshAction(QWidget& parent, const Model& model, const SectionOutline& outline);

  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }
  void SetTextChooser(TextChooser chooser) { chooseText_ = std::move(chooser); }
  void SetItemChooser(ItemChooser chooser) { chooseItem_ = std::move(chooser); }

  // Asks for the length (the last one given, 4 inches at first), the section (the true-size
  // outline the template draws or the traced outline, the last one chosen, true size at first)
  // and the file, whose type (.stl, .3mf, .obj) the dialog's filter offers, then writes the
  // moulding. A length that cannot be read, a section the template refuses and a file that
  // cannot be written are reported in a message, and nothing is written. Returns whether a
  // file was written.
  bool OnExportMesh();

 private:
  QWidget& parent_;
  const Model& model_;
  const SectionOutline& outline_;
  QString length_ = "4";
  QString fileName_;
  FileChooser chooseFile_;
  MessageShower showMessage_;
  TextChooser chooseText_;
  ItemChooser chooseItem_;
  MeshSection section_ = MeshSection::TrueSize;
};

}  // namespace kerf
