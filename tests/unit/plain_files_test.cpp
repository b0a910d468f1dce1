// The listing behind window matching: the scan files a folder offers are its plain files,
// never a folder or a hidden file, whatever their names end with.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/plain_files.h"

namespace fs = std::filesystem;

namespace {

class PlainFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() / ("zentavoro-plain-files-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void file(const std::string& name) const { std::ofstream(dir_ / name) << "x"; }

    std::vector<std::string> listed() const {
        std::vector<std::string> names;
#ifdef _WIN32
        for (const std::wstring& n : zv::plainFilesIn(dir_.wstring())) names.push_back(fs::path(n).string());
#else
        names = zv::plainFilesIn(dir_.string());
#endif
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(PlainFiles, lists_the_files_and_passes_over_folders_and_hidden_files) {
    file("Calculadora.zvo");
    file("notes.txt");
    fs::create_directories(dir_ / "Carpeta.zvo");
#ifdef _WIN32
    file("oculto.zvo");
    SetFileAttributesW((dir_ / "oculto.zvo").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
#else
    file(".oculto.zvo");
#endif
    EXPECT_EQ(listed(), (std::vector<std::string>{"Calculadora.zvo", "notes.txt"}));
}

TEST_F(PlainFiles, a_missing_folder_lists_nothing) {
    fs::remove_all(dir_);
    EXPECT_TRUE(listed().empty());
}

#ifndef _WIN32
TEST_F(PlainFiles, a_link_counts_by_what_it_leads_to) {
    file("real.zvo");
    fs::create_directories(dir_ / "folder");
    fs::create_symlink(dir_ / "real.zvo", dir_ / "link.zvo");
    fs::create_symlink(dir_ / "folder", dir_ / "folder-link.zvo");
    fs::create_symlink(dir_ / "gone.zvo", dir_ / "dangling.zvo");
    EXPECT_EQ(listed(), (std::vector<std::string>{"link.zvo", "real.zvo"}));
}
#endif

}  // namespace
