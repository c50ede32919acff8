// FormatLength: lengths as a woodworker reads them, whole inches and 64ths or millimetres.
#pragma once

#include <string>

namespace kerf {

enum class LengthUnit { Imperial, Metric };

// x is a length in inches (callers divide hundredths by 100). The unit is the display unit
// chosen at the moment of the call.
std::string FormatLength(float x, LengthUnit unit);

}  // namespace kerf
