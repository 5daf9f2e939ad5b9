// pathnab-sysinfo-store: registers the System Information program in a machine-wide store
// file, written by the program's own store code so that the file always has the format and
// the key the About box reads. Several programs may be given, the preferred first: the About
// box starts the first that is there. Used at build time for the package; not installed.
#include <iostream>
#include <string>
#include <vector>

#include "about/about_box.h"
#include "settings/reg_access.h"
#include "settings/sqlite/sqlite_registry.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: pathnab-sysinfo-store STORE PROGRAM...\n";
        return 2;
    }
    const std::string store = argv[1];
    const std::string path = std::string("HKEY_LOCAL_MACHINE\\") + pathnab::kSysInfoProgramKey + "\\" +
                             pathnab::kSysInfoProgramValue;
    const std::vector<std::string> programs(argv + 2, argv + argc);
    const auto registry = pathnab::MakeSqliteRegistry(pathnab::SqliteStorePaths{"", store});
    if (!pathnab::WriteRegValue(*registry, path, pathnab::RegValue(pathnab::SysInfoProgramText(programs)))) {
        std::cerr << "pathnab-sysinfo-store: cannot write " << path << " into " << store << '\n';
        return 1;
    }
    return 0;
}
