#include "app/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/wide_text.h"

namespace pathnab {
namespace {

constexpr int kOpenTries = 20;
constexpr DWORD kTryPauseMs = 25;

// Closes the clipboard opened before it, however the write ends.
class ClipboardCloser {
public:
    ClipboardCloser() = default;
    ~ClipboardCloser() { CloseClipboard(); }
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;
};

// The text with its terminating NUL in movable global memory, as the clipboard takes it.
HGLOBAL GlobalText(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

bool Win32Clipboard::Open() {
    for (int attempt = 1; attempt <= kOpenTries; ++attempt) {
        if (OpenClipboard(owner_)) return true;
        Sleep(kTryPauseMs);
    }
    return false;
}

bool Win32Clipboard::Clear() {
    if (!Open()) return false;
    const ClipboardCloser closer;
    return EmptyClipboard() != 0;
}

bool Win32Clipboard::SetText(const std::string& text) {
    HGLOBAL memory = GlobalText(Wide(text));
    if (!memory) return false;
    if (!Open()) {
        GlobalFree(memory);
        return false;
    }
    const ClipboardCloser closer;
    // Once taken, the memory belongs to the clipboard.
    if (SetClipboardData(CF_UNICODETEXT, memory)) return true;
    GlobalFree(memory);
    return false;
}

}  // namespace pathnab
