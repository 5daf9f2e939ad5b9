#pragma once
#include "about/about_services.h"

namespace pathnab {

// Shows the About box `frmAbout` as a Win32 dialog, modal and without an owner; returns when it
// has been closed.
void ShowWin32AboutBox(const AboutServices& services);

}  // namespace pathnab
