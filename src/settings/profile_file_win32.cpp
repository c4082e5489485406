#include "settings/profile_file.h"

#include <windows.h>

#include "app/shell.h"
#include "app/wide_text_win32.h"

std::wstring settings_file_path(std::string_view relative_path) {
    return run_directory() + widen(relative_path);
}

std::optional<std::string> read_file_bytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size) && size.QuadPart < (1LL << 30)) {
        bytes.emplace(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (!ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr) ||
            read != bytes->size())
            bytes.reset();
    }
    CloseHandle(file);
    return bytes;
}

namespace {

bool write_whole(const std::wstring& path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size() && FlushFileBuffers(file);
    return CloseHandle(file) && complete;
}

}  // namespace

bool replace_file_bytes(const std::wstring& path, std::string_view bytes) {
    // Windows would refuse a read-only file; some file systems (and Wine) let the
    // rename replace it anyway, so the attribute is tested here.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::wstring temporary = path + L".ConanDeploy.tmp";
    bool replaced = write_whole(temporary, bytes);
    // The new file keeps the old one's hidden or system mark, if it had one.
    constexpr DWORD plain = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;
    if (replaced && attributes != INVALID_FILE_ATTRIBUTES && (attributes & ~plain))
        SetFileAttributesW(temporary.c_str(), attributes);
    replaced = replaced && MoveFileExW(temporary.c_str(), path.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) DeleteFileW(temporary.c_str());
    return replaced;
}
