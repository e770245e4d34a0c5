#pragma once

#include <QString>
#include <QStringList>

#include "engine/zodiac_year.h"

namespace zodiac {
struct StandardStreams;
}

namespace zodiac::cli {

class StandardOutput;

// What a command was given, once parsed.
struct Request {
    bool json = false;
    YearStart start = YearStart::Lunar;
    QStringList arguments;  // the dates
    QString name;           // null when --name was not given
    QString output;
    QString zone;  // the birthplace's, null when --zone was not given
};

// Where a command reads and writes.
struct Session {
    const StandardStreams& streams;
    StandardOutput& out;
};

}  // namespace zodiac::cli
