#include "app/cli/forms_output.h"

#include <nlohmann/json.hpp>

namespace pathnab {

void WriteFormsAsLines(std::ostream& out, const std::vector<PathForm>& rows) {
    for (const PathForm& row : rows) {
        out << row.caption << '\t' << row.text << '\n';
    }
}

void WriteFormsAsJson(std::ostream& out, const std::vector<PathForm>& rows) {
    // ordered_json keeps key, caption, text in that order for readers that look at the text.
    auto array = nlohmann::ordered_json::array();
    for (const PathForm& row : rows) {
        array.push_back({{"key", row.key}, {"caption", row.caption}, {"text", row.text}});
    }
    // Linux paths are bytes: the default handler would throw on a name that is not UTF-8.
    out << array.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void PrintForms(std::ostream& out, const FormsRequest& request, const FormsOfPath& formsOf) {
    bool first = true;
    for (const std::string& path : request.paths) {
        const std::vector<PathForm> rows = formsOf(path);
        if (request.json) {
            WriteFormsAsJson(out, rows);
        } else {
            if (!first) out << '\n';
            WriteFormsAsLines(out, rows);
        }
        first = false;
    }
}

std::string FormsVersionLine(int major, int minor, int revision) {
    return "pathnab-forms " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

}  // namespace pathnab
