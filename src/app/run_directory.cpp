#include "app/run_directory.h"

std::wstring run_directory_of(std::wstring_view module_path) {
    const auto last = module_path.rfind(L'\\');
    if (last == std::wstring_view::npos) return {};
    return std::wstring(module_path.substr(0, last));
}

std::wstring current_directory_for(std::wstring_view run_directory) {
    std::wstring directory(run_directory);
    if (directory.size() == 2 && directory[1] == L':') directory += L'\\';
    return directory;
}
