#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "settings/app_settings.h"
#include "settings/fakes/fake_registry.h"

namespace pathnab {
namespace {

constexpr const char* kKey = "Software\\Tallwick\\Pathnab";

class AppSettingsTest : public ::testing::Test {
protected:
    RegValue Height() {
        return GetAppSetting(registry, "Tallwick", "Pathnab", "Height", std::int16_t{2535});
    }
    FakeRegistry registry;
};

TEST_F(AppSettingsTest, NothingStoredGivesTheDefault) {
    EXPECT_EQ(Height(), RegValue(std::int16_t{2535}));
    EXPECT_FALSE(registry.HasKey(regroot::kCurrentUser, "Software")) << "reading creates nothing";
}

TEST_F(AppSettingsTest, StoredTextAndDwordAreReturnedAsStored) {
    registry.PutText(regroot::kCurrentUser, kKey, "Height", "3000");
    EXPECT_EQ(Height(), RegValue("3000"));
    EXPECT_EQ(SafeLongNumber(Height()), 3000);
    registry.Put(regroot::kCurrentUser, kKey, "Height", regtype::kDword, {0xB8, 0x0B, 0, 0});
    EXPECT_EQ(Height(), RegValue(std::int32_t{3000}));
}

TEST_F(AppSettingsTest, UnsupportedTypeGivesTheDefault) {
    registry.Put(regroot::kCurrentUser, kKey, "Height", regtype::kExpandSz, {'3', 0});
    EXPECT_EQ(Height(), RegValue(std::int16_t{2535}));
}

TEST_F(AppSettingsTest, LettersOrEmptyTextAreNotTheDefault) {
    registry.PutText(regroot::kCurrentUser, kKey, "Height", "tall");
    EXPECT_EQ(SafeLongNumber(Height()), 0);
    registry.PutText(regroot::kCurrentUser, kKey, "Height", "");
    EXPECT_EQ(Height(), RegValue(""));
    EXPECT_EQ(SafeLong(Height()), RegValue(std::int16_t{0}));
}

TEST_F(AppSettingsTest, SaveCreatesTheKeyAndStoresSinglesAsText) {
    ASSERT_TRUE(SaveAppSetting(registry, "Tallwick", "Pathnab", "Width", 7695.0f));
    auto stored = registry.Get(regroot::kCurrentUser, kKey, "Width");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, regtype::kSz);
    EXPECT_EQ(stored->data, (std::vector<std::uint8_t>{'7', '6', '9', '5', 0}));
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(AppSettingsTest, SaveReportsAFailedStore) {
    registry.setStatus = regstatus::kAccessDenied;
    EXPECT_FALSE(SaveAppSetting(registry, "Tallwick", "Pathnab", "Width", 7695.0f));
}

TEST_F(AppSettingsTest, OtherValuesUnderTheKeyAreLeftAlone) {
    registry.PutText(regroot::kCurrentUser, kKey, "Other", "keep");
    ASSERT_TRUE(SaveAppSetting(registry, "Tallwick", "Pathnab", "Height", 100.0f));
    EXPECT_EQ(registry.Get(regroot::kCurrentUser, kKey, "Other")->data,
              (std::vector<std::uint8_t>{'k', 'e', 'e', 'p', 0}));
}

}  // namespace
}  // namespace pathnab
