#include "app/DataFolder.h"

#include <filesystem>
#include <iostream>
#include <system_error>

bool DataFolder::Enter(const std::string& folder) {
    if (folder.empty()) {
        return true;
    }
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) {
        std::cerr << "Error: Could not enter the data folder " << folder << " (" << error.message() << ")"
                  << std::endl;
        return false;
    }
    return true;
}
