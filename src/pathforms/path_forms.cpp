#include "pathforms/path_forms.h"

namespace pathnab {
namespace {

// Every occurrence of from replaced by to in one left-to-right pass; the inserted text is not
// searched again.
std::string ReplaceAll(const std::string& text, char from, const std::string& to) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == from) {
            result += to;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

std::string GetLongName(FileNames& files, const std::string& path) {
    return files.LongPathName(path).value_or(std::string{});
}

std::string GetShortName(FileNames& files, const std::string& path) {
    return files.ShortPathName(path).value_or(std::string{});
}

std::string GetUrl(const std::string& path) {
    return "file://" + ReplaceAll(path, '\\', "/");
}

std::string CppVersion(const std::string& path) {
    return ReplaceAll(path, '\\', "\\\\");
}

std::string GetFileName(const std::string& path) {
    const std::string backslashed = ReplaceAll(path, '/', "\\");
    const auto lastSeparator = backslashed.rfind('\\');
    if (lastSeparator == std::string::npos) return backslashed;
    return backslashed.substr(lastSeparator + 1);
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    const auto lastDot = path.rfind('.');
    const auto lastSeparator = path.rfind('\\');
    const bool lastElementHasDot =
        lastDot != std::string::npos && (lastSeparator == std::string::npos || lastDot > lastSeparator);
    if (lastElementHasDot) return path.substr(0, lastDot + 1) + extension;
    std::string result = path;
    if (!result.ends_with('.')) result += '.';
    return result + extension;
}

std::string RemoveExtension(const std::string& fileName) {
    std::string result = ChangeExtension(fileName, "");
    if (result.ends_with('.')) result.pop_back();
    return result;
}

}  // namespace pathnab
