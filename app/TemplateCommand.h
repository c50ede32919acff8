// Full-size templates of the worked section, made from the program's model.
#pragma once

#include <string>

#include "model/Model.h"
#include "project/TemplateFile.h"

namespace kerf {

// The template of model's current section: the smooth outline fitted to a fine drawing, the
// uncut stock, the project's name and the faces on the table and against the fence. False with
// a sentence saying why when the section cannot be outlined.
bool BuildTemplate(const Model& model, TemplateDrawing& drawing, std::string& error);

// Builds the template and writes it to path (.svg, .pdf or .dxf); false with a sentence on failure.
bool ExportTemplate(const Model& model, const std::string& path, std::string& error);

}  // namespace kerf
