// File > Export Template...: the worked section saved as a full-size SVG, PDF or DXF template.
#pragma once

#include "desktop/Choosers.h"
#include "model/Model.h"

namespace kerf {

// Asks for the file (.svg, .pdf or .dxf, offered by the dialog's filter; the project's name
// with .svg at first) and writes the template of model's section. A section that cannot be
// outlined or a file that cannot be written is reported in a message. Returns whether a file
// was written.
bool OnExportTemplate(const Model& model, const FileChooser& chooseFile,
                      const MessageShower& showMessage);

}  // namespace kerf
