#include "settings/win32/resource_version.h"

#include <gtest/gtest.h>

namespace pathnab {
namespace {

// This test program carries the same generated resource as the programs.
TEST(ResourceVersion, ReadsTheProgramsOwnResource) {
    const VersionInfo info = MakeResourceVersionSource()->Read();
    EXPECT_EQ(info.CompanyName, PATHNAB_EXPECTED_COMPANY);
    EXPECT_EQ(info.ProductName, PATHNAB_EXPECTED_PRODUCT);
    EXPECT_EQ(std::to_string(info.Major) + "." + std::to_string(info.Minor) + "." + std::to_string(info.Build) +
                  "." + std::to_string(info.Revision),
              PATHNAB_EXPECTED_VERSION);
}

}  // namespace
}  // namespace pathnab
