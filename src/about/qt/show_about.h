#pragma once
#include "about/about_services.h"

namespace pathnab {

// Shows a fresh About box modally, with no owner window; returns when it has been closed.
void ShowAboutBox(const AboutServices& services);

}  // namespace pathnab
