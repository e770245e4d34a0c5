#pragma once

#include <QLockFile>
#include <memory>

namespace zodiac {

// One running copy per user: a lock file in the user's runtime folder, held for the
// whole run. A lock left by a copy that crashed or was killed is taken over; where
// no lock file can be made at all, the copy runs unguarded.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name);
    bool isFirst() const { return first_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};

}  // namespace zodiac
