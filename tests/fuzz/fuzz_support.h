#pragma once
// What the fuzz targets share: how an invariant fails, and a private folder for files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pathnab::fuzz {

// A broken invariant stops the fuzzer, which keeps the input that broke it.
inline void Require(bool holds) {
    if (!holds) std::abort();
}

// A fresh folder, in memory where the system has one, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = (base / "pathnab-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace pathnab::fuzz
