#pragma once
#include <QDialog>

#include "about/about_services.h"

class QLabel;
class QPushButton;

namespace pathnab {

// The About box: names the product and its maker, shows the version and what the product
// does, and starts the System Information program.
class FrmAbout : public QDialog {
public:
    explicit FrmAbout(const AboutServices& services);

private:
    void CreateControls();
    void PlaceOnScreen();
    void Load();

    AboutServices services_;
    QLabel* picture1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
};

}  // namespace pathnab
