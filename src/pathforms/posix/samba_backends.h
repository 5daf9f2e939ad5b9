#pragma once
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "pathforms/platform_info.h"
#include "pathforms/posix/samba_client.h"
#include "pathforms/share_listing.h"

namespace pathnab {

class SambaPrefetch;

// The shares that the local Samba server serves; none when no server answers.
class SambaShareListing final : public ShareListing {
public:
    // With a prefetch, the first listing is the one it made in the background.
    explicit SambaShareListing(std::shared_ptr<LocalSambaServer> samba,
                               std::shared_ptr<SambaPrefetch> prefetch = nullptr);
    std::uint32_t Enumerate(const std::string& server, std::uint32_t level,
                            std::vector<ShareEntry>& records) override;

private:
    std::uint32_t EnumerateLive(const std::string& server, std::uint32_t level,
                                std::vector<ShareEntry>& records);

    std::shared_ptr<LocalSambaServer> samba_;
    std::shared_ptr<SambaPrefetch> prefetch_;
};

// The operating system as Samba presents it: an NT platform named by its NetBIOS name.
class SambaOperatingSystem final : public OperatingSystem {
public:
    // With a prefetch, the first name is the one it found in the background.
    explicit SambaOperatingSystem(std::shared_ptr<LocalSambaServer> samba,
                                  std::shared_ptr<SambaPrefetch> prefetch = nullptr);
    bool GetVersion(OsVersion& version) override;
    bool GetComputerName(std::string& name) override;

private:
    bool GetComputerNameLive(std::string& name);

    std::shared_ptr<LocalSambaServer> samba_;
    std::shared_ptr<SambaPrefetch> prefetch_;
};

// The local share listing (level 2) and the computer name, asked for on a thread of its own as
// soon as this is made, so that loading the client library and the first connection overlap
// the program's start-up. Each answer is handed out once; later questions are asked live.
// Every taker waits for the background work first, so the server is never used by two threads
// at once. A server that accepts connections but does not answer would keep that wait going
// for Samba's own timeout (20 s): after kPatience the server is given up on instead, and counts
// as absent for the rest of the run. Destruction waits in the same way.
class SambaPrefetch {
public:
    struct Listing {
        std::uint32_t code = 0;
        std::vector<ShareEntry> records;
    };
    struct ComputerName {
        bool found = false;
        std::string name;
    };

    static constexpr std::chrono::milliseconds kPatience{5000};

    explicit SambaPrefetch(std::shared_ptr<LocalSambaServer> samba);
    ~SambaPrefetch();
    SambaPrefetch(const SambaPrefetch&) = delete;
    SambaPrefetch& operator=(const SambaPrefetch&) = delete;

    // The background listing, when it is the one asked for and not yet handed out. Any first
    // question uses it up, so a different request never leaves a stale answer behind.
    std::optional<Listing> TakeListing(const std::string& server, std::uint32_t level);
    std::optional<ComputerName> TakeComputerName();

private:
    struct Answers {
        std::optional<Listing> listing;
        std::optional<ComputerName> name;
    };
    // Where the background thread leaves its answers; it may outlive this prefetch.
    struct Pending {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<Answers> answers;
    };
    static Answers Ask(const std::shared_ptr<LocalSambaServer>& samba);
    void Settle();

    std::shared_ptr<LocalSambaServer> samba_;
    std::mutex mutex_;
    std::shared_ptr<Pending> pending_;
    Answers answers_;
};

}  // namespace pathnab
