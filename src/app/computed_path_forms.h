#pragma once
#include "app/main_window_ports.h"
#include "app/path_list.h"

namespace pathnab {

// The rows computed anew from the file system and the network on every call.
class ComputedPathForms final : public PathFormsSource {
public:
    ComputedPathForms(FileNames& files, ModUncPath& unc) : files_(files), unc_(unc) {}
    std::vector<PathForm> Rows(const std::string& filePath, const SyntaxMode& syntax) override {
        return BuildPathForms(filePath, syntax, files_, unc_);
    }

private:
    FileNames& files_;
    ModUncPath& unc_;
};

}  // namespace pathnab
