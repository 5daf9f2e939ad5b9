#include "pathforms/posix/samba_backends.h"

#include <unistd.h>

#include "pathforms/network_connections.h"

#include <system_error>
#include <thread>
#include <utility>

namespace pathnab {
namespace {

constexpr std::uint32_t kNtPlatformId = 2;
// The level the path forms ask for first.
constexpr std::uint32_t kPrefetchedLevel = 2;

std::string HostName() {
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0) return {};
    return host;
}

}  // namespace

SambaShareListing::SambaShareListing(std::shared_ptr<LocalSambaServer> samba,
                                     std::shared_ptr<SambaPrefetch> prefetch)
    : samba_(std::move(samba)), prefetch_(std::move(prefetch)) {}

std::uint32_t SambaShareListing::Enumerate(const std::string& server, std::uint32_t level,
                                           std::vector<ShareEntry>& records) {
    if (prefetch_) {
        if (auto listing = prefetch_->TakeListing(server, level)) {
            if (listing->code == netcode::kSuccess) records = std::move(listing->records);
            return listing->code;
        }
    }
    return EnumerateLive(server, level, records);
}

std::uint32_t SambaShareListing::EnumerateLive(const std::string& server, std::uint32_t level,
                                               std::vector<ShareEntry>& records) {
    if (!server.empty()) return samba_->EnumerateShares(server, level, records);
    if (!samba_->Answers()) {
        records.clear();
        return netcode::kSuccess;
    }
    return samba_->EnumerateShares("127.0.0.1", level, records);
}

SambaOperatingSystem::SambaOperatingSystem(std::shared_ptr<LocalSambaServer> samba,
                                           std::shared_ptr<SambaPrefetch> prefetch)
    : samba_(std::move(samba)), prefetch_(std::move(prefetch)) {}

bool SambaOperatingSystem::GetVersion(OsVersion& version) {
    version.platformId = kNtPlatformId;
    version.minorVersion = 0;
    return true;
}

bool SambaOperatingSystem::GetComputerName(std::string& name) {
    if (prefetch_) {
        if (auto found = prefetch_->TakeComputerName()) {
            name = std::move(found->name);
            return found->found;
        }
    }
    return GetComputerNameLive(name);
}

// The name comes from Samba's configuration, not from the server; the probe only keeps the
// library unloaded on a computer where Samba does not run, so once loaded it is asked directly.
bool SambaOperatingSystem::GetComputerNameLive(std::string& name) {
    std::optional<std::string> configured;
    if (samba_->LibraryLoaded() || samba_->Answers()) configured = samba_->ConfiguredNetbiosName();
    name = configured && !configured->empty() ? *configured : NetbiosNameFromHostName(HostName());
    return !name.empty();
}

SambaPrefetch::SambaPrefetch(std::shared_ptr<LocalSambaServer> samba) : samba_(std::move(samba)) {
    auto pending = std::make_shared<Pending>();
    try {
        std::thread([pending, samba = samba_]() mutable {
            Answers answers;
            try {
                answers = Ask(samba);
            } catch (...) {
                answers = {};  // no answers: each question is then asked live
            }
            samba.reset();  // a taker that sees the answers holds the server alone again
            std::lock_guard lock(pending->mutex);
            pending->answers = std::move(answers);
            pending->done.notify_all();
        }).detach();
        pending_ = std::move(pending);
    } catch (const std::system_error&) {
        // No thread to spare: every question is then asked live.
    }
}

SambaPrefetch::~SambaPrefetch() {
    std::lock_guard lock(mutex_);
    Settle();
}

SambaPrefetch::Answers SambaPrefetch::Ask(const std::shared_ptr<LocalSambaServer>& samba) {
    Answers answers;
    SambaShareListing shares(samba);
    answers.listing = Listing{};
    answers.listing->code = shares.Enumerate("", kPrefetchedLevel, answers.listing->records);
    SambaOperatingSystem os(samba);
    answers.name = ComputerName{};
    answers.name->found = os.GetComputerName(answers.name->name);
    return answers;
}

void SambaPrefetch::Settle() {
    if (!pending_) return;
    std::unique_lock lock(pending_->mutex);
    if (pending_->done.wait_for(lock, kPatience, [this] { return pending_->answers.has_value(); })) {
        answers_ = std::move(*pending_->answers);
    } else {
        samba_->GiveUp();
    }
    lock.unlock();
    pending_.reset();
}

std::optional<SambaPrefetch::Listing> SambaPrefetch::TakeListing(const std::string& server,
                                                                 std::uint32_t level) {
    std::lock_guard lock(mutex_);
    Settle();
    std::optional<Listing> listing = std::exchange(answers_.listing, std::nullopt);
    if (!server.empty() || level != kPrefetchedLevel) return std::nullopt;
    return listing;
}

std::optional<SambaPrefetch::ComputerName> SambaPrefetch::TakeComputerName() {
    std::lock_guard lock(mutex_);
    Settle();
    return std::exchange(answers_.name, std::nullopt);
}

}  // namespace pathnab
