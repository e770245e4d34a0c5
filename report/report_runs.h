#pragma once

#include "core/report_text.h"

class QTextDocument;

namespace zodiac {

// The report box's content as runs again, whatever the user changed in it; each
// paragraph ends in CR LF.
ReportText RunsOf(const QTextDocument& document);

}  // namespace zodiac
