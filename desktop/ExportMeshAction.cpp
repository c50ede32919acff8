// ExportMeshAction: File > Export 3-D..., the worked moulding saved as an STL, 3MF or OBJ file.
#include "desktop/ExportMeshAction.h"

#include <QFileInfo>
#include <QInputDialog>
#include <string>

#include "project/MeshExport.h"

namespace kerf {

namespace {
// Each question is titled after the menu item, and F1 in it opens the page on exports.
void AskAsExport(QInputDialog& dialog, const QString& prompt) {
  dialog.setWindowTitle("Export 3-D");
  dialog.setLabelText(prompt);
  SetHelpTopic(&dialog, HelpTopic::Exports);
}
}  // namespace

ExportMeshAction::ExportMeshAction(QWidget& parent, const Model& model,
                                   const SectionOutline& outline)
    : parent_(parent),
      model_(model),
      outline_(outline),
      chooseFile_(DialogFileChooser(&parent, HelpTopic::Exports)),
      showMessage_(DialogMessageShower(&parent, HelpTopic::Exports)),
      chooseText_(
          [&parent](const QString& prompt, const QString& initial) -> std::optional<QString> {
            QInputDialog dialog(&parent);
            AskAsExport(dialog, prompt);
            dialog.setTextValue(initial);
            if (dialog.exec() != QDialog::Accepted) return std::nullopt;
            return dialog.textValue();
          }),
      chooseItem_([&parent](const QString& prompt, const QStringList& items,
                            int current) -> std::optional<int> {
        QInputDialog dialog(&parent);
        AskAsExport(dialog, prompt);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(false);
        dialog.setTextValue(items.value(current));
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return static_cast<int>(items.indexOf(dialog.textValue()));
      }) {}

bool ExportMeshAction::OnExportMesh() {
  const std::optional<QString> length = chooseText_(
      "Length of the moulding (inches such as 4, 4.5 or 3/4, or millimetres such as 19mm):",
      length_);
  if (!length) return false;
  const Result<double> lengthMm = ParseExportLength(length->toStdString());
  if (!lengthMm) {
    showMessage_(QString::fromStdString(lengthMm.Error()));
    return false;
  }
  length_ = *length;
  const std::optional<int> section = chooseItem_(
      "Section:", {"True size, as the template draws it", "Traced outline (0.56 mm steps)"},
      section_ == MeshSection::Traced ? 1 : 0);
  if (!section) return false;
  section_ = *section == 1 ? MeshSection::Traced : MeshSection::TrueSize;

  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Export 3-D";
  if (fileName_.isEmpty()) {
    const QFileInfo project(QString::fromStdString(model_.ProjectFileName()));
    fileName_ = project.completeBaseName() + ".stl";
  }
  request.proposedName = fileName_;
  request.filter = "STL (*.stl);;3MF (*.3mf);;OBJ (*.obj)";
  request.defaultSuffix = "stl";
  const QString path = chooseFile_(request);
  if (path.isEmpty()) return false;
  fileName_ = path;

  if (const Result<void> exported =
          ExportMoulding(model_, outline_, path.toStdString(), lengthMm.Value(), section_);
      !exported) {
    showMessage_(QString::fromStdString(exported.Error()));
    return false;
  }
  return true;
}

}  // namespace kerf
