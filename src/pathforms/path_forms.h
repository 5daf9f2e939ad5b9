#pragma once
#include <string>

#include "pathforms/file_names.h"

namespace pathnab {

// The local forms of one path. None keeps state, none fails: a failed query is empty text.
std::string GetLongName(FileNames& files, const std::string& path);
std::string GetShortName(FileNames& files, const std::string& path);
std::string GetUrl(const std::string& path);
std::string CppVersion(const std::string& path);
std::string GetFileName(const std::string& path);
std::string RemoveExtension(const std::string& fileName);
std::string ChangeExtension(const std::string& path, const std::string& extension);

}  // namespace pathnab
