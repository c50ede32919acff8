// File > Export Template...: the worked section saved as a full-size SVG, PDF or DXF template.
#include "app/ExportTemplateAction.h"

#include <QFileInfo>
#include <string>

#include "app/TemplateCommand.h"

namespace kerf {

bool ExportTemplateClick(const Model& model, const FileChooser& chooseFile, const MessageShower& showMessage) {
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Export Template";
  const QFileInfo project(QString::fromStdString(model.ProjectFileName()));
  request.proposedName = project.completeBaseName() + ".svg";
  request.filter = "SVG (*.svg);;PDF (*.pdf);;DXF (*.dxf)";
  request.defaultSuffix = "svg";
  const QString path = chooseFile(request);
  if (path.isEmpty()) return false;
  std::string error;
  if (!ExportTemplate(model, path.toStdString(), error)) {
    showMessage(QString::fromStdString(error));
    return false;
  }
  return true;
}

}  // namespace kerf
