#include "pathforms/posix/mount_table_network.h"

#include "pathforms/posix/fuse_share_names.h"

#include <libmount/libmount.h>
#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace pathnab {
namespace {

struct TableRelease {
    void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
struct IterRelease {
    void operator()(libmnt_iter* iter) const { mnt_free_iter(iter); }
};

// Whether mountPoint holds path, compared by whole components: "/mnt/a" holds "/mnt/a" and
// "/mnt/a/x" but not "/mnt/ab".
bool Holds(std::string_view mountPoint, std::string_view path) {
    if (mountPoint == "/") return path.starts_with('/');
    return path.starts_with(mountPoint) &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

// The part of path below mountPoint, beginning with its separator (empty for the mount point).
std::string_view RestBelow(std::string_view mountPoint, std::string_view path) {
    return mountPoint == "/" ? path : path.substr(mountPoint.size());
}

std::string_view WithoutTrailingSlashes(std::string_view text) {
    while (text.ends_with('/')) text.remove_suffix(1);
    return text;
}

// A backslash in a mount's source would read as a separator of the UNC name made from it.
bool HasBackslash(std::string_view source) { return source.find('\\') != std::string_view::npos; }

// "//server/share[/sub]" of a CIFS/SMB mount, without its leading slashes.
std::optional<std::string_view> SmbServerAndShare(std::string_view source) {
    if (!source.starts_with("//") || HasBackslash(source)) return std::nullopt;
    source = WithoutTrailingSlashes(source.substr(2));
    if (source.empty() || source.front() == '/') return std::nullopt;
    return source;
}

// "server:/export" of an NFS mount as "server/export"; a server with a slash is a local device.
std::optional<std::string> NfsServerAndExport(std::string_view source) {
    const auto colon = source.find(":/");
    if (colon == 0 || colon == std::string_view::npos || HasBackslash(source)) return std::nullopt;
    if (source.substr(0, colon).find('/') != std::string_view::npos) return std::nullopt;
    std::string joined(source.substr(0, colon));
    joined += WithoutTrailingSlashes(source.substr(colon + 1));
    return joined;
}

std::string WithBackslashes(std::string text) {
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

// The path the mount table knows: symbolic links resolved when the path exists, so a link
// into a network mount is named by that mount.
std::string ResolvedPath(const std::string& path) {
    std::unique_ptr<char, decltype(&free)> resolved(realpath(path.c_str(), nullptr), &free);
    return resolved ? std::string(resolved.get()) : path;
}

struct Mount {
    std::string fstype;
    std::string source;
    std::string mountPoint;
};

// Every mount of the table at mountinfoPath, in the table's order; false when it cannot be read.
bool ReadMounts(const std::string& mountinfoPath, std::vector<Mount>& mounts) {
    std::unique_ptr<libmnt_table, TableRelease> table(mnt_new_table());
    if (!table || mnt_table_parse_file(table.get(), mountinfoPath.c_str()) != 0) return false;
    std::unique_ptr<libmnt_iter, IterRelease> iter(mnt_new_iter(MNT_ITER_FORWARD));
    if (!iter) return false;
    libmnt_fs* fs = nullptr;
    while (mnt_table_next_fs(table.get(), iter.get(), &fs) == 0) {
        const char* fstype = mnt_fs_get_fstype(fs);
        const char* source = mnt_fs_get_source(fs);
        const char* target = mnt_fs_get_target(fs);
        if (target) mounts.push_back(Mount{fstype ? fstype : "", source ? source : "", target});
    }
    return true;
}

// The mount that path lies on: the deepest of those that hold it, unless a later one covers
// it. All of them sit on path's folders, so a later one is either deeper or mounted over the
// earlier one's point or a folder above it; either way it is the one in sight.
const Mount* VisibleMountHolding(const std::vector<Mount>& mounts, const std::string& path) {
    const Mount* visible = nullptr;
    for (const Mount& mount : mounts) {
        if (Holds(mount.mountPoint, path)) visible = &mount;
    }
    return visible;
}

// The share a desktop's FUSE mount shows below its root, read from the mount's own folder
// names; nullopt for every other mount, and for a FUSE mount's path that names no SMB share.
std::optional<SmbShare> FuseSmbShare(const Mount& mount, std::string_view below) {
    if (mount.fstype == "fuse.gvfsd-fuse") return GvfsSmbShare(below);
    if (mount.fstype == "fuse.kio-fuse") return KioFuseSmbShare(below);
    if (mount.fstype == "fuse.smbnetfs") return SmbnetfsSmbShare(below);
    return std::nullopt;
}

// The UNC form of path on mount, which holds it; nullopt when the mount is not a network
// share that has such a name. A FUSE share's user, domain and port are left out: a UNC path
// names only the server and the share.
std::optional<std::string> UncOnMount(const Mount& mount, const std::string& path) {
    const std::string_view below = RestBelow(mount.mountPoint, path);
    std::optional<std::string> serverAndShare;
    if (mount.fstype == "cifs" || mount.fstype == "smb3") {
        if (auto smb = SmbServerAndShare(mount.source)) serverAndShare = std::string(*smb);
    } else if (mount.fstype == "nfs" || mount.fstype == "nfs4") {
        serverAndShare = NfsServerAndExport(mount.source);
    } else if (auto share = FuseSmbShare(mount, below)) {
        return WithBackslashes("//" + share->server + "/" + share->share + share->rest);
    }
    if (!serverAndShare) return std::nullopt;
    return WithBackslashes("//" + *serverAndShare + std::string(below));
}

}  // namespace

MountTableNetwork::MountTableNetwork(std::string mountinfoPath) : mountinfoPath_(std::move(mountinfoPath)) {}

std::uint32_t MountTableNetwork::GetUniversalName(const std::string& path, std::uint32_t& bufferSize,
                                                  std::string& universalName) {
    const std::string resolved = ResolvedPath(path);
    std::vector<Mount> mounts;
    if (!ReadMounts(mountinfoPath_, mounts)) return kMountTableUnreadable;
    const Mount* mount = VisibleMountHolding(mounts, resolved);
    const auto unc = mount ? UncOnMount(*mount, resolved) : std::nullopt;
    if (!unc) return netcode::kNotConnected;

    const auto needed = static_cast<std::uint32_t>(unc->size() + 1);  // with its NUL
    if (bufferSize < needed) {
        bufferSize = needed;
        return netcode::kMoreData;
    }
    universalName = *unc;
    return netcode::kSuccess;
}

std::uint32_t MountTableNetwork::GetConnection(const std::string&, std::uint32_t&, std::string&) {
    return netcode::kNotConnected;
}

}  // namespace pathnab
