// pathnab-forms: the option parser and both outputs. Arguments are the input split at NUL bytes.
// Every argument after the first "--" is a path, in order; each path gives one JSON line that
// parses back to its rows, with the text unchanged where it is UTF-8; the plain output gives
// the texts byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "app/cli/forms_arguments.h"
#include "app/cli/forms_output.h"
#include "fuzz_support.h"

namespace {

using pathnab::FormsRequest;
using pathnab::PathForm;

using pathnab::fuzz::Require;

std::vector<std::string> SplitAtNul(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) arguments.emplace_back();
        else arguments.back().push_back(static_cast<char>(data[i]));
    }
    return arguments;
}

bool IsUtf8(const std::string& text) {
    try {
        (void)nlohmann::json(text).dump();
        return true;
    } catch (const nlohmann::json::exception&) {
        return false;
    }
}

std::vector<PathForm> RowsOf(const std::string& path) {
    return {{"longFullName", "Full Path", path}, {"fileName", "File Name", path + "\\x"}};
}

void CheckJson(const FormsRequest& request) {
    FormsRequest asJson = request;
    asJson.json = true;
    std::ostringstream out;
    pathnab::PrintForms(out, asJson, RowsOf);
    std::istringstream lines(out.str());
    std::string line;
    std::size_t index = 0;
    while (std::getline(lines, line)) {
        Require(index < request.paths.size());
        const auto rows = nlohmann::json::parse(line);  // throws, and so fails, on bad JSON
        Require(rows.is_array() && rows.size() == 2);
        const std::string& path = request.paths[index++];
        if (IsUtf8(path)) Require(rows[0]["text"] == path && rows[0]["caption"] == "Full Path");
    }
    Require(index == request.paths.size());
}

void CheckPlain(const FormsRequest& request) {
    FormsRequest plain = request;
    plain.json = false;
    std::ostringstream out;
    pathnab::PrintForms(out, plain, RowsOf);
    std::string expected;
    for (std::size_t i = 0; i < request.paths.size(); ++i) {
        if (i > 0) expected += "\n";
        expected += "Full Path\t" + request.paths[i] + "\n" + "File Name\t" + request.paths[i] + "\\x\n";
    }
    Require(out.str() == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = SplitAtNul(data, size);
    const auto parsed = pathnab::ParseFormsArguments(arguments);
    if (const auto* error = std::get_if<pathnab::UsageError>(&parsed)) {
        Require(!error->message.empty() && error->message.find('\n') == std::string::npos);
        return 0;
    }
    const FormsRequest& request = std::get<FormsRequest>(parsed);
    if (request.action != FormsRequest::Action::PrintForms) return 0;
    const auto separator = std::find(arguments.begin(), arguments.end(), "--");
    const std::vector<std::string> afterSeparator(separator == arguments.end() ? separator : separator + 1,
                                                  arguments.end());
    Require(request.paths.size() >= afterSeparator.size());
    Require(std::equal(afterSeparator.rbegin(), afterSeparator.rend(), request.paths.rbegin()));
    CheckJson(request);
    CheckPlain(request);
    return 0;
}
