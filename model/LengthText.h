// Lengths as a woodworker reads and writes them: whole inches and 64ths, or millimetres.
#pragma once

#include <cstdint>
#include <string>

#include "model/Result.h"

namespace kerf {

enum class LengthUnit { Imperial, Metric };

// x is a length in inches (callers divide hundredths by 100). The unit is the display unit
// chosen at the moment of the call. The cut report's own text: whole inches always written,
// three quarters as "0 6/8"", minus a quarter as "-0 1/4"".
std::string FormatLength(float x, LengthUnit unit);

// A length as a woodworker writes it everywhere but the cut report: the nearest 64th as a
// reduced fraction with no whole inches of 0 ("3/4"", "-1/4"", "1 1/8"", "0""), or whole
// millimetres exactly as FormatLength writes them.
std::string WorkshopLength(double inches, LengthUnit unit);
// The same for a count of hundredths of an inch.
std::string WorkshopHundredths(int32_t hundredths, LengthUnit unit);

// A length as it was typed: the number and the unit it is in.
struct TypedLength {
  double Value = 0;  // signed, in Unit
  LengthUnit Unit = LengthUnit::Imperial;
  bool UnitGiven = false;  // a unit was typed ("mm", "cm", "in" or '"'), not taken as the default
  double Inches() const { return Unit == LengthUnit::Metric ? Value / 25.4 : Value; }
  double Millimetres() const { return Unit == LengthUnit::Metric ? Value : Value * 25.4; }
};

// Reads a length as a woodworker writes it: inches as "3/4", "1 1/8", "1-1/8", "0.75" or ".75",
// optionally followed by '"', "in" or "inch"; millimetres as "19mm" or "19 mm"; centimetres as
// "1.9cm" (held as millimetres). A leading '-' makes it negative. Units are read in either
// case and spaces around the text are ignored. A bare decimal number is in bareUnit; a fraction
// is always inches, and a metric length is written as a decimal. On failure the message names
// what could not be read, as in: cannot read "3//4".
Result<TypedLength> ReadLength(const std::string& text, LengthUnit bareUnit = LengthUnit::Imperial);

// The same, into whole hundredths of an inch rounded half-to-even; also fails for a length
// beyond the range of a 32-bit count of hundredths.
Result<int32_t> ReadHundredths(const std::string& text, LengthUnit bareUnit);

}  // namespace kerf
