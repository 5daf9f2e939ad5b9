#pragma once
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/registry.h"

namespace pathnab::testing {

// An in-memory registry that remembers which keys were opened and whether each was closed.
class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
    };

    void Put(RegKey root, const std::string& key, const std::string& name, Value value) {
        values_[{root, key}][name] = std::move(value);
    }
    void PutText(RegKey root, const std::string& key, const std::string& name,
                 const std::string& text, bool withTerminatingNul = true) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        if (withTerminatingNul) bytes.push_back(0);
        Put(root, key, name, {regtype::kSz, std::move(bytes)});
    }

    std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) override {
        opened.push_back({parent, subKey});
        accessMasks.push_back(access);
        if (!values_.contains({parent, subKey})) return regstatus::kFileNotFound;
        key = nextHandle_++;
        handles_[key] = {parent, subKey};
        openHandles.insert(key);
        return regstatus::kSuccess;
    }
    std::int32_t CreateKey(RegKey, const std::string&, std::uint32_t, RegKey&) override {
        return regstatus::kAccessDenied;  // the About box never creates keys
    }
    std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) override {
        auto handle = handles_.find(key);
        if (handle == handles_.end()) return regstatus::kInvalidHandle;
        const auto& named = values_[handle->second];
        auto found = named.find(name);
        if (found == named.end()) return regstatus::kFileNotFound;
        const Value& value = found->second;
        type = value.type;
        const auto needed = static_cast<std::uint32_t>(value.bytes.size());
        if (data != nullptr && needed > size) {
            size = needed;
            return regstatus::kMoreData;
        }
        if (data != nullptr && needed > 0) std::memcpy(data, value.bytes.data(), needed);
        size = needed;
        return regstatus::kSuccess;
    }
    std::int32_t SetValue(RegKey, const std::string&, std::uint32_t,
                          std::span<const std::uint8_t>) override {
        return regstatus::kAccessDenied;
    }
    void CloseKey(RegKey key) override { openHandles.erase(key); }

    std::vector<std::pair<RegKey, std::string>> opened;  // every key asked for, in order
    std::vector<std::uint32_t> accessMasks;
    std::set<RegKey> openHandles;  // keys opened and not yet closed

private:
    std::map<std::pair<RegKey, std::string>, std::map<std::string, Value>> values_;
    std::map<RegKey, std::pair<RegKey, std::string>> handles_;
    RegKey nextHandle_ = 0x1000;
};

}  // namespace pathnab::testing
