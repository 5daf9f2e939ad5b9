#include "settings/sqlite/sqlite_registry.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/sqlite/sqlite_store.h"

namespace pathnab {

namespace {

constexpr mode_t kUserFileMode = 0600;
constexpr mode_t kUserFolderMode = 0700;
constexpr mode_t kMachineFileMode = 0644;
constexpr mode_t kMachineFolderMode = 0755;
constexpr const char* kStoreFile = "/pathnab/registry.db";

// A key as the store knows it: roots are negative ids, every other key its row.
struct KeyRef {
    SqliteStore* store = nullptr;
    std::int64_t id = 0;
};

struct OpenKeyRecord {
    KeyRef ref;
    std::uint32_t access = 0;
};

std::int64_t RootId(RegKey root) { return -1 - static_cast<std::int64_t>(root - regroot::kClassesRoot); }

bool IsRoot(RegKey key) { return key >= regroot::kClassesRoot && key <= regroot::kUsers; }

// The key names of a subkey path; nullopt when a name is empty (a leading, doubled or
// trailing backslash).
std::optional<std::vector<std::string>> KeyNames(const std::string& subKey) {
    std::vector<std::string> names;
    if (subKey.empty()) return names;
    std::size_t start = 0;
    while (true) {
        std::size_t end = subKey.find('\\', start);
        std::string name = subKey.substr(start, end == std::string::npos ? end : end - start);
        if (name.empty()) return std::nullopt;
        names.push_back(std::move(name));
        if (end == std::string::npos) return names;
        start = end + 1;
    }
}

// The child's id, or nullopt with status kFileNotFound when there is none.
std::optional<std::int64_t> FindChild(sqlite3* db, std::int64_t parent, const std::string& name,
                                      std::int32_t& status) {
    Statement find(db, "SELECT id FROM keys WHERE parent = ? AND name = ?");
    int code = find.Bind(1, parent).Bind(2, name).Step();
    status = code == SQLITE_DONE ? regstatus::kFileNotFound : StatusOfSqlite(code);
    if (code != SQLITE_ROW) return std::nullopt;
    return find.Integer(0);
}

std::int32_t Walk(sqlite3* db, std::int64_t& id, const std::vector<std::string>& names) {
    std::int32_t status = regstatus::kSuccess;
    for (const std::string& name : names) {
        std::optional<std::int64_t> child = FindChild(db, id, name, status);
        if (!child) return status;
        id = *child;
    }
    return regstatus::kSuccess;
}

std::int32_t WalkCreating(sqlite3* db, std::int64_t& id, const std::vector<std::string>& names) {
    std::int32_t status = regstatus::kSuccess;
    for (const std::string& name : names) {
        std::optional<std::int64_t> child = FindChild(db, id, name, status);
        if (!child) {
            if (status != regstatus::kFileNotFound) return status;
            Statement insert(db, "INSERT INTO keys(parent, name) VALUES(?, ?)");
            if (int code = insert.Bind(1, id).Bind(2, name).Step(); code != SQLITE_DONE) {
                return StatusOfSqlite(code);
            }
            child = sqlite3_last_insert_rowid(db);
        }
        id = *child;
    }
    return regstatus::kSuccess;
}

// Another program may have removed the key since it was opened here.
std::int32_t KeyStillThere(sqlite3* db, std::int64_t id) {
    if (id < 0) return regstatus::kSuccess;
    Statement find(db, "SELECT 1 FROM keys WHERE id = ?");
    int code = find.Bind(1, id).Step();
    return code == SQLITE_DONE ? regstatus::kKeyDeleted : StatusOfSqlite(code);
}

std::int32_t StoreValue(sqlite3* db, std::int64_t key, const std::string& name, std::uint32_t type,
                        std::span<const std::uint8_t> data) {
    // An existing value keeps its name as first written.
    Statement upsert(db,
                     "INSERT INTO key_values(key, name, type, data) VALUES(?, ?, ?, ?)"
                     " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type,"
                     " data = excluded.data");
    return StatusOfSqlite(upsert.Bind(1, key).Bind(2, name).Bind(3, std::int64_t{type})
                              .BindBytes(4, data).Step());
}

// Allocation is the only thing that can throw here; it must not leave the registry's calls.
template <typename Operation>
std::int32_t Guarded(Operation operation) {
    try {
        return operation();
    } catch (...) {
        return regstatus::kOutOfMemory;
    }
}

class SqliteRegistry final : public Registry {
public:
    explicit SqliteRegistry(const SqliteStorePaths& paths)
        : user_(paths.userStore, kUserFileMode, kUserFolderMode),
          machine_(paths.machineStore, kMachineFileMode, kMachineFolderMode) {}

    void CloseKey(RegKey key) override { handles_.erase(key); }

    std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) override {
        return Guarded([&] { return OpenKeyUnguarded(parent, subKey, access, key); });
    }
    std::int32_t CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                           RegKey& key) override {
        return Guarded([&] { return CreateKeyUnguarded(parent, subKey, access, key); });
    }
    std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) override {
        return Guarded([&] { return QueryValueUnguarded(key, name, type, data, size); });
    }
    std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          std::span<const std::uint8_t> data) override {
        return Guarded([&] { return SetValueUnguarded(key, name, type, data); });
    }

private:
    std::int32_t OpenKeyUnguarded(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) {
        std::optional<KeyRef> ref = Resolve(parent);
        if (!ref) return regstatus::kInvalidHandle;
        std::optional<std::vector<std::string>> names = KeyNames(subKey);
        if (!names) return regstatus::kBadPathname;
        if (!names->empty()) {
            if (std::int32_t status = ref->store->ForReading(); status != regstatus::kSuccess) {
                return status;
            }
            if (std::int32_t status = Walk(ref->store->Db(), ref->id, *names);
                status != regstatus::kSuccess) {
                return status;
            }
        }
        key = Hand(*ref, access);
        return regstatus::kSuccess;
    }

    std::int32_t CreateKeyUnguarded(RegKey parent, const std::string& subKey, std::uint32_t access,
                           RegKey& key) {
        std::int32_t status = OpenKeyUnguarded(parent, subKey, access, key);
        if (status != regstatus::kFileNotFound) return status;
        KeyRef ref = *Resolve(parent);
        status = ref.store->ForWriting();
        if (status != regstatus::kSuccess) return status;
        sqlite3* db = ref.store->Db();
        WriteTransaction transaction(db);
        status = InTransaction(transaction, *ref.store, ref.id, [&] {
            return WalkCreating(db, ref.id, *KeyNames(subKey));
        });
        if (status == regstatus::kSuccess) key = Hand(ref, access);
        return status;
    }

    std::int32_t QueryValueUnguarded(RegKey key, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) {
        const OpenKeyRecord* record = Find(key);
        if (record == nullptr) return regstatus::kInvalidHandle;
        if ((record->access & regaccess::kQueryValueRight) == 0) return regstatus::kAccessDenied;
        SqliteStore& store = *record->ref.store;
        if (std::int32_t status = store.ForReading(); status != regstatus::kSuccess) return status;
        Statement query(store.Db(), "SELECT type, data FROM key_values WHERE key = ? AND name = ?");
        int code = query.Bind(1, record->ref.id).Bind(2, name).Step();
        if (code == SQLITE_DONE) return regstatus::kFileNotFound;
        if (code != SQLITE_ROW) return StatusOfSqlite(code);
        type = static_cast<std::uint32_t>(query.Integer(0));
        std::vector<std::uint8_t> stored = query.Bytes(1);
        auto needed = static_cast<std::uint32_t>(stored.size());
        bool fits = data == nullptr || size >= needed;
        if (data != nullptr && fits && !stored.empty()) std::memcpy(data, stored.data(), stored.size());
        size = needed;
        return fits ? regstatus::kSuccess : regstatus::kMoreData;
    }

    std::int32_t SetValueUnguarded(RegKey key, const std::string& name, std::uint32_t type,
                          std::span<const std::uint8_t> data) {
        const OpenKeyRecord* record = Find(key);
        if (record == nullptr) return regstatus::kInvalidHandle;
        if ((record->access & regaccess::kSetValueRight) == 0) return regstatus::kAccessDenied;
        KeyRef ref = record->ref;
        if (std::int32_t status = ref.store->ForWriting(); status != regstatus::kSuccess) {
            return status;
        }
        WriteTransaction transaction(ref.store->Db());
        return InTransaction(transaction, *ref.store, ref.id, [&] {
            return StoreValue(ref.store->Db(), ref.id, name, type, data);
        });
    }

    // Runs change between BEGIN IMMEDIATE and COMMIT on a store that has its tables and
    // still holds the key; the first failure's status, 0 once committed.
    template <typename Change>
    static std::int32_t InTransaction(WriteTransaction& transaction, SqliteStore& store,
                                      std::int64_t key, Change change) {
        std::int32_t status = StatusOfSqlite(transaction.Begin());
        if (status == regstatus::kSuccess) status = store.EnsureSchema();
        if (status == regstatus::kSuccess) status = KeyStillThere(store.Db(), key);
        if (status == regstatus::kSuccess) status = change();
        if (status == regstatus::kSuccess) status = StatusOfSqlite(transaction.Commit());
        if (status != regstatus::kSuccess) store.ForgetSchema();  // the rollback may take the tables
        return status;
    }

    std::optional<KeyRef> Resolve(RegKey parent) {
        if (IsRoot(parent)) {
            SqliteStore* store = parent == regroot::kCurrentUser ? &user_ : &machine_;
            return KeyRef{store, RootId(parent)};
        }
        const OpenKeyRecord* record = Find(parent);
        if (record == nullptr) return std::nullopt;
        return record->ref;
    }

    const OpenKeyRecord* Find(RegKey key) const {
        auto found = handles_.find(key);
        return found == handles_.end() ? nullptr : &found->second;
    }

    RegKey Hand(const KeyRef& ref, std::uint32_t access) {
        while (nextHandle_ == 0 || IsRoot(nextHandle_) || handles_.contains(nextHandle_)) {
            ++nextHandle_;
        }
        handles_[nextHandle_] = OpenKeyRecord{ref, access};
        return nextHandle_++;
    }

    SqliteStore user_;
    SqliteStore machine_;
    std::map<RegKey, OpenKeyRecord> handles_;
    RegKey nextHandle_ = 1;
};

std::string AbsoluteOrEmpty(const char* path) {
    return path != nullptr && path[0] == '/' ? std::string(path) : std::string();
}

std::string HomeFolder() {
    std::string home = AbsoluteOrEmpty(std::getenv("HOME"));
    if (!home.empty()) return home;
    const passwd* account = getpwuid(getuid());
    return account == nullptr ? std::string() : AbsoluteOrEmpty(account->pw_dir);
}

std::string UserConfigFolder() {
    std::string configured = AbsoluteOrEmpty(std::getenv("XDG_CONFIG_HOME"));
    if (!configured.empty()) return configured;
    std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

// The absolute entries of XDG_CONFIG_DIRS, most important first; relative ones do not count,
// as with XDG_CONFIG_HOME. Unset or without an absolute entry: /etc/xdg.
std::vector<std::string> MachineConfigFolders() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string_view list = dirs == nullptr ? std::string_view() : std::string_view(dirs);
    std::vector<std::string> folders;
    while (!list.empty()) {
        std::size_t colon = list.find(':');
        std::string_view entry = list.substr(0, colon);
        if (!entry.empty() && entry.front() == '/') folders.emplace_back(entry);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (folders.empty()) folders.emplace_back("/etc/xdg");
    return folders;
}

// The first folder that holds a store (a desktop may put its own folder before /etc/xdg),
// else the first folder, where a first write creates it.
std::string MachineStore() {
    const std::vector<std::string> folders = MachineConfigFolders();
    for (const std::string& folder : folders) {
        struct stat info {};
        if (stat((folder + kStoreFile).c_str(), &info) == 0) return folder + kStoreFile;
    }
    return folders.front() + kStoreFile;
}

}  // namespace

SqliteStorePaths StorePathsFromEnvironment() {
    std::string user = UserConfigFolder();
    return SqliteStorePaths{user.empty() ? std::string() : user + kStoreFile, MachineStore()};
}

std::unique_ptr<Registry> MakeSqliteRegistry(const SqliteStorePaths& paths) {
    return std::make_unique<SqliteRegistry>(paths);
}

}  // namespace pathnab
