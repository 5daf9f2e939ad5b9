#pragma once
#include <memory>
#include <string>
#include <vector>

#include "pathforms/path_forms_backends.h"
#include "settings/version_info.h"

namespace pathnab {

// What pathnab-forms takes from the platform it runs on (given by the platform's backends).
PathFormsBackends MakeHostPathFormsBackends();
std::unique_ptr<VersionSource> MakeHostVersionSource();
// The arguments after the program's own name, as UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);
// Standard output carries exactly the bytes the program writes.
void PrepareStandardOutput();

}  // namespace pathnab
