#pragma once

#include "cli/request.h"

namespace zodiac::cli {

// report: the windows' RTF report of one person, to a file or standard output.
int RunReport(const Request& request, Session& session);

}  // namespace zodiac::cli
