#pragma once
#include <string>

#include "pathforms/platform_info.h"
#include "settings/registry.h"
#include "settings/version_info.h"

namespace pathnab {

// Starts a program by its full path, without a shell and without waiting for it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool Start(const std::string& path) = 0;
};

// The file test of the About box: an ordinary file; hidden ones and folders do not count.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool IsOrdinaryFile(const std::string& path) = 0;
};

// What the About box needs from the platform.
struct AboutServices {
    VersionSource& version;
    Registry& registry;  // the About box reads HKEY_LOCAL_MACHINE through it
    ProgramStarter& starter;
    FileProbe& files;
    MessageBox& messages;
};

}  // namespace pathnab
