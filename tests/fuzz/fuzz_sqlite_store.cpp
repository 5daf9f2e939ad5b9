// The SQLite store over a fuzzed file in the user store's place: reading never fails worse than
// Null; a write either stores the value, which then reads back as written, or fails; a file that
// is not the store's own is then byte for byte as it was. (In a damaged file of our own the
// key may have been created before the value failed, as two registry calls would leave it.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/reg_access.h"
#include "settings/sqlite/sqlite_registry.h"
#include "fuzz_support.h"

namespace {

using pathnab::fuzz::Require;

// The user and machine stores in a private folder.
class StoreFolder {
public:
    StoreFolder() {
        paths_.userStore = folder_.Path() + "/config/pathnab/registry.db";
        paths_.machineStore = folder_.Path() + "/xdg/pathnab/registry.db";
        std::filesystem::create_directories(folder_.Path() + "/config/pathnab");
    }
    const pathnab::SqliteStorePaths& Paths() const { return paths_; }
    // Leaves only the user store, holding exactly these bytes.
    void Reset(const std::uint8_t* data, std::size_t size) const {
        for (const char* extra : {"-journal", "-wal", "-shm"}) std::filesystem::remove(paths_.userStore + extra);
        std::ofstream(paths_.userStore, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::vector<char> UserStoreBytes() const {
        std::ifstream in(paths_.userStore, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    pathnab::fuzz::TempFolder folder_;
    pathnab::SqliteStorePaths paths_;
};

// The store's application_id, "Pnab", as SQLite keeps it in the file header.
bool CarriesOurMark(const std::uint8_t* data, std::size_t size) {
    return size >= 72 && std::memcmp(data + 68, "Pnab", 4) == 0;
}

constexpr const char* kHeight = "HKEY_CURRENT_USER\\Software\\Tallwick\\Pathnab\\Height";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const StoreFolder folder;
    folder.Reset(data, size);
    const std::vector<char> before = folder.UserStoreBytes();
    {
        const auto registry = pathnab::MakeSqliteRegistry(folder.Paths());
        (void)pathnab::ReadRegValue(*registry, kHeight);
        const pathnab::RegValue written(std::string("4242"));
        if (pathnab::WriteRegValue(*registry, kHeight, written)) {
            Require(pathnab::ReadRegValue(*registry, kHeight) == written);
            return 0;
        }
    }
    if (size > 0 && !CarriesOurMark(data, size)) Require(folder.UserStoreBytes() == before);
    return 0;
}
