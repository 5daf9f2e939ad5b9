#pragma once
// The Win32 headers, without the ANSI/wide macros that would rename this program's own
// OperatingSystem::GetComputerName and MessageBox.
#include <windows.h>
#include <lm.h>
#include <winnetwk.h>
#undef GetComputerName
#undef MessageBox
