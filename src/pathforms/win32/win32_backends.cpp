#include "pathforms/win32/win32_backends.h"

namespace pathnab {

PathFormsBackends MakeWin32PathFormsBackends() {
    PathFormsBackends b;
    b.files = MakeWin32FileNames();
    b.network = MakeWin32NetworkConnections();
    b.shares = MakeWin32ShareListing();
    b.shares9x = std::make_unique<No9xShares>();
    b.os = MakeWin32OperatingSystem();
    return b;
}

}  // namespace pathnab
