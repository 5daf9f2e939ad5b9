// The mount table through libmount: the input's first line is the path asked about, the rest a
// mountinfo file. The answer is one of the query's codes; the size asked for after kMoreData is
// exactly what the name then takes; a name is \\SERVER[\rest], with a server and no slash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "pathforms/network_connections.h"
#include "pathforms/posix/mount_table_network.h"
#include "fuzz_support.h"

namespace {

using pathnab::fuzz::Require;

// A mountinfo file of the fuzzer's own.
class TableFile {
public:
    std::string Holding(const std::string& table) const {
        const std::string path = folder_.Path() + "/mountinfo";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << table;
        return path;
    }

private:
    pathnab::fuzz::TempFolder folder_;
};

void CheckName(const std::string& name) {
    Require(name.size() > 2 && name.compare(0, 2, "\\\\") == 0);
    const std::size_t serverEnd = name.find('\\', 2);
    Require(serverEnd != std::string::npos ? serverEnd > 2 : name[2] != '\\');
    Require(name.find('/') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TableFile file;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = input.find('\n');
    if (lineEnd == std::string::npos) return 0;
    pathnab::MountTableNetwork network(file.Holding(input.substr(lineEnd + 1)));
    const std::string path = input.substr(0, lineEnd);

    std::uint32_t bufferSize = 0;
    std::string name;
    const std::uint32_t code = network.GetUniversalName(path, bufferSize, name);
    Require(code == pathnab::netcode::kMoreData || code == pathnab::netcode::kNotConnected ||
            code == pathnab::kMountTableUnreadable);
    if (code != pathnab::netcode::kMoreData) return 0;
    const std::uint32_t needed = bufferSize;
    Require(network.GetUniversalName(path, bufferSize, name) == pathnab::netcode::kSuccess);
    Require(name.size() + 1 == needed);
    CheckName(name);
    return 0;
}
