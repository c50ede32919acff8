// Small rules about file names that the readers and writers of every format share.
#pragma once

#include <string>
#include <string_view>

namespace kerf {

// The extension of the file name at the end of path, after its last dot, in lower case and
// without the dot: "svg" for "dir/Frame.SVG"; empty when the name has no dot.
std::string LowerExtension(std::string_view path);

}  // namespace kerf
