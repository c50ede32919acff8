// libFuzzer target: help files from arbitrary bytes through the topic reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/HelpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kerf::HelpFile file =
      kerf::ParseHelpText(std::string(reinterpret_cast<const char*>(data), size));
  // Every topic is kept under its own context number.
  for (const auto& [context, topic] : file.Topics)
    if (topic.Context != context) std::abort();
  return 0;
}
