#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/forms_arguments.h"
#include "app/path_list.h"

namespace pathnab {

// The rows of one path in the requested syntax.
using FormsOfPath = std::function<std::vector<PathForm>(const std::string& path)>;

// Each row as a "Caption<TAB>Text" line, the texts byte for byte.
void WriteFormsAsLines(std::ostream& out, const std::vector<PathForm>& rows);

// The rows as one JSON array on one line; bytes that are not valid UTF-8 become U+FFFD.
void WriteFormsAsJson(std::ostream& out, const std::vector<PathForm>& rows);

// The forms of every path of request, in its order: JSON lines, or blocks of lines with
// one empty line between two paths.
void PrintForms(std::ostream& out, const FormsRequest& request, const FormsOfPath& formsOf);

// "pathnab-forms 1.2.3": major, minor and revision, the numbers the About box shows.
std::string FormsVersionLine(int major, int minor, int revision);

}  // namespace pathnab
