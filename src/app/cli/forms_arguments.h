#pragma once
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "app/path_list.h"

namespace pathnab {

// What one run of pathnab-forms was asked to do.
struct FormsRequest {
    enum class Action { PrintForms, ShowHelp, ShowVersion };
    Action action = Action::PrintForms;
    SyntaxMode syntax = kSyntaxNormal;
    bool json = false;
    std::vector<std::string> paths;  // each argument is one path, the empty one included
};

// A command line that cannot be run; message is one line without the program name.
struct UsageError {
    std::string message;
};

// Reads the arguments that follow the program name. Options may stand anywhere before "--";
// "--help" and "--version" win over paths and over each other in that order.
std::variant<FormsRequest, UsageError> ParseFormsArguments(std::span<const std::string> arguments);

// The text that "--help" prints.
std::string FormsUsage();

}  // namespace pathnab
