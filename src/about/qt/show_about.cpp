#include "about/qt/show_about.h"

#include <QtGlobal>

#include "about/qt/frm_about.h"

// Q_INIT_RESOURCE names a function at global scope, so it cannot be used inside a namespace.
static void InitAboutResourcesGlobally() { Q_INIT_RESOURCE(about); }

namespace pathnab {

void InitAboutResources() { InitAboutResourcesGlobally(); }

void ShowAboutBox(const AboutServices& services) {
    FrmAbout box(services);
    box.exec();
}

}  // namespace pathnab
