#include "app/win32/win32_message_box.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

void Win32MessageBox::Show(const std::string& text, const std::string& title) {
    MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace pathnab
