#include "app/cli/stream_message_box.h"

#include <utility>

namespace pathnab {

StreamMessageBox::StreamMessageBox(std::ostream& out, std::string programName)
    : out_(out), programName_(std::move(programName)) {}

void StreamMessageBox::Show(const std::string& text, const std::string&) {
    out_ << programName_ << ": " << text << std::endl;
}

}  // namespace pathnab
