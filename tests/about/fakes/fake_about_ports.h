#pragma once
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "about/about_services.h"

namespace pathnab::testing {

class FakeProgramStarter : public ProgramStarter {
public:
    bool Start(const std::string& path) override {
        started.push_back(path);
        if (throws) throw std::runtime_error("start failed");
        return succeeds;
    }
    bool succeeds = true;
    bool throws = false;
    std::vector<std::string> started;
};

class FakeFileProbe : public FileProbe {
public:
    bool IsOrdinaryFile(const std::string& path) override {
        asked.push_back(path);
        return files.contains(path);
    }
    std::set<std::string> files;
    std::vector<std::string> asked;
};

class FakeMessageBox : public MessageBox {
public:
    void Show(const std::string& text, const std::string& title) override {
        shown.emplace_back(text, title);
    }
    std::vector<std::pair<std::string, std::string>> shown;  // text, title
};

class FixedVersion : public VersionSource {
public:
    explicit FixedVersion(VersionInfo info) : info_(std::move(info)) {}
    VersionInfo Read() override { return info_; }

private:
    VersionInfo info_;
};

}  // namespace pathnab::testing
