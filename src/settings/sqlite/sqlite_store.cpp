#include "settings/sqlite/sqlite_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "settings/registry.h"

namespace pathnab {

namespace {

// Long enough that two programs saving at once wait for each other instead of failing.
constexpr int kBusyTimeoutMilliseconds = 10000;
constexpr std::int64_t kApplicationId = 0x506E6162;
constexpr std::int64_t kSchemaVersion = 1;

// Each root's keys form a tree whose top-level keys name the root's own negative id as parent.
constexpr const char* kSchema =
    "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL,"
    " name TEXT NOT NULL COLLATE NOCASE, UNIQUE(parent, name));"
    "CREATE TABLE key_values(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(key, name)) WITHOUT ROWID;"
    "PRAGMA application_id = 1349411170;"
    "PRAGMA user_version = 1;";

std::int32_t StatusOfErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: return regstatus::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS: return regstatus::kAccessDenied;
        default: return regstatus::kStoreIoFailed;
    }
}

std::string ParentFolder(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// Creates each missing folder of path with mode (exactly, whatever the umask); leaves
// existing ones as they are.
std::int32_t CreateFolders(const std::string& path, mode_t mode) {
    std::size_t slash = 0;
    while (slash != std::string::npos) {
        slash = path.find('/', slash + 1);
        std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), mode) == 0) {
            if (chmod(folder.c_str(), mode) != 0) return StatusOfErrno(errno);
        } else if (errno != EEXIST) {
            return StatusOfErrno(errno);
        }
    }
    return regstatus::kSuccess;
}

}  // namespace

std::int32_t StatusOfSqlite(int code) {
    switch (code & 0xFF) {
        case SQLITE_OK:
        case SQLITE_ROW:
        case SQLITE_DONE: return regstatus::kSuccess;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
        case SQLITE_CANTOPEN: return regstatus::kAccessDenied;
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT: return regstatus::kBadDatabase;
        case SQLITE_NOMEM: return regstatus::kOutOfMemory;
        default: return regstatus::kStoreIoFailed;
    }
}

Statement::Statement(sqlite3* db, const char* sql)
    : prepareCode_(sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr)) {}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::Bind(int index, std::int64_t number) {
    if (bindCode_ == SQLITE_OK) bindCode_ = sqlite3_bind_int64(statement_, index, number);
    return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
    if (bindCode_ == SQLITE_OK) {
        bindCode_ = sqlite3_bind_text64(statement_, index, text.data(), text.size(),
                                        SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    return *this;
}

Statement& Statement::BindBytes(int index, std::span<const std::uint8_t> bytes) {
    if (bindCode_ != SQLITE_OK) return *this;
    // A null pointer would bind NULL rather than zero bytes.
    static const std::uint8_t kNothing = 0;
    const void* data = bytes.empty() ? &kNothing : bytes.data();
    bindCode_ = sqlite3_bind_blob64(statement_, index, data, bytes.size(), SQLITE_TRANSIENT);
    return *this;
}

int Statement::Step() {
    if (prepareCode_ != SQLITE_OK) return prepareCode_;
    if (bindCode_ != SQLITE_OK) return bindCode_;
    return sqlite3_step(statement_);
}

std::int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::vector<std::uint8_t> Statement::Bytes(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
    auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
    return data == nullptr ? std::vector<std::uint8_t>() : std::vector<std::uint8_t>(data, data + size);
}

WriteTransaction::~WriteTransaction() {
    if (open_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

int WriteTransaction::Begin() {
    int code = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    open_ = code == SQLITE_OK;
    return code;
}

int WriteTransaction::Commit() {
    int code = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (code == SQLITE_OK) open_ = false;
    return code;
}

SqliteStore::SqliteStore(std::string path, mode_t fileMode, mode_t folderMode)
    : path_(std::move(path)), fileMode_(fileMode), folderMode_(folderMode) {}

SqliteStore::~SqliteStore() { Disconnect(); }

std::int32_t SqliteStore::ForReading() {
    if (db_ == nullptr) {
        struct stat info {};
        if (path_.empty() || stat(path_.c_str(), &info) != 0) {
            bool missing = path_.empty() || errno == ENOENT || errno == ENOTDIR;
            return missing ? regstatus::kFileNotFound : StatusOfErrno(errno);
        }
        if (!S_ISREG(info.st_mode)) return regstatus::kBadDatabase;
        if (std::int32_t status = Connect(); status != regstatus::kSuccess) return status;
    }
    if (hasSchema_) return regstatus::kSuccess;
    Contents contents = Contents::Empty;
    std::int32_t status = Inspect(contents);
    if (status == regstatus::kSuccess && contents == Contents::Foreign) {
        status = regstatus::kBadDatabase;
    }
    if (status == regstatus::kBadDatabase) Disconnect();  // looked at afresh next time
    if (status != regstatus::kSuccess) return status;
    return contents == Contents::Registry ? regstatus::kSuccess : regstatus::kFileNotFound;
}

std::int32_t SqliteStore::ForWriting() {
    if (db_ != nullptr) return regstatus::kSuccess;
    if (path_.empty()) return regstatus::kPathNotFound;
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) {
        if (errno != ENOENT) return StatusOfErrno(errno);
        if (std::int32_t status = CreateFileWithFolders(); status != regstatus::kSuccess) {
            return status;
        }
    } else if (!S_ISREG(info.st_mode)) {
        return regstatus::kBadDatabase;
    }
    return Connect();
}

std::int32_t SqliteStore::EnsureSchema() {
    Contents contents = Contents::Empty;
    if (std::int32_t status = Inspect(contents); status != regstatus::kSuccess) return status;
    if (contents == Contents::Registry) return regstatus::kSuccess;
    if (contents == Contents::Foreign) return regstatus::kBadDatabase;
    std::int32_t status = StatusOfSqlite(sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr));
    hasSchema_ = status == regstatus::kSuccess;
    return status;
}

std::int32_t SqliteStore::Connect() {
    // Without SQLITE_OPEN_CREATE: a file that vanished meanwhile is not made anew here.
    int code = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK) {
        Disconnect();
        return StatusOfSqlite(code);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMilliseconds);
    return regstatus::kSuccess;
}

void SqliteStore::Disconnect() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    hasSchema_ = false;
}

// Reading the header and the schema is where a file that is no database shows itself.
// Never disconnects: a write transaction may be open on the connection.
std::int32_t SqliteStore::Inspect(Contents& contents) {
    Statement inspect(db_,
                      "SELECT (SELECT count(*) FROM sqlite_schema),"
                      " (SELECT application_id FROM pragma_application_id),"
                      " (SELECT user_version FROM pragma_user_version)");
    int code = inspect.Step();
    if (code != SQLITE_ROW) return StatusOfSqlite(code);
    std::int64_t objects = inspect.Integer(0);
    std::int64_t applicationId = inspect.Integer(1);
    std::int64_t userVersion = inspect.Integer(2);
    // Our tables and both marks are written in one transaction, so a file of ours always
    // carries our application_id; only a file with no mark and no object at all is free.
    if (applicationId == kApplicationId && userVersion == kSchemaVersion) {
        contents = Contents::Registry;
    } else if (objects == 0 && applicationId == 0 && userVersion == 0) {
        contents = Contents::Empty;
    } else {
        contents = Contents::Foreign;
    }
    hasSchema_ = contents == Contents::Registry;
    return regstatus::kSuccess;
}

std::int32_t SqliteStore::CreateFileWithFolders() {
    std::string folder = ParentFolder(path_);
    if (!folder.empty()) {
        if (std::int32_t status = CreateFolders(folder, folderMode_); status != regstatus::kSuccess) {
            return status;
        }
    }
    int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, fileMode_);
    if (fd < 0) return errno == EEXIST ? regstatus::kSuccess : StatusOfErrno(errno);
    std::int32_t status = fchmod(fd, fileMode_) == 0 ? regstatus::kSuccess : StatusOfErrno(errno);
    close(fd);
    return status;
}

}  // namespace pathnab
