// The project text of the program's start-up set-up, shared by the tests that need a project file.
#pragma once

#include <string>
#include <vector>

namespace kerf::test {

// 200 x 200 hundredths of an inch, the default wood colour, no texture, repeats 2 x 4, no cuts,
// face 3 on the table.
inline constexpr const char* StartupProject = "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n";

// The start-up set-up with cuts: four lines each (fence, height, face, cutter file).
inline std::string StartupProjectWithCuts(const std::vector<std::string>& cutLines) {
  std::string text = "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n" +
                     std::to_string(cutLines.size() / 4) + "\r\n";
  for (const std::string& line : cutLines) text += line + "\r\n";
  return text + "3\r\n";
}

}  // namespace kerf::test
