#include "pathforms/posix/fuse_share_names.h"

#include <string_view>
#include <utility>

namespace pathnab {
namespace {

// The first component of path (which begins with '/') and what follows it, that part beginning
// with its '/' or empty.
std::pair<std::string_view, std::string_view> SplitFirst(std::string_view path) {
    if (!path.starts_with('/')) return {{}, {}};
    path.remove_prefix(1);
    const auto slash = path.find('/');
    if (slash == std::string_view::npos) return {path, {}};
    return {path.substr(0, slash), path.substr(slash)};
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// text with every "%XX" replaced by its byte; nullopt for a '%' that starts no such escape.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

// A server or share name that a UNC path can carry: not empty, and no separator or NUL that
// would shift the parts of the UNC path.
bool FitsInUnc(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<SmbShare> ShareIfNamed(std::string server, std::string share, std::string_view rest) {
    if (!FitsInUnc(server) || !FitsInUnc(share)) return std::nullopt;
    return SmbShare{std::move(server), std::move(share), std::string(rest)};
}

// The value of key in GVFS's "key=value,key=value" list (values escaped, so ',' and '=' inside
// them never appear bare); nullopt when it is absent or badly escaped.
std::optional<std::string> GvfsValue(std::string_view items, std::string_view key) {
    while (!items.empty()) {
        const auto comma = items.find(',');
        const std::string_view item = items.substr(0, comma);
        if (item.size() > key.size() && item.starts_with(key) && item[key.size()] == '=') {
            return PercentDecoded(item.substr(key.size() + 1));
        }
        if (comma == std::string_view::npos) break;
        items.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

// "[user@]host[:port]" as host; an IPv6 host keeps its brackets.
std::string_view HostOfAuthority(std::string_view authority) {
    const auto at = authority.rfind('@');
    if (at != std::string_view::npos) authority.remove_prefix(at + 1);
    if (authority.starts_with('[')) return authority.substr(0, authority.find(']') + 1);
    return authority.substr(0, authority.find(':'));
}

// "/HOST/SHARE/rest" with host as written after any "user@" and before any ":port".
std::optional<SmbShare> ShareBelowAuthority(std::string_view below) {
    const auto [authority, afterAuthority] = SplitFirst(below);
    const auto [share, rest] = SplitFirst(afterAuthority);
    return ShareIfNamed(std::string(HostOfAuthority(authority)), std::string(share), rest);
}

}  // namespace

std::optional<SmbShare> GvfsSmbShare(std::string_view below) {
    const auto [mountName, rest] = SplitFirst(below);
    constexpr std::string_view kSmbShare = "smb-share:";
    if (!mountName.starts_with(kSmbShare)) return std::nullopt;
    const std::string_view items = mountName.substr(kSmbShare.size());
    auto server = GvfsValue(items, "server");
    auto share = GvfsValue(items, "share");
    if (!server || !share) return std::nullopt;
    return ShareIfNamed(std::move(*server), std::move(*share), rest);
}

std::optional<SmbShare> KioFuseSmbShare(std::string_view below) {
    const auto [protocol, rest] = SplitFirst(below);
    if (protocol != "smb") return std::nullopt;
    return ShareBelowAuthority(rest);
}

std::optional<SmbShare> SmbnetfsSmbShare(std::string_view below) { return ShareBelowAuthority(below); }

}  // namespace pathnab
