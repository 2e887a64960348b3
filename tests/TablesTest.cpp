// The native table: each entry once.
#include "sim/NativeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(NativeTableTest, EachNativeHasOneHashOneNameAndKnownKinds) {
    std::set<std::uint64_t> hashes;
    std::set<std::string_view> names;
    for (const sim::NativeInfo& info : sim::Natives()) {
        EXPECT_TRUE(hashes.insert(info.hash).second) << info.label << " shares its hash";
        EXPECT_TRUE(names.insert(info.label).second) << info.label << " is listed twice";
        EXPECT_EQ(info.arguments.find_first_not_of("iuhbftg"), std::string_view::npos) << info.label;
        EXPECT_NE(std::string_view("iuhbfg-").find(info.result), std::string_view::npos) << info.label;
        EXPECT_EQ(sim::FindNative(info.hash), &info);
    }
    EXPECT_EQ(sim::FindNative(0x1234), nullptr);
}

} // namespace
