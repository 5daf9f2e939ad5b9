#pragma once
#include "pathforms/platform_info.h"

namespace pathnab {

// A modal Windows message box with an OK button only and no icon, owned by no window.
class Win32MessageBox final : public MessageBox {
public:
    void Show(const std::string& text, const std::string& title) override;
};

}  // namespace pathnab
