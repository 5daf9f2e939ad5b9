#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "settings/registry.h"
#include "settings/sqlite/sqlite_registry.h"

namespace pathnab {

// A fresh temporary folder holding a user and a machine configuration folder, with the
// store paths the program would derive for them; removed afterwards whatever its modes.
class TempStores : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "pathnab-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        paths.userStore = root + "/config/pathnab/registry.db";
        paths.machineStore = root + "/xdg/pathnab/registry.db";
    }
    void TearDown() override {
        std::filesystem::permissions(root, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
        }
        std::filesystem::remove_all(root);
    }
    std::unique_ptr<Registry> Open() const { return MakeSqliteRegistry(paths); }

    static std::vector<char> FileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void WriteFile(const std::string& path, const std::vector<char>& bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }

    std::string root;
    SqliteStorePaths paths;
};

}  // namespace pathnab
