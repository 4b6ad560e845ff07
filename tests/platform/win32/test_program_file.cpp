// What the program file carries beside its code (the manifest Windows reads before it starts it),
// and where it lets Windows look for DLLs once started.

#include <gtest/gtest.h>

#include "platform/toolkit.h"
#include "platform/win32/windows_api.h"

#include <filesystem>
#include <string>

namespace {

// The manifest resource of a program file; empty when it has none.
std::string manifestOf(const std::filesystem::path& program) {
    const HMODULE module = LoadLibraryExW(
        program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return {};
    }
    std::string manifest;
    if (const HRSRC found =
            FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST)) {
        if (const HGLOBAL loaded = LoadResource(module, found)) {
            manifest.assign(static_cast<const char*>(LockResource(loaded)),
                            SizeofResource(module, found));
        }
    }
    FreeLibrary(module);
    return manifest;
}

// Without it Windows runs an unmarked program with file virtualisation: a save it refuses under
// Program Files would land in the user's VirtualStore instead, and the editor would not know.
TEST(ProgramFile, manifest_asksToRunAsInvokerWithoutUiAccess) {
    const std::filesystem::path program(ORVANE_PROGRAM_FILE);
    const std::string manifest = manifestOf(program);
    ASSERT_FALSE(manifest.empty()) << "no manifest in " << program.string();
    const std::size_t start = manifest.find("<requestedExecutionLevel ");
    ASSERT_NE(start, std::string::npos);
    const std::string element = manifest.substr(start, manifest.find('>', start) - start);
    EXPECT_NE(element.find("level=\"asInvoker\""), std::string::npos) << element;
    EXPECT_NE(element.find("uiAccess=\"false\""), std::string::npos) << element;
}

// Once started, the program asks Windows for DLLs by name only from the system folder.
TEST(ProgramFile, dllPlantedBesideTheProgram_notLoadedOnceStarted) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const auto planted = std::filesystem::path(self).replace_filename("planted.dll");
    std::filesystem::copy_file(self, planted, std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(FreeLibrary(LoadLibraryW(L"planted.dll"))) << "not found even before start-up";
    int argumentCount = 0;
    const auto desktop = orvane::platform::startDesktop(argumentCount, nullptr);
    const HMODULE found = LoadLibraryW(L"planted.dll");
    EXPECT_EQ(found, nullptr);
    FreeLibrary(found);
    std::filesystem::remove(planted);
}

}  // namespace
