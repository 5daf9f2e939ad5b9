#pragma once
#include <ostream>
#include <string>

#include "pathforms/platform_info.h"

namespace pathnab {

// The message box of a program without a window: each message becomes one line on the
// error stream, prefixed by the program's name as terminal tools do.
class StreamMessageBox final : public MessageBox {
public:
    StreamMessageBox(std::ostream& out, std::string programName);
    void Show(const std::string& text, const std::string& title) override;

private:
    std::ostream& out_;
    std::string programName_;
};

}  // namespace pathnab
