#pragma once
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/registry.h"

namespace pathnab::fakes {

// An in-memory registry: keys by full path (case-insensitive), typed values as raw bytes.
class FakeRegistry final : public Registry {
public:
    struct Stored {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    void PutText(const std::string& keyPath, const std::string& name, const std::string& text,
                 std::uint32_t type = regtype::kSz) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        keys_[Fold(keyPath)][name] = Stored{type, bytes};
    }
    void PutDword(const std::string& keyPath, const std::string& name, std::uint32_t number) {
        std::vector<std::uint8_t> bytes(4);
        std::memcpy(bytes.data(), &number, 4);
        keys_[Fold(keyPath)][name] = Stored{regtype::kDword, bytes};
    }
    std::optional<Stored> Get(const std::string& keyPath, const std::string& name) const {
        const auto key = keys_.find(Fold(keyPath));
        if (key == keys_.end()) return std::nullopt;
        const auto value = key->second.find(name);
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }
    // A text value without its terminating NUL.
    std::optional<std::string> TextOf(const std::string& keyPath, const std::string& name) const {
        const auto stored = Get(keyPath, name);
        if (!stored || stored->type != regtype::kSz) return std::nullopt;
        std::string text(stored->data.begin(), stored->data.end());
        return text.substr(0, text.find('\0'));
    }
    int Writes() const { return writes_; }
    bool HasKey(const std::string& keyPath) const { return keys_.count(Fold(keyPath)) != 0; }

    std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t, RegKey& key) override {
        const std::string path = Join(parent, subKey);
        if (path.empty() || (!subKey.empty() && !keys_.count(path))) return regstatus::kFileNotFound;
        key = Handle(path);
        return regstatus::kSuccess;
    }
    std::int32_t CreateKey(RegKey parent, const std::string& subKey, std::uint32_t, RegKey& key) override {
        const std::string path = Join(parent, subKey);
        if (path.empty()) return regstatus::kInvalidHandle;
        for (std::size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1)) {
            keys_[path.substr(0, cut)];
        }
        keys_[path];
        ++writes_;
        key = Handle(path);
        return regstatus::kSuccess;
    }
    std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override {
        const auto path = open_.find(key);
        if (path == open_.end()) return regstatus::kInvalidHandle;
        const auto stored = Get(path->second, name);
        if (!stored) return regstatus::kFileNotFound;
        type = stored->type;
        const auto needed = static_cast<std::uint32_t>(stored->data.size());
        if (data != nullptr && size < needed) {
            size = needed;
            return regstatus::kMoreData;
        }
        if (data != nullptr) std::copy(stored->data.begin(), stored->data.end(), data);
        size = needed;
        return regstatus::kSuccess;
    }
    std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          std::span<const std::uint8_t> data) override {
        const auto path = open_.find(key);
        if (path == open_.end()) return regstatus::kInvalidHandle;
        keys_[path->second][name] = Stored{type, {data.begin(), data.end()}};
        ++writes_;
        return regstatus::kSuccess;
    }
    void CloseKey(RegKey key) override { open_.erase(key); }

private:
    static std::string Fold(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    std::string RootName(RegKey root) const {
        switch (root) {
            case regroot::kClassesRoot: return "hkey_classes_root";
            case regroot::kCurrentUser: return "hkey_current_user";
            case regroot::kLocalMachine: return "hkey_local_machine";
            case regroot::kUsers: return "hkey_users";
            default: {
                const auto open = open_.find(root);
                return open == open_.end() ? std::string() : open->second;
            }
        }
    }
    std::string Join(RegKey parent, const std::string& subKey) const {
        const std::string base = RootName(parent);
        if (base.empty()) return {};
        return subKey.empty() ? base : base + "\\" + Fold(subKey);
    }
    RegKey Handle(const std::string& path) {
        const RegKey key = next_++;
        open_[key] = path;
        return key;
    }

    std::map<std::string, std::map<std::string, Stored>> keys_;
    std::map<RegKey, std::string> open_;
    RegKey next_ = 1;
    int writes_ = 0;
};

}  // namespace pathnab::fakes
