// Full-size templates of the worked section, made from the program's model.
#pragma once

#include <string>

#include "model/Model.h"
#include "model/Result.h"
#include "project/TemplateFile.h"

namespace kerf {

// The template of model's current section: the smooth outline fitted to a fine drawing, the
// uncut stock, the project's name and the faces on the table and against the fence. Fails with
// a sentence saying why when the section cannot be outlined.
Result<TemplateDrawing> BuildTemplate(const Model& model);

// Builds the template and writes it to path (.svg, .pdf or .dxf, a PDF on the paper); a failure
// is a sentence.
Result<void> ExportTemplate(const Model& model, const std::string& path, const SheetPaper& paper);
// The same on the paper of the user's locale.
Result<void> ExportTemplate(const Model& model, const std::string& path);

}  // namespace kerf
