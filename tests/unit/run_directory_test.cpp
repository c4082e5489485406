#include "app/run_directory.h"

#include <gtest/gtest.h>

namespace {

struct directory_case {
    const wchar_t* module_path;
    const wchar_t* run_directory;
};

constexpr directory_case directory_cases[] = {
    {L"D:\\Server\\ConanDeploy.exe", L"D:\\Server"},
    {L"D:\\ConanDeploy.exe", L"D:"},
    {L"ConanDeploy.exe", L""},
    {L"", L""},
    {L"\\\\host\\share\\srv\\ConanDeploy.exe", L"\\\\host\\share\\srv"},
    // 乗 is 81 5C in code page 936: its second byte is a backslash's code.
    {L"D:\\服务端乗\\ConanDeploy.exe", L"D:\\服务端乗"},
    {L"D:\\乗\\ConanDeploy.exe", L"D:\\乗"},
};

TEST(RunDirectory, IsThePathUpToItsLastBackslash) {
    for (const directory_case& c : directory_cases)
        EXPECT_EQ(run_directory_of(c.module_path), c.run_directory) << "for " << c.module_path;
}

TEST(RunDirectory, BareDriveBecomesItsRootWhenMadeCurrent) {
    EXPECT_EQ(current_directory_for(L"D:"), L"D:\\");
    EXPECT_EQ(current_directory_for(L"D:\\Server"), L"D:\\Server");
    EXPECT_EQ(current_directory_for(L""), L"");
}

}  // namespace
