#pragma once
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pathforms/share_listing.h"

namespace pathnab {

// Codes of our own for a Samba client library that cannot be used.
inline constexpr std::uint32_t kSambaLibraryMissing = 126;  // ERROR_MOD_NOT_FOUND
inline constexpr std::uint32_t kInvalidLevel = 124;         // ERROR_INVALID_LEVEL
inline constexpr std::uint32_t kSambaNoAnswer = 121;        // ERROR_SEM_TIMEOUT

// The SMB server on this computer, reached through Samba's client library (libnetapi). The
// library is loaded only once a server answers on the loopback SMB port, so a computer
// without Samba does not pay for it. The library has one context per process, which all
// instances share: use them from one thread at a time.
class LocalSambaServer {
public:
    explicit LocalSambaServer(std::uint16_t port = 445);
    ~LocalSambaServer();
    LocalSambaServer(const LocalSambaServer&) = delete;
    LocalSambaServer& operator=(const LocalSambaServer&) = delete;

    // Whether something accepts a connection on 127.0.0.1 at the SMB port, within a moment,
    // and the server has not been given up on.
    bool Answers() const;
    // For a server that accepted the connection but has not answered a question in good time:
    // from now on it counts as absent, and nothing here touches the library again (a question
    // may still be stuck in it on another thread).
    void GiveUp();
    bool GivenUp() const;
    // Whether the client library has been loaded and started in this process.
    bool LibraryLoaded() const;
    // NetShareEnum of server at level 1 or 2 into records (replaced on success); its code.
    std::uint32_t EnumerateShares(const std::string& server, std::uint32_t level,
                                  std::vector<ShareEntry>& records);
    // The NetBIOS name that Samba's configuration gives this computer, when it gives one.
    std::optional<std::string> ConfiguredNetbiosName();

private:
    struct Library;
    Library* LoadedLibrary();

    std::uint16_t port_;
    std::atomic<bool> givenUp_ = false;
    Library* library_ = nullptr;
    std::uint32_t loadError_ = 0;
};

// A share's folder as Samba reports it ("C:\dir\sub") as the Linux folder ("/dir/sub").
std::string PosixFolderFromSamba(const std::string& folder);

// The NetBIOS name Samba derives from a host name: up to the first dot, in capitals, 15
// characters at most.
std::string NetbiosNameFromHostName(const std::string& hostName);

}  // namespace pathnab
