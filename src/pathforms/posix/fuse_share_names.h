#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace pathnab {

// The SMB share that a desktop's FUSE mount shows a path of, read from the folder names that
// mount gives it.
struct SmbShare {
    std::string server;
    std::string share;
    std::string rest;  // the path below the share, beginning with '/', or empty for the share itself
};

// Under a GVFS FUSE root: "smb-share:server=SRV,share=SHARE[,user=..][,domain=..][,port=..]/rest",
// each value percent-escaped. Mounts of every other GVFS kind (sftp:, dav:, ftp:, mtp:, ...) have
// no share. below is the path below the root, beginning with '/'.
std::optional<SmbShare> GvfsSmbShare(std::string_view below);

// Under a KIO-FUSE root: "/smb/[user@]SRV[:port]/SHARE/rest"; other protocols have no share.
std::optional<SmbShare> KioFuseSmbShare(std::string_view below);

// Under an smbnetfs root: "/[user[:password]@]SRV/SHARE/rest", the form smbnetfs opens for any
// computer named at its top. Its browsed "/WORKGROUP/SRV/SHARE" form looks the same by name.
std::optional<SmbShare> SmbnetfsSmbShare(std::string_view below);

}  // namespace pathnab
