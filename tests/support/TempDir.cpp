#include "support/TempDir.h"

#include <fstream>

void TempDir::Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file = _path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}
