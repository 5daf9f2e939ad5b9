#include "pathforms/posix/samba_client.h"

#include "pathforms/posix/broken_pipe_guard.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <netapi.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <memory>
#include <mutex>
#include <string_view>

namespace pathnab {
namespace {

constexpr int kAnswerTimeoutMs = 200;
constexpr std::size_t kNetbiosNameLength = 15;

std::string Text(const char* text) { return text ? text : ""; }

std::int32_t Signed(std::uint32_t value) { return static_cast<std::int32_t>(value); }

ShareEntry EntryFrom(const SHARE_INFO_2& info) {
    return ShareEntry{Text(info.shi2_netname),       Signed(info.shi2_type),
                      Text(info.shi2_remark),        Signed(info.shi2_permissions),
                      Signed(info.shi2_max_uses),    Signed(info.shi2_current_uses),
                      PosixFolderFromSamba(Text(info.shi2_path)), Text(info.shi2_passwd)};
}

ShareEntry EntryFrom(const SHARE_INFO_1& info) {
    ShareEntry entry;
    entry.NetName = Text(info.shi1_netname);
    entry.Type = Signed(info.shi1_type);
    entry.Remark = Text(info.shi1_remark);
    return entry;
}

template <typename Info>
std::vector<ShareEntry> EntriesFrom(const std::uint8_t* buffer, std::uint32_t count) {
    const auto* records = reinterpret_cast<const Info*>(buffer);
    std::vector<ShareEntry> entries;
    entries.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) entries.push_back(EntryFrom(records[i]));
    return entries;
}

template <typename Function>
bool Resolve(void* handle, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

// The functions of libnetapi this program calls, and the one context they share.
struct LocalSambaServer::Library {
    decltype(::libnetapi_init)* init = nullptr;
    decltype(::libnetapi_free)* free = nullptr;
    decltype(::libnetapi_set_debuglevel)* setDebugLevel = nullptr;
    decltype(::libnetapi_set_username)* setUsername = nullptr;
    decltype(::libnetapi_set_password)* setPassword = nullptr;
    decltype(::NetShareEnum)* shareEnum = nullptr;
    decltype(::NetServerGetInfo)* serverGetInfo = nullptr;
    decltype(::NetApiBufferFree)* bufferFree = nullptr;
    libnetapi_ctx* context = nullptr;

    bool ResolveAll(void* handle) {
        return Resolve(handle, "libnetapi_init", init) && Resolve(handle, "libnetapi_free", free) &&
               Resolve(handle, "libnetapi_set_debuglevel", setDebugLevel) &&
               Resolve(handle, "libnetapi_set_username", setUsername) &&
               Resolve(handle, "libnetapi_set_password", setPassword) &&
               Resolve(handle, "NetShareEnum", shareEnum) &&
               Resolve(handle, "NetServerGetInfo", serverGetInfo) &&
               Resolve(handle, "NetApiBufferFree", bufferFree);
    }

    // An anonymous session: the library would otherwise ask for a password on the terminal.
    std::uint32_t Start() {
        const BrokenPipeGuard guard;
        if (const std::uint32_t code = init(&context); code != 0) return code;
        setDebugLevel(context, "0");
        if (const std::uint32_t code = setUsername(context, ""); code != 0) return code;
        return setPassword(context, "");
    }

    void Stop() {
        if (context) free(context);
        context = nullptr;
    }

    // libnetapi hands every caller the same process-wide context, so the first instance to need
    // it starts it and the last to let go frees it. The library stays mapped and this record
    // lives as long as the process: Samba's libraries keep process-wide state that unloading
    // breaks, and a question given up on may still be inside the library when the program ends.
    static Library* Acquire(std::uint32_t& error);
    static void Release();

    static inline std::mutex sharedMutex;
    static inline Library* shared = nullptr;
    static inline int users = 0;
};

LocalSambaServer::Library* LocalSambaServer::Library::Acquire(std::uint32_t& error) {
    std::lock_guard lock(sharedMutex);
    if (!shared) {
        void* handle = dlopen("libnetapi.so.1", RTLD_NOW | RTLD_LOCAL);
        auto library = std::make_unique<Library>();
        if (!handle || !library->ResolveAll(handle)) {
            if (handle) dlclose(handle);
            error = kSambaLibraryMissing;
            return nullptr;
        }
        shared = library.release();
    }
    if (users == 0) {
        if (const std::uint32_t code = shared->Start(); code != 0) {
            shared->Stop();
            error = code;
            return nullptr;
        }
    }
    ++users;
    return shared;
}

void LocalSambaServer::Library::Release() {
    std::lock_guard lock(sharedMutex);
    if (--users == 0) shared->Stop();
}

LocalSambaServer::LocalSambaServer(std::uint16_t port) : port_(port) {}

LocalSambaServer::~LocalSambaServer() {
    if (library_) Library::Release();
}

bool LocalSambaServer::Answers() const {
    if (GivenUp()) return false;
    const int socketFd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socketFd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool answered = connect(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!answered && errno == EINPROGRESS) {
        pollfd pending{socketFd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        answered = poll(&pending, 1, kAnswerTimeoutMs) == 1 &&
                   getsockopt(socketFd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    close(socketFd);
    return answered;
}

void LocalSambaServer::GiveUp() { givenUp_ = true; }

bool LocalSambaServer::GivenUp() const { return givenUp_; }

bool LocalSambaServer::LibraryLoaded() const { return !GivenUp() && library_ != nullptr; }

LocalSambaServer::Library* LocalSambaServer::LoadedLibrary() {
    if (!library_ && loadError_ == 0) library_ = Library::Acquire(loadError_);
    return library_;
}

std::uint32_t LocalSambaServer::EnumerateShares(const std::string& server, std::uint32_t level,
                                                std::vector<ShareEntry>& records) {
    if (level != 1 && level != 2) return kInvalidLevel;
    if (GivenUp()) return kSambaNoAnswer;
    Library* library = LoadedLibrary();
    if (!library) return loadError_;

    std::uint8_t* buffer = nullptr;
    std::uint32_t entriesRead = 0;
    std::uint32_t totalEntries = 0;
    std::uint32_t resumeHandle = 0;
    const BrokenPipeGuard guard;
    const std::uint32_t code = library->shareEnum(server.c_str(), level, &buffer, UINT32_MAX,
                                                  &entriesRead, &totalEntries, &resumeHandle);
    if (code == 0) {
        records = level == 2 ? EntriesFrom<SHARE_INFO_2>(buffer, buffer ? entriesRead : 0)
                             : EntriesFrom<SHARE_INFO_1>(buffer, buffer ? entriesRead : 0);
    }
    if (buffer) library->bufferFree(buffer);
    return code;
}

std::optional<std::string> LocalSambaServer::ConfiguredNetbiosName() {
    if (GivenUp()) return std::nullopt;
    Library* library = LoadedLibrary();
    if (!library) return std::nullopt;
    std::uint8_t* buffer = nullptr;
    const BrokenPipeGuard guard;
    const std::uint32_t code = library->serverGetInfo("127.0.0.1", 101, &buffer);
    std::optional<std::string> name;
    if (code == 0 && buffer) name = Text(reinterpret_cast<const SERVER_INFO_101*>(buffer)->sv101_name);
    if (buffer) library->bufferFree(buffer);
    return name;
}

std::string PosixFolderFromSamba(const std::string& folder) {
    // Samba shows a folder as on a drive C: "C:" and the folder with backslashes.
    const bool onDrive = folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\';
    if (!onDrive) return folder;
    std::string posix = folder.substr(2);
    std::replace(posix.begin(), posix.end(), '\\', '/');
    while (posix.size() > 1 && posix.ends_with('/')) posix.pop_back();
    return posix;
}

std::string NetbiosNameFromHostName(const std::string& hostName) {
    std::string name = hostName.substr(0, std::min(hostName.find('.'), kNetbiosNameLength));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

}  // namespace pathnab
