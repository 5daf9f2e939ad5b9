// The registry backend against Wine's real registry, checked from outside with reg.exe.
#include "settings/win32/win32_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "settings/reg_access.h"

namespace pathnab {
namespace {

// CTest runs the cases side by side: each has a key and an export file of its own.
std::string CurrentTestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::string TestSubkey() { return "Software\\PathnabTest\\" + CurrentTestName(); }
std::string TestKey() { return "HKEY_CURRENT_USER\\" + TestSubkey(); }

int RunQuietly(const std::wstring& command) {
    return _wsystem((command + L" >NUL 2>&1").c_str());
}

// reg.exe writes its export as UTF-16 with a byte-order mark.
std::string ExportedKey(const std::string& key) {
    wchar_t temp[MAX_PATH + 1];
    const std::wstring file =
        Wide(Utf8(temp, GetTempPathW(MAX_PATH + 1, temp)) + "pathnab-export-" + CurrentTestName() + ".reg");
    if (RunQuietly(L"reg export \"" + Wide(key) + L"\" \"" + file + L"\" /y") != 0) return {};
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    DeleteFileW(file.c_str());
    if (bytes.size() < 2) return {};
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::copy(bytes.begin() + 2, bytes.begin() + 2 + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<char*>(text.data()));
    return Utf8(text);
}

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RunQuietly(L"reg delete \"" + Wide(TestKey()) + L"\" /f"); }
    void TearDown() override { RunQuietly(L"reg delete \"" + Wide(TestKey()) + L"\" /f"); }

    std::unique_ptr<Registry> registry = MakeWin32Registry();
};

TEST_F(Win32RegistryTest, EveryKindWrittenIsStoredAsWindowsReadsIt) {
    const std::string key = TestKey() + "\\Created\\Along\\The Path";
    ASSERT_TRUE(WriteRegValue(*registry, key + "\\Text", std::string("Données 日本語 \"q\"")));
    ASSERT_TRUE(WriteRegValue(*registry, key + "\\Number", std::int32_t{-2}));
    ASSERT_TRUE(WriteRegValue(*registry, key + "\\Bytes", RegByteArray{{0x01, 0x00, 0xFF}, 0}));
    ASSERT_TRUE(WriteRegValue(*registry, key + "\\", std::string("the default")));

    const std::string exported = ExportedKey(key);
    EXPECT_NE(exported.find("\"Text\"=\"Données 日本語 \\\"q\\\"\""), std::string::npos) << exported;
    EXPECT_NE(exported.find("\"Number\"=dword:fffffffe"), std::string::npos) << exported;
    EXPECT_NE(exported.find("\"Bytes\"=hex:01,00,ff"), std::string::npos) << exported;
    EXPECT_NE(exported.find("@=\"the default\""), std::string::npos) << exported;
}

TEST_F(Win32RegistryTest, EveryKindAddedByWindowsReadsBack) {
    const std::wstring key = Wide(TestKey()) + L"\\Added";
    ASSERT_EQ(RunQuietly(L"reg add \"" + key + L"\" /v Text /t REG_SZ /d \"Ünï 中文 x\" /f"), 0);
    ASSERT_EQ(RunQuietly(L"reg add \"" + key + L"\" /v Number /t REG_DWORD /d 42 /f"), 0);
    ASSERT_EQ(RunQuietly(L"reg add \"" + key + L"\" /v Bytes /t REG_BINARY /d 0a00ff /f"), 0);
    ASSERT_EQ(RunQuietly(L"reg add \"" + key + L"\" /ve /d root /f"), 0);
    ASSERT_EQ(RunQuietly(L"reg add \"" + key + L"\" /v Empty /t REG_SZ /d \"\" /f"), 0);

    const std::string path = TestKey() + "\\Added\\";
    EXPECT_EQ(ReadRegValue(*registry, path + "Text"), RegValue("Ünï 中文 x"));
    EXPECT_EQ(ReadRegValue(*registry, path + "Number"), RegValue(std::int32_t{42}));
    EXPECT_EQ(ReadRegValue(*registry, path + "Bytes"), RegValue(RegByteArray{{0x0A, 0x00, 0xFF}, 0}));
    EXPECT_EQ(ReadRegValue(*registry, path), RegValue("root"));
    EXPECT_EQ(ReadRegValue(*registry, path + "Empty"), RegValue(""));
    EXPECT_TRUE(ReadRegValue(*registry, path + "Missing").IsNull());
}

TEST_F(Win32RegistryTest, TextStoredWithoutTerminatorReadsWhole) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(TestSubkey()).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring text = L"abc日";
    RegSetValueExW(key, L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                   static_cast<DWORD>(text.size() * sizeof(wchar_t)));
    RegCloseKey(key);
    EXPECT_EQ(ReadRegValue(*registry, TestKey() + "\\Bare"), RegValue("abc日"));
}

TEST_F(Win32RegistryTest, UsersRootIsTheRealOne) {
    const std::string path = "HKUR\\.DEFAULT\\Software\\PathnabTest\\Value";
    ASSERT_TRUE(WriteRegValue(*registry, path, std::string("users")));
    EXPECT_NE(ExportedKey("HKEY_USERS\\.DEFAULT\\Software\\PathnabTest").find("\"Value\"=\"users\""),
              std::string::npos);
    RunQuietly(L"reg delete \"HKEY_USERS\\.DEFAULT\\Software\\PathnabTest\" /f");
}

}  // namespace
}  // namespace pathnab
