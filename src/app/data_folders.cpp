#include "app/data_folders.h"

#include <filesystem>
#include <system_error>

namespace quirvanto {

std::string dataFolderHolding(const std::string& programFolder, std::string_view name) {
    namespace fs = std::filesystem;
    const fs::path beside(programFolder);
    const fs::path installed = beside / QUIRVANTO_DATA_FROM_PROGRAM;
    for (const fs::path& folder : {beside, installed}) {
        std::error_code error;
        if (fs::is_directory(folder / name, error)) {
            return folder.lexically_normal().string();
        }
    }
    return programFolder;
}

}  // namespace quirvanto
