#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>

namespace pathnab {

// Names each case of a parameterized suite for the test list by its number and the words of
// what it prints as, every run of other characters one "_" (case 3 of "C:\dir" is 3_C_dir),
// kept short enough to read.
struct CaseName {
    static constexpr std::size_t kMostWordCharacters = 48;

    template <typename Param>
    std::string operator()(const testing::TestParamInfo<Param>& info) const {
        std::string name = std::to_string(info.index);
        bool gap = true;
        for (const unsigned char c : testing::PrintToString(info.param)) {
            if (name.size() >= kMostWordCharacters) break;
            if (std::isalnum(c)) {
                if (gap) name += '_';
                name += static_cast<char>(c);
            }
            gap = !std::isalnum(c);
        }
        return name;
    }
};

}  // namespace pathnab
