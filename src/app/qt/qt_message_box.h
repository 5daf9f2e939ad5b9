#pragma once
#include "pathforms/platform_info.h"

namespace pathnab {

// A modal message box with one OK button and no icon.
class QtMessageBox final : public MessageBox {
public:
    void Show(const std::string& text, const std::string& title) override;
};

}  // namespace pathnab
