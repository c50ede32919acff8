// Numbers in text with a '.' for a decimal point, whatever the user's language: the one reader and
// writer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kerf {

// The value with `decimals` digits after the point, rounded as "%.*f" rounds in the C locale
// ("1.5000", "-0.250"). The desktop sets the C library's numeric locale from the user's, so
// printf would write "1,5000" there.
std::string FixedText(double value, int decimals);

// A finite decimal number filling the whole text ("1.5", "-2", ".75", "+4", "1e3"); nothing for
// anything else (a comma, spaces, "inf", "nan", a value beyond the range of a double).
std::optional<double> ReadNumber(std::string_view text);

}  // namespace kerf
