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

// Under an smbnetfs root: "/[user[:password]@]SRV/SHARE/rest". A workgroup level above the
// computer cannot be told from a computer by name alone; smbnetfs shows computers at the top
// too, so a path through a workgroup is read as computer WORKGROUP.
std::optional<SmbShare> SmbnetfsSmbShare(std::string_view below);

}  // namespace pathnab
