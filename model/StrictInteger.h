// The one strict reading of a whole number from text, for project files and command lines alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace kerf {

// An optional '-' then at least one digit, nothing else, within 32 bits. Leaves value alone and
// returns false otherwise.
bool ParseStrictInteger(std::string_view text, int32_t& value);

}  // namespace kerf
