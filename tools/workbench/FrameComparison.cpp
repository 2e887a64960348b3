#include "tools/workbench/FrameComparison.h"

#include <algorithm>

namespace workbench {

namespace {

bool SameCall(const sim::NativeCall& a, const sim::NativeCall& b) {
    if (a.hash != b.hash || a.texts != b.texts || a.args.size() != b.args.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.args.size(); ++i) {
        const bool text = i < a.texts.size() && !a.texts[i].empty();
        if (!text && a.args[i] != b.args[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool SameDrawing(const sim::Frame& a, const sim::Frame& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameCall);
}

} // namespace workbench
