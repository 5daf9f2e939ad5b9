#include "settings/posix/built_in_version.h"

#include "version_info_values.h"

namespace pathnab {

namespace {

class BuiltInVersionSource final : public VersionSource {
public:
    VersionInfo Read() override {
        return VersionInfo{PATHNAB_COMPANY_NAME, PATHNAB_PRODUCT_NAME, PATHNAB_VERSION_MAJOR,
                           PATHNAB_VERSION_MINOR, PATHNAB_VERSION_BUILD, PATHNAB_VERSION_REVISION};
    }
};

}  // namespace

std::unique_ptr<VersionSource> MakeBuiltInVersionSource() {
    return std::make_unique<BuiltInVersionSource>();
}

}  // namespace pathnab
