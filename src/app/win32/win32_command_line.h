#pragma once
#include <string>
#include <vector>

namespace pathnab {

// The raw command line less the program's name (quoted: up to the closing quote; else up to
// the first blank) and the blanks that follow it, as Windows hands a program its arguments.
// One quoted argument ("C:\a b.txt") gives the path inside the quotes, as no Windows path holds
// a quote; nothing else is trimmed and no other quote is removed.
std::string ArgumentStringOf(const std::wstring& commandLine);

// The command line split by the platform's rules, the program's name left out.
std::vector<std::string> ArgumentsOf(const std::wstring& commandLine);

}  // namespace pathnab
