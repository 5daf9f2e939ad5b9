#pragma once
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/registry.h"

namespace pathnab {

// An in-memory registry: keys and values by case-folded path, counted opens and closes, and
// statuses to inject into each operation.
class FakeRegistry : public Registry {
public:
    struct StoredValue {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Non-zero makes every call of that operation fail with the status.
    std::int32_t openStatus = 0;
    std::int32_t createStatus = 0;
    std::int32_t sizeQueryStatus = 0;  // the query without a buffer
    std::int32_t fetchStatus = 0;      // the query with a buffer
    std::int32_t setStatus = 0;

    // The rights an open may be granted: asking for any other fails with kAccessDenied, as
    // HKEY_LOCAL_MACHINE answers a user who is not elevated and asks to change it.
    std::uint32_t grantedRights = ~0u;

    int opens = 0;
    int creates = 0;
    int closes = 0;
    int strayCloses = 0;  // closes of handles that were not open
    std::vector<std::uint32_t> accessMasks;

    void Put(RegKey root, const std::string& subKey, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        values_[RootPath(root)];
        values_[EnsureKeys(RootPath(root), subKey)][Fold(name)] = StoredValue{type, std::move(data)};
    }
    void PutText(RegKey root, const std::string& subKey, const std::string& name,
                 const std::string& text) {
        std::vector<std::uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        Put(root, subKey, name, regtype::kSz, std::move(data));
    }
    std::optional<StoredValue> Get(RegKey root, const std::string& subKey,
                                   const std::string& name) const {
        auto key = values_.find(KeyPath(root, subKey));
        if (key == values_.end()) return std::nullopt;
        auto value = key->second.find(Fold(name));
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }
    bool HasKey(RegKey root, const std::string& subKey) const {
        return values_.contains(KeyPath(root, subKey));
    }
    std::size_t OpenHandles() const { return handles_.size(); }

    std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) override {
        ++opens;
        accessMasks.push_back(access);
        if (openStatus != 0) return openStatus;
        std::optional<std::string> base = BasePath(parent);
        if (!base) return regstatus::kInvalidHandle;
        std::string path = Join(*base, subKey);
        if (!values_.contains(path)) return regstatus::kFileNotFound;
        if ((access & ~grantedRights) != 0) return regstatus::kAccessDenied;
        key = Hand(path);
        return regstatus::kSuccess;
    }
    std::int32_t CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                           RegKey& key) override {
        ++creates;
        accessMasks.push_back(access);
        if (createStatus != 0) return createStatus;
        std::optional<std::string> base = BasePath(parent);
        if (!base) return regstatus::kInvalidHandle;
        key = Hand(EnsureKeys(*base, subKey));
        return regstatus::kSuccess;
    }
    std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) override {
        std::int32_t injected = data == nullptr ? sizeQueryStatus : fetchStatus;
        if (injected != 0) return injected;
        auto handle = handles_.find(key);
        if (handle == handles_.end()) return regstatus::kInvalidHandle;
        auto value = values_[handle->second].find(Fold(name));
        if (value == values_[handle->second].end()) return regstatus::kFileNotFound;
        const StoredValue& stored = value->second;
        type = stored.type;
        auto needed = static_cast<std::uint32_t>(stored.data.size());
        if (data != nullptr && size < needed) {
            size = needed;
            return regstatus::kMoreData;
        }
        if (data != nullptr) std::copy(stored.data.begin(), stored.data.end(), data);
        size = needed;
        return regstatus::kSuccess;
    }
    std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          std::span<const std::uint8_t> data) override {
        if (setStatus != 0) return setStatus;
        auto handle = handles_.find(key);
        if (handle == handles_.end()) return regstatus::kInvalidHandle;
        values_[handle->second][Fold(name)] = StoredValue{type, {data.begin(), data.end()}};
        return regstatus::kSuccess;
    }
    void CloseKey(RegKey key) override {
        ++closes;
        if (handles_.erase(key) == 0) ++strayCloses;
    }

private:
    static std::string Fold(std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }
    static std::vector<std::string> Split(const std::string& subKey) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        while (!subKey.empty() && start <= subKey.size()) {
            std::size_t end = std::min(subKey.find('\\', start), subKey.size());
            parts.push_back(subKey.substr(start, end - start));
            start = end + 1;
        }
        return parts;
    }
    static std::string Join(const std::string& base, const std::string& subKey) {
        return subKey.empty() ? base : base + "\\" + Fold(subKey);
    }
    static std::string RootPath(RegKey root) { return "root" + std::to_string(root); }
    static bool IsRoot(RegKey key) {
        return key >= regroot::kClassesRoot && key <= regroot::kUsers;
    }
    std::string KeyPath(RegKey root, const std::string& subKey) const {
        return Join(RootPath(root), subKey);
    }
    std::string EnsureKeys(std::string path, const std::string& subKey) {
        for (const std::string& part : Split(subKey)) {
            path = Join(path, part);
            values_[path];
        }
        return path;
    }
    std::optional<std::string> BasePath(RegKey parent) {
        if (IsRoot(parent)) {
            values_[RootPath(parent)];
            return RootPath(parent);
        }
        auto handle = handles_.find(parent);
        if (handle == handles_.end()) return std::nullopt;
        return handle->second;
    }
    RegKey Hand(const std::string& path) {
        handles_[nextHandle_] = path;
        return nextHandle_++;
    }

    std::map<std::string, std::map<std::string, StoredValue>> values_;
    std::map<RegKey, std::string> handles_;
    RegKey nextHandle_ = 1;
};

}  // namespace pathnab
