#pragma once
#include <sqlite3.h>
#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pathnab {

// The registry status for an SQLite result code.
std::int32_t StatusOfSqlite(int code);

// One prepared statement; finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::int64_t number);
    Statement& Bind(int index, const std::string& text);
    Statement& BindBytes(int index, std::span<const std::uint8_t> bytes);
    // SQLITE_ROW, SQLITE_DONE or the error; a statement that did not prepare gives its error.
    int Step();
    std::int64_t Integer(int column) const;
    std::vector<std::uint8_t> Bytes(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    int prepareCode_ = SQLITE_OK;
    int bindCode_ = SQLITE_OK;
};

// Everything between BEGIN IMMEDIATE and COMMIT; rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : db_(db) {}
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction();
    int Begin();
    int Commit();

private:
    sqlite3* db_;
    bool open_ = false;
};

// One registry database file, opened on first use and kept open. Reads never create anything;
// the first write creates the missing folders and the file with the given modes. A file that is
// not this store's database is never written to, replaced or removed.
class SqliteStore {
public:
    SqliteStore(std::string path, mode_t fileMode, mode_t folderMode);
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;
    ~SqliteStore();

    // 0 with Db() ready for queries on the store's tables; kFileNotFound when no store (or an
    // empty one) is there yet; another failure status otherwise.
    std::int32_t ForReading();
    // 0 with Db() connected, creating the file when missing. Call EnsureSchema inside the
    // write transaction before writing.
    std::int32_t ForWriting();
    std::int32_t EnsureSchema();
    // After a failed write: the tables are looked for afresh on the next read.
    void ForgetSchema() { hasSchema_ = false; }
    sqlite3* Db() const { return db_; }

private:
    enum class Contents { Registry, Empty, Foreign };

    std::int32_t Connect();
    void Disconnect();
    std::int32_t Inspect(Contents& contents);
    std::int32_t CreateFileWithFolders();

    std::string path_;
    mode_t fileMode_;
    mode_t folderMode_;
    sqlite3* db_ = nullptr;
    bool hasSchema_ = false;
};

}  // namespace pathnab
