// The exit statuses of every verb of the command line.
#pragma once

namespace kerf {

inline constexpr int ExitSuccess = 0;    // done; for a verb that judges, the result is good
inline constexpr int ExitJudgedBad = 1;  // done, and the judged result is bad (a Danger cut, a
                                         // match not reached)
inline constexpr int ExitCannotRun = 2;  // the request could not be run (bad arguments, a file
                                         // that cannot be read or written, no OpenGL)

}  // namespace kerf
