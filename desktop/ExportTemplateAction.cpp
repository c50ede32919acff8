// File > Export Template...: the worked section saved as a full-size SVG, PDF or DXF template.
#include "desktop/ExportTemplateAction.h"

#include <QFileInfo>
#include <string>

#include "project/TemplateExport.h"

namespace kerf {

bool OnExportTemplate(const Model& model, const FileChooser& chooseFile,
                      const MessageShower& showMessage) {
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Export Template";
  const QFileInfo project(QString::fromStdString(model.ProjectFileName()));
  request.proposedName = project.completeBaseName() + ".svg";
  request.filter = "SVG (*.svg);;PDF (*.pdf);;DXF (*.dxf)";
  request.defaultSuffix = "svg";
  const QString path = chooseFile(request);
  if (path.isEmpty()) return false;
  if (const Result<void> exported = ExportTemplate(model, path.toStdString()); !exported) {
    showMessage(QString::fromStdString(exported.Error()));
    return false;
  }
  return true;
}

}  // namespace kerf
