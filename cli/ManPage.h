// The manual page's synopsis of the verbs, written from the verb table.
#pragma once

#include <string>

namespace kerf {

// One ".B kerfwright VERB" line per verb with its arguments in groff markup (options bold,
// values italic), each ended by ".br".
std::string ManPageVerbSynopsis();

// The page template with "@KERF_VERB_SYNOPSIS@" replaced by the above and "@PROJECT_VERSION@" by
// version.
std::string FillManPage(std::string page, const std::string& version);

}  // namespace kerf
