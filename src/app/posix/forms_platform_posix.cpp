#include "app/forms_platform.h"
#include "pathforms/posix/linux_backends.h"
#include "settings/posix/built_in_version.h"

namespace pathnab {

PathFormsBackends MakeHostPathFormsBackends() {
    return MakeLinuxPathFormsBackends();
}

std::unique_ptr<VersionSource> MakeHostVersionSource() {
    return MakeBuiltInVersionSource();
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void PrepareStandardOutput() {}

}  // namespace pathnab
