// pathnab-forms: the path list on standard output, for scripts and terminals.
#include <exception>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "app/cli/forms_arguments.h"
#include "app/cli/forms_output.h"
#include "app/cli/stream_message_box.h"
#include "app/forms_platform.h"
#include "app/path_list.h"

namespace {

constexpr const char* kProgramName = "pathnab-forms";
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(const std::string& message, int status) {
    std::cerr << kProgramName << ": " << message << '\n';
    return status;
}

// Success only when everything reached standard output (a full disk, a closed pipe).
int FinishOutput() {
    std::cout.flush();
    return std::cout ? 0 : Fail("cannot write to standard output", kExitFailure);
}

void PrintVersion() {
    const pathnab::VersionInfo info = pathnab::MakeHostVersionSource()->Read();
    std::cout << pathnab::FormsVersionLine(info.Major, info.Minor, info.Revision) << '\n';
}

// The backends are made once and serve every path of the run.
void PrintAllForms(const pathnab::FormsRequest& request) {
    pathnab::PathFormsBackends backends = pathnab::MakeHostPathFormsBackends();
    const auto version = pathnab::MakeHostVersionSource();
    pathnab::StreamMessageBox messages(std::cerr, kProgramName);
    pathnab::ModUncPath unc(backends.Ports(messages, *version));
    pathnab::PrintForms(std::cout, request, [&](const std::string& path) {
        return pathnab::BuildPathForms(path, request.syntax, *backends.files, unc);
    });
}

int Run(const std::vector<std::string>& arguments) {
    const auto parsed = pathnab::ParseFormsArguments(arguments);
    if (const auto* error = std::get_if<pathnab::UsageError>(&parsed)) {
        return Fail(error->message, kExitUsage);
    }
    const auto& request = std::get<pathnab::FormsRequest>(parsed);
    switch (request.action) {
        case pathnab::FormsRequest::Action::ShowHelp:
            std::cout << pathnab::FormsUsage();
            break;
        case pathnab::FormsRequest::Action::ShowVersion:
            PrintVersion();
            break;
        case pathnab::FormsRequest::Action::PrintForms:
            PrintAllForms(request);
            break;
    }
    return FinishOutput();
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    pathnab::PrepareStandardOutput();
    try {
        return Run(pathnab::ProgramArguments(argc, argv));
    } catch (const std::exception& e) {
        return Fail(e.what(), kExitFailure);
    }
}
