#pragma once
#include <string>
#include <vector>

#include "about/about_services.h"
#include "pathforms/path_conventions.h"
#include "settings/registry.h"
#include "settings/version_info.h"

namespace pathnab {

// The maker's web address named after the product in the caption and the title.
inline constexpr const char* kMakerWebAddress = "www.tallwick.example";

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Where the System Information program is registered below HKEY_LOCAL_MACHINE: first the
// program itself, else the folder that holds kSysInfoProgramFile.
inline constexpr const char* kSysInfoProgramKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoProgramValue = "PATH";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";
inline constexpr const char* kSysInfoProgramFile = "MSINFO32.EXE";
// The registered program text may name several programs, one per line: where the program's
// name differs between releases of a system, one registration serves them all.
inline constexpr char kSysInfoProgramSeparator = '\n';

// The texts the About box's load step fills in.
struct AboutTexts {
    std::string caption;
    std::string title;
    std::string version;
};

AboutTexts LoadAboutTexts(const VersionInfo& version);

// Reads one registry value as text into keyVal; true when a value was read. A text value
// becomes that text, a 32-bit number "&h" + its bytes in hexadecimal from the last to the
// first appended to what keyVal held, any other type leaves keyVal as it was.
bool GetKeyValue(Registry& registry, RegKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// The program text that registers the programs given, the preferred one first.
std::string SysInfoProgramText(const std::vector<std::string>& programs);

// The program a registered text names: the first of its lines that is an ordinary file, else
// the last line as given. A single name is thus started without an existence test, and a text
// naming only missing programs still leads to a failed start and the unavailable message.
std::string ChooseSysInfoProgram(const std::string& registered, FileProbe& files);

// The registered folder joined with kSysInfoProgramFile; always adds one separator.
std::string SysInfoProgramInFolder(const std::string& folder, char separator);

// Finds and starts the System Information program, or reports in a message box that it is
// unavailable. Never throws. The registered folder is joined with the host's own separator,
// since a "\" would name a file that can never exist in a Linux folder.
void StartSysInfo(const AboutServices& services, char folderSeparator = HostPathConventions().separator);

}  // namespace pathnab
