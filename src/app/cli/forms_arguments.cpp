#include "app/cli/forms_arguments.h"

#include <optional>
#include <string>
#include <string_view>

namespace pathnab {
namespace {

constexpr std::string_view kSyntaxOption = "--syntax=";

bool IsOption(const std::string& argument) {
    // A lone "-" is an ordinary file name, as "--" is the end of the options.
    return argument.size() > 1 && argument.front() == '-';
}

std::optional<SyntaxMode> SyntaxNamed(std::string_view name) {
    if (name == "normal") return SyntaxMode{kSyntaxNormal};
    if (name == "c") return SyntaxMode{kSyntaxC};
    return std::nullopt;
}

// The argument as the message quotes it: a control character is written as an escape, so the
// message stays one line and cannot move a terminal's cursor.
std::string Printable(std::string_view argument) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
        } else {
            shown += c;
        }
    }
    return shown;
}

// Applies one option to request; the error text when it is not one of ours.
std::optional<UsageError> ApplyOption(const std::string& option, FormsRequest& request, bool& help,
                                      bool& version) {
    if (option == "--help") {
        help = true;
    } else if (option == "--version") {
        version = true;
    } else if (option == "--json") {
        request.json = true;
    } else if (option.starts_with(kSyntaxOption)) {
        const std::string_view name = std::string_view(option).substr(kSyntaxOption.size());
        const auto syntax = SyntaxNamed(name);
        if (!syntax) {
            return UsageError{"unknown syntax '" + Printable(name) + "' (use --syntax=c or --syntax=normal)"};
        }
        request.syntax = *syntax;
    } else if (option == "--syntax") {
        return UsageError{"--syntax needs a value: --syntax=c or --syntax=normal"};
    } else {
        return UsageError{"unknown option '" + Printable(option) + "' (put -- before a path that starts with -)"};
    }
    return std::nullopt;
}

}  // namespace

std::variant<FormsRequest, UsageError> ParseFormsArguments(std::span<const std::string> arguments) {
    FormsRequest request;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || !IsOption(argument)) {
            request.paths.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (auto error = ApplyOption(argument, request, help, version)) {
            return *error;
        }
    }
    if (help) {
        request.action = FormsRequest::Action::ShowHelp;
    } else if (version) {
        request.action = FormsRequest::Action::ShowVersion;
    } else if (request.paths.empty()) {
        return UsageError{"no path given (see pathnab-forms --help)"};
    }
    return request;
}

std::string FormsUsage() {
    return R"(Usage: pathnab-forms [OPTION]... [--] PATH...
Prints the forms of each PATH that the Pathnab window lists: full path, file name,
base name, short path, short file name (only when it differs), URL, UNC path, UNC URL.

  --syntax=normal  the forms as they are (the default)
  --syntax=c       the C++ and C# syntax: every backslash doubled
  --json           one JSON array per PATH, each on a line of its own:
                   [{"key":"longFullName","caption":"Full Path","text":"..."},...]
  --help           print this help and exit
  --version        print the version and exit
  --               end of the options: every later argument is a PATH

Each argument is one PATH, taken as it is; an empty argument is the empty path.

Plain output: each row as a Caption<TAB>Text line, in the window's order; the rows of
two PATHs are separated by one empty line. Texts are written byte for byte, so a tab or
a line break inside a path stays in the text and splits its row: read --json by machine.
JSON output is UTF-8: a byte that is not part of valid UTF-8 becomes U+FFFD there.

A network error is reported on standard error and leaves the UNC row empty.
Exit status: 0 when every PATH was printed, 1 when the forms could not be printed
(such as a full disk), 2 for a usage error.
)";
}

}  // namespace pathnab
