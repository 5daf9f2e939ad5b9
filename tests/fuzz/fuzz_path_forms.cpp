// The path forms over fake ports (Windows conventions, the input's path existing under its own
// name, one share of a fuzzed folder): every fill lists each key once, the full path row is the
// path, and the C++ and C# syntax gives the same rows with every backslash doubled.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/path_list.h"
#include "fuzz_support.h"
#include "pathforms/fakes/path_forms_fakes.h"

namespace {

using pathnab::PathForm;
using pathnab::fuzz::Require;

std::string Doubled(const std::string& text) {
    std::string doubled;
    for (const char c : text) doubled += c == '\\' ? std::string(2, c) : std::string(1, c);
    return doubled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string path = input.substr(0, split);
    const std::string sharedFolder = split == std::string::npos ? "C:\\" : input.substr(split + 1);

    pathnab::fakes::FakeFileNames files;
    files.Add(path, path, path);
    pathnab::fakes::UncWorld world;
    world.shares.Answer(2, {pathnab::fakes::DiskShare("docs", sharedFolder)});

    const std::vector<PathForm> normal = pathnab::BuildPathForms(path, pathnab::kSyntaxNormal, files, world.unc);
    const std::vector<PathForm> c = pathnab::BuildPathForms(path, pathnab::kSyntaxC, files, world.unc);
    std::set<std::string> keys;
    for (const PathForm& row : normal) Require(keys.insert(row.key).second);
    Require(!normal.empty() && normal.front().key == "longFullName" && normal.front().text == path);
    Require(c.size() == normal.size());
    for (std::size_t i = 0; i < c.size(); ++i) {
        Require(c[i].key == normal[i].key && c[i].caption == normal[i].caption);
        Require(c[i].text == Doubled(normal[i].text));
    }
    return 0;
}
