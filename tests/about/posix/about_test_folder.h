#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pathnab::testing {

// A fresh temporary folder, removed with everything in it when the test ends.
struct TestFolder {
    TestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pathnab-about-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::filesystem::path Write(const std::string& name, const std::string& content) const {
        const auto file = path / name;
        std::ofstream(file) << content;
        return file;
    }
    std::filesystem::path WriteProgram(const std::string& name, const std::string& content) const {
        const auto file = Write(name, content);
        chmod(file.c_str(), 0755);
        return file;
    }

    std::filesystem::path path;
};

}  // namespace pathnab::testing
