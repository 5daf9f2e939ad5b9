#include "pathforms/path_conventions.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/wide_text.h"

namespace pathnab {
namespace {

// The file system's own case rule: "C:\Données" and "c:\DONNÉES" name the same folder.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wa = Wide(a);
    const std::wstring wb = Wide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()),
                                TRUE) == CSTR_EQUAL;
}

}  // namespace

const PathConventions& HostPathConventions() {
    static const PathConventions conventions{&HasDriveLetter, &SameIgnoringCase, '\\'};
    return conventions;
}

}  // namespace pathnab
