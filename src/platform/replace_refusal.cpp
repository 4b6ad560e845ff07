#include "platform/replace_refusal.h"

namespace orvane::platform {

FileError replaceRefusal(const ExistingEntry& entry) {
    if (entry.link) {
        return {FileProblem::Link, {}};
    }
    if (!entry.regularFile) {
        return {FileProblem::NotRegularFile, {}};
    }
    if (entry.readOnly) {
        return {FileProblem::ReadOnly, {}};
    }
    return {};
}

}  // namespace orvane::platform
