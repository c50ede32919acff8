// kerfwright match: the verb's exit status, judged from the match.
#pragma once

#include "model/match/ProfileMatch.h"

namespace kerf {

// 0 when the target is reached and no cut is Danger (a Caution cut is said in the report); 1
// when it is not reached or a Danger cut remains.
int MatchExitStatus(const MatchResult& result);

}  // namespace kerf
