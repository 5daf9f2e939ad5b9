#include "pathforms/posix/file_names_linux.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pathnab {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd) {
        if (fd_ >= 0) close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

constexpr int kDirectoryHandle = O_PATH | O_DIRECTORY | O_CLOEXEC;

// The last component is looked at itself, not followed: a dangling symbolic link is still
// the thing the user picked.
bool EntryExistsIn(int directory, const char* name) {
    struct stat status;
    return fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) == 0;
}

// For paths longer than the kernel takes in one call: open each folder in turn and look at the
// last component inside the folder before it. A last component keeps its trailing slashes, so
// it is checked just as the kernel checks it in a short path.
bool ExistsComponentByComponent(const std::string& path) {
    Descriptor directory(open(path.starts_with('/') ? "/" : ".", kDirectoryHandle));
    std::size_t start = path.find_first_not_of('/');
    if (start == std::string::npos) return directory.valid();
    while (directory.valid()) {
        const std::size_t end = path.find('/', start);
        const std::size_t next = end == std::string::npos ? end : path.find_first_not_of('/', end);
        if (next == std::string::npos) return EntryExistsIn(directory.get(), path.c_str() + start);
        const std::string folder = path.substr(start, end - start);
        directory.reset(openat(directory.get(), folder.c_str(), kDirectoryHandle));
        start = next;
    }
    return false;
}

bool Exists(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    if (EntryExistsIn(AT_FDCWD, path.c_str())) return true;
    return errno == ENAMETOOLONG && ExistsComponentByComponent(path);
}

class LinuxFileNames final : public FileNames {
public:
    std::optional<std::string> LongPathName(const std::string& path) override { return ExistingPath(path); }
    std::optional<std::string> ShortPathName(const std::string& path) override { return ExistingPath(path); }

private:
    static std::optional<std::string> ExistingPath(const std::string& path) {
        if (!Exists(path)) return std::nullopt;
        return path;
    }
};

}  // namespace

std::unique_ptr<FileNames> MakeLinuxFileNames() {
    return std::make_unique<LinuxFileNames>();
}

}  // namespace pathnab
