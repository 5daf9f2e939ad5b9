#pragma once
#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pathforms/file_names.h"
#include "pathforms/network_connections.h"
#include "pathforms/path_conventions.h"
#include "pathforms/platform_info.h"
#include "pathforms/share_listing.h"
#include "pathforms/unc_path.h"

namespace pathnab::fakes {

// Long and short spellings of the paths that exist.
class FakeFileNames final : public FileNames {
public:
    void Add(const std::string& path, const std::string& longName, const std::string& shortName) {
        longNames[path] = longName;
        shortNames[longName] = shortName;
    }
    std::optional<std::string> LongPathName(const std::string& path) override { return Find(longNames, path); }
    std::optional<std::string> ShortPathName(const std::string& path) override { return Find(shortNames, path); }

    std::map<std::string, std::string> longNames;
    std::map<std::string, std::string> shortNames;

private:
    static std::optional<std::string> Find(const std::map<std::string, std::string>& names,
                                           const std::string& path) {
        const auto found = names.find(path);
        if (found == names.end()) return std::nullopt;
        return found->second;
    }
};

// One scripted answer of a network query.
struct NetAnswer {
    std::uint32_t code = netcode::kNotConnected;
    std::uint32_t reportedSize = 0;  // left in the size argument
    std::string text;                // universal name or connection buffer

    static NetAnswer Code(std::uint32_t code) { return {code, 0, {}}; }
    static NetAnswer MoreData(std::uint32_t size) { return {netcode::kMoreData, size, {}}; }
    static NetAnswer Success(std::string text) { return {netcode::kSuccess, 0, std::move(text)}; }
};

// Answers in the order scripted; once the script runs out, "not connected". Keeps every call.
class FakeNetwork final : public NetworkConnections {
public:
    struct Call {
        std::string pathOrDrive;
        std::uint32_t sizeGiven;
    };

    std::uint32_t GetUniversalName(const std::string& path, std::uint32_t& bufferSize,
                                   std::string& universalName) override {
        universalCalls.push_back({path, bufferSize});
        return Answer(universalAnswers, bufferSize, universalName);
    }
    std::uint32_t GetConnection(const std::string& drive, std::uint32_t& bufferLength,
                                std::string& buffer) override {
        connectionCalls.push_back({drive, bufferLength});
        return Answer(connectionAnswers, bufferLength, buffer);
    }

    std::deque<NetAnswer> universalAnswers;
    std::deque<NetAnswer> connectionAnswers;
    std::vector<Call> universalCalls;
    std::vector<Call> connectionCalls;

private:
    static std::uint32_t Answer(std::deque<NetAnswer>& script, std::uint32_t& size, std::string& text) {
        if (script.empty()) return netcode::kNotConnected;
        const NetAnswer answer = script.front();
        script.pop_front();
        if (answer.code == netcode::kMoreData) size = answer.reportedSize;
        if (answer.code == netcode::kSuccess) text = answer.text;
        return answer.code;
    }
};

// A share listing per level; a level without an answer is refused with access denied.
class FakeShares final : public ShareListing {
public:
    std::uint32_t Enumerate(const std::string& server, std::uint32_t level,
                            std::vector<ShareEntry>& records) override {
        levelsAsked.push_back(level);
        serversAsked.push_back(server);
        const auto found = answers.find(level);
        if (found == answers.end()) return netcode::kAccessDenied;
        if (found->second.first == netcode::kSuccess) records = found->second.second;
        return found->second.first;
    }

    void Answer(std::uint32_t level, std::vector<ShareEntry> records, std::uint32_t code = netcode::kSuccess) {
        answers[level] = {code, std::move(records)};
    }

    std::map<std::uint32_t, std::pair<std::uint32_t, std::vector<ShareEntry>>> answers;
    std::vector<std::uint32_t> levelsAsked;
    std::vector<std::string> serversAsked;
};

// Raw level-50 records and the texts their addresses point at.
class FakeShares9x final : public ShareListing9x {
public:
    std::uint32_t Enumerate50(const std::string&, std::vector<std::uint8_t>& buffer,
                              std::uint16_t& entriesRead) override {
        bufferSizeGiven = buffer.size();
        std::copy(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(std::min(records.size(), buffer.size())),
                  buffer.begin());
        entriesRead = reportedEntries;
        return code;
    }
    std::string AnsiTextAt(std::uint32_t address) override {
        const auto found = texts.find(address);
        return found == texts.end() ? std::string{} : found->second;
    }

    std::uint32_t code = netcode::kSuccess;
    std::vector<std::uint8_t> records;
    std::uint16_t reportedEntries = 0;
    std::map<std::uint32_t, std::string> texts;
    std::size_t bufferSizeGiven = 0;
};

class FakeOperatingSystem final : public OperatingSystem {
public:
    bool GetVersion(OsVersion& record) override {
        ++versionCalls;
        record = version;
        return true;
    }
    bool GetComputerName(std::string& name) override {
        if (!computerName) return false;
        name = *computerName;
        return true;
    }

    OsVersion version{2, 0};
    std::optional<std::string> computerName = "PC";
    int versionCalls = 0;
};

class FakeMessageBox final : public MessageBox {
public:
    void Show(const std::string& text, const std::string& title) override { shown.push_back({text, title}); }
    std::vector<std::pair<std::string, std::string>> shown;
};

class FakeVersion final : public VersionSource {
public:
    VersionInfo Read() override { return info; }
    VersionInfo info{"Tallwick", "Pathnab", 1, 0, 0, 1};
};

// Every port of the network-path module, faked, with the module over them.
struct UncWorld {
    explicit UncWorld(const PathConventions& conventions = WindowsPathConventions())
        : unc(UncPorts{network, shares, shares9x, os, messages, version}, conventions) {}

    FakeNetwork network;
    FakeShares shares;
    FakeShares9x shares9x;
    FakeOperatingSystem os;
    FakeMessageBox messages;
    FakeVersion version;
    ModUncPath unc;
};

inline ShareEntry DiskShare(const std::string& name, const std::string& folder, std::int32_t type = 0) {
    ShareEntry entry;
    entry.NetName = name;
    entry.Type = type;
    entry.Path = folder;
    return entry;
}

}  // namespace pathnab::fakes
