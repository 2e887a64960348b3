// The line `qdt_natives add` appended to a copy of host/NativeList.h, built
// as the plug-in and the stand-in build the list: the constant compiles to the
// hash and the stand-in records the call by the native's public name.
#include "host/NativeInvoker.h"
#include "sim/NativeTable.h"
#include "sim/StandInHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>

namespace added {
// The copy stands first on the include path.
#define QDT_NATIVE(constant, hash, name, arguments, result) inline constexpr std::uint64_t constant = hash;
#include "host/NativeList.h"
#undef QDT_NATIVE

constexpr sim::NativeInfo table[] = {
#define QDT_NATIVE(constant, hash, name, arguments, result) sim::NativeInfo{hash, name, arguments, result},
#include "host/NativeList.h"
#undef QDT_NATIVE
};
} // namespace added

namespace {

TEST(AddedLineTest, CompilesAndRecordsTheNativeByItsPublicName) {
    static_assert(added::SetClockTime == 0x3a52c59ffb2deed8);
    const sim::NativeInfo& last = std::end(added::table)[-1];
    EXPECT_EQ(last.name, "CLOCK::SET_CLOCK_TIME") << "appended after the list's last line";

    sim::StandInHook host;
    sim::AddNative(last);
    NativeInvoker::Invoke(added::SetClockTime, 7, 30, 0);
    EXPECT_EQ(host.recorder.DescribeLast().at(0), "CLOCK::SET_CLOCK_TIME(7, 30, 0)");
}

} // namespace
