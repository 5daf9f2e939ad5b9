#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace pathnab {
namespace {

std::string Joined(std::vector<const char*> argv) {
    return ArgumentString(static_cast<int>(argv.size()), argv.data());
}

TEST(ArgumentString, NoArgumentIsEmpty) { EXPECT_EQ(Joined({"pathnab"}), ""); }

TEST(ArgumentString, OneArgumentStaysAsItIs) {
    EXPECT_EQ(Joined({"pathnab", " /tmp/a b.txt "}), " /tmp/a b.txt ");
}

TEST(ArgumentString, ArgumentsAreJoinedBySingleSpaces) {
    EXPECT_EQ(Joined({"pathnab", "/tmp/a", "", "b.txt"}), "/tmp/a  b.txt");
}

TEST(ArgumentString, QuotesAreKept) {
    EXPECT_EQ(Joined({"pathnab", "\"/tmp/a.txt\""}), "\"/tmp/a.txt\"");
}

TEST(ArgumentString, BytesThatAreNotUtf8PassThrough) {
    EXPECT_EQ(Joined({"pathnab", "/tmp/\xff\xfe.txt"}), "/tmp/\xff\xfe.txt");
}

}  // namespace
}  // namespace pathnab
