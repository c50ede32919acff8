// Lengths as a woodworker reads and writes them: whole inches and 64ths, or millimetres.
#pragma once

#include <cstdint>
#include <string>

namespace kerf {

enum class LengthUnit { Imperial, Metric };

// x is a length in inches (callers divide hundredths by 100). The unit is the display unit
// chosen at the moment of the call.
std::string FormatLength(float x, LengthUnit unit);

// Reads a typed length into inches: inches as "4", "4.5", ".5", "3/4" or "1 1/2", optionally
// followed by '"' or "in"; millimetres as "19mm" or "9.5 mm". Spaces around the text are
// ignored. False for anything else; metric (when given) tells whether millimetres were typed.
bool ParseLength(const std::string& text, double& inches, bool* metric = nullptr);
// The same, with the number as typed and the unit it was typed in (no conversion).
bool ParseLengthAsTyped(const std::string& text, double& value, LengthUnit& unit);
// Reads a length typed into a field that shows lengths in unit, into whole hundredths of an
// inch (rounded half-to-even). A leading '-' is allowed, as lengths are shown with one. A
// number without a unit is in unit, except a fraction, which is always inches. False for text
// that cannot be read or lies outside the range of a 32-bit count of hundredths.
bool ParseHundredths(const std::string& text, LengthUnit unit, int32_t& hundredths);

}  // namespace kerf
