#pragma once
#include <string>
#include <vector>

#include "pathforms/file_names.h"
#include "pathforms/unc_path.h"

namespace pathnab {

// One row of the path list.
struct PathForm {
    std::string key;
    std::string caption;
    std::string text;
    bool operator==(const PathForm&) const = default;
};

// The syntax of the list: "" normal, exactly "C" for C++ and C# (backslashes doubled).
using SyntaxMode = std::string;
inline constexpr const char* kSyntaxNormal = "";
inline constexpr const char* kSyntaxC = "C";

// The rows of filePath in the list's order, every form computed anew.
std::vector<PathForm> BuildPathForms(const std::string& filePath, const SyntaxMode& syntax,
                                     FileNames& files, ModUncPath& unc);

}  // namespace pathnab
