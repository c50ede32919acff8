// The pictures on the Tools window's cut-list buttons: move up, move down, delete, report.
#pragma once

#include <QIcon>

namespace kerf {

QIcon MoveCutUpGlyph();
QIcon MoveCutDownGlyph();
QIcon DeleteCutGlyph();
QIcon CutReportGlyph();

}  // namespace kerf
