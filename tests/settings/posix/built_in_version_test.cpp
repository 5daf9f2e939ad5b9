#include <gtest/gtest.h>

#include "settings/posix/built_in_version.h"

namespace pathnab {
namespace {

TEST(BuiltInVersionTest, GivesTheProjectsDeclaredVersion) {
    VersionInfo info = MakeBuiltInVersionSource()->Read();
    EXPECT_EQ(info.CompanyName, "Tallwick");
    EXPECT_EQ(info.ProductName, "Pathnab");
    EXPECT_EQ(info.Major, 1);
    EXPECT_EQ(info.Minor, 0);
    EXPECT_EQ(info.Build, 0);
    EXPECT_EQ(info.Revision, 1);
}

}  // namespace
}  // namespace pathnab
