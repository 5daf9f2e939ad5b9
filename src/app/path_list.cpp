#include "app/path_list.h"

#include "pathforms/path_forms.h"

namespace pathnab {
namespace {

struct ComputedForms {
    std::string longName;
    std::string shortName;
    std::string unc;
    std::string uncUrl;
    std::string url;
};

bool IsMessage(const std::string& uncForm) {
    return uncForm.starts_with('(');
}

// The URLs are made from the undoubled paths; they hold no backslashes to double.
ComputedForms ComputeForms(const std::string& filePath, FileNames& files, ModUncPath& unc) {
    ComputedForms forms;
    forms.longName = GetLongName(files, filePath);
    forms.shortName = GetShortName(files, forms.longName);
    forms.unc = unc.GetUncPath(forms.longName);
    forms.uncUrl = IsMessage(forms.unc) ? forms.unc : GetUrl(forms.unc);
    forms.url = GetUrl(forms.longName);
    return forms;
}

void DoubleBackslashes(ComputedForms& forms) {
    for (std::string* text : {&forms.longName, &forms.shortName, &forms.unc, &forms.uncUrl, &forms.url}) {
        *text = CppVersion(*text);
    }
}

}  // namespace

std::vector<PathForm> BuildPathForms(const std::string& filePath, const SyntaxMode& syntax,
                                     FileNames& files, ModUncPath& unc) {
    ComputedForms forms = ComputeForms(filePath, files, unc);
    if (syntax == kSyntaxC) DoubleBackslashes(forms);

    const std::string longFileName = GetFileName(forms.longName);
    const std::string shortFileName = GetFileName(forms.shortName);
    std::vector<PathForm> rows{
        {"longFullName", "Full Path", forms.longName},
        {"longFileName", "File Name", longFileName},
        {"longBaseName", "Base Name", RemoveExtension(longFileName)},
        {"short", "Short Path", forms.shortName},
    };
    if (shortFileName != longFileName) rows.push_back({"shortFileName", "Short File Name", shortFileName});
    rows.push_back({"URL", "URL", forms.url});
    rows.push_back({"UNC", "UNC", forms.unc});
    rows.push_back({"UNCURL", "UNC URL", forms.uncUrl});
    return rows;
}

}  // namespace pathnab
