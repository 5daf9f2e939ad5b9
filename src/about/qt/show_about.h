#pragma once
#include "about/about_services.h"

namespace pathnab {

// Shows a fresh About box modally, with no owner window; returns when it has been closed.
void ShowAboutBox(const AboutServices& services);

// Registers the About box's images (:/pathnab/icon-16.png, :/pathnab/icon-32.png,
// :/pathnab/picture.png); they live in a static library, so every program calls this once
// before showing a window.
void InitAboutResources();

}  // namespace pathnab
