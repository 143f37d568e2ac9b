// Points the class registry at a fresh temporary file for the life of the object.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

class TempRegistry {
public:
    TempRegistry() {
        dir_ = std::filesystem::temp_directory_path() /
               ("tlxreg-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "hkcr.reg").string();
        ::setenv("TLX_REGISTRY", path_.c_str(), 1);
    }
    ~TempRegistry() {
        ::unsetenv("TLX_REGISTRY");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::filesystem::path dir_;
    std::string path_;
};
