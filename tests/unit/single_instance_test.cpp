#include <gtest/gtest.h>

#include "app/SingleInstance.h"

TEST(SingleInstance, OneIdentityPerExecutablePathWhateverItsLetterCase) {
    const uint64_t id = ExecutablePathIdentity(L"C:\\Tools\\Vantrelix\\Vantrelix.exe");
    EXPECT_EQ(ExecutablePathIdentity(L"c:\\tools\\VANTRELIX\\vantrelix.EXE"), id);
    EXPECT_EQ(ExecutablePathIdentity(L"C:\\Tools\\\xC4pfel\\Vantrelix.exe"),
              ExecutablePathIdentity(L"C:\\Tools\\\xE4pfel\\Vantrelix.exe"));
    // Other folders, other files: other identities.
    EXPECT_NE(ExecutablePathIdentity(L"C:\\Tools\\Vantrelix2\\Vantrelix.exe"), id);
    EXPECT_NE(ExecutablePathIdentity(L"D:\\Tools\\Vantrelix\\Vantrelix.exe"), id);
    EXPECT_NE(ExecutablePathIdentity(L"C:\\Tools\\Vantrelix\\Other.exe"), id);
}

TEST(SingleInstance, MutexNameIsShortAndPlainForAnyPath) {
    const std::wstring longPath = L"\\\\?\\C:\\" + std::wstring(32000, L'x') + L"\\Vantrelix.exe";
    for (const std::wstring& path : {std::wstring(L"C:\\Tools\\Vantrelix.exe"), longPath}) {
        const std::wstring name = InstanceMutexName(ExecutablePathIdentity(path));
        SCOPED_TRACE(testing::Message() << std::string(name.begin(), name.end()));
        const std::wstring prefix = L"Local\\Vantrelix-";
        ASSERT_EQ(name.rfind(prefix, 0), 0u);
        // A backslash after the namespace would make the name invalid.
        EXPECT_EQ(name.find(L'\\', prefix.size()), std::wstring::npos);
        EXPECT_EQ(name.size(), prefix.size() + 16);
        EXPECT_LT(name.size(), size_t(MAX_PATH));
    }
    EXPECT_EQ(InstanceMutexName(0x0123456789abcdefull), L"Local\\Vantrelix-0123456789abcdef");
}
