#pragma once

#include <filesystem>
#include <string>

// A fresh folder that is the working directory while the object lives: the game reads
// res/ relative to it. Removed afterwards.
class TempDir {
public:
    TempDir() : _old(std::filesystem::current_path()) {
        char name[] = "/tmp/travolk-test-XXXXXX";
        _path = mkdtemp(name);
        std::filesystem::current_path(_path);
    }
    ~TempDir() {
        std::filesystem::current_path(_old);
        std::filesystem::remove_all(_path);
    }
    const std::filesystem::path& Path() const { return _path; }

    // copies the run folder's resources here, to be broken one by one
    void CopyRunFolder() const {
        std::filesystem::copy(std::filesystem::path(TRAVOLK_BUILD_DIR) / "res", _path / "res",
                              std::filesystem::copy_options::recursive);
    }
    void Write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path _old;
    std::filesystem::path _path;
};
