#include "settings/opened_key.h"

namespace pathnab {

OpenedKey::~OpenedKey() {
    if (!opened_) return;
    try {
        registry_.CloseKey(key_);
    } catch (...) {
        // A key that cannot be closed is left to the registry; the operation's result stands.
    }
}

bool OpenedKey::Opened(std::int32_t status) {
    status_ = status;
    opened_ = status == regstatus::kSuccess;
    return opened_;
}

bool OpenedKey::Open(RegKey root, const std::string& subKey, std::uint32_t access) {
    return Opened(registry_.OpenKey(root, subKey, access, key_));
}

bool OpenedKey::Create(RegKey root, const std::string& subKey, std::uint32_t access) {
    return Opened(registry_.CreateKey(root, subKey, access, key_));
}

}  // namespace pathnab
