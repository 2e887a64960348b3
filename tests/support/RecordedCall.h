// A recorded native call made by hand, as the recorder would have kept it.
#pragma once

#include "sim/NativeTable.h"
#include "sim/Recorder.h"

#include <cstdint>
#include <utility>
#include <vector>

inline sim::NativeCall RecordedCall(std::uint64_t native, std::vector<std::uint64_t> args = {}) {
    sim::NativeCall call;
    call.hash = native;
    call.info = sim::FindNative(native);
    call.texts.resize(args.size());
    call.args = std::move(args);
    return call;
}
