// Whole files replaced safely: whatever stops a write, the old file is still there, whole;
// and the reason of a failure is one the user can act on.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mount.h>
#include <sys/stat.h>
#endif

#include "platform/whole_file.h"

namespace fs = std::filesystem;
using zv::FileAccess;
using zv::WriteFailure;

namespace {

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() / ("zentavoro-whole-file-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override {
#ifndef _WIN32
        if (mounted_) umount(dir_.c_str());
#endif
        std::error_code ec;
        fs::permissions(dir_, fs::perms::all, ec);
        fs::remove_all(dir_, ec);
    }

    static zv::NativeName native(const fs::path& p) {
#ifdef _WIN32
        return p.wstring();
#else
        return p.string();
#endif
    }
    zv::WriteResult write(const std::string& name, const std::string& bytes, FileAccess access = FileAccess::Usual) {
        return zv::replaceWholeFile(native(dir_ / name), bytes, access);
    }
    void plant(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : fs::directory_iterator(dir_)) all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
#ifndef _WIN32
    // A file system of its own in the test's folder, as small as asked.
    bool mountSmallDisk(const char* options) {
        mounted_ = mount("tmpfs", dir_.c_str(), "tmpfs", 0, options) == 0;
        return mounted_;
    }
    bool mounted_ = false;
#endif

    fs::path dir_;
};

TEST_F(WholeFile, replaces_the_file_whole_and_leaves_nothing_else_in_the_folder) {
    plant("carta.zvo", std::string(5000, 'a'));
    ASSERT_TRUE(write("carta.zvo", "nuevo"));
    EXPECT_EQ(contents("carta.zvo"), "nuevo");
    ASSERT_TRUE(write("otra.zvo", std::string(70000, 'b')));
    EXPECT_EQ(contents("otra.zvo"), std::string(70000, 'b'));
    ASSERT_TRUE(write("vacia.zvo", ""));
    EXPECT_EQ(names(), (std::vector<std::string>{"carta.zvo", "otra.zvo", "vacia.zvo"}));
    EXPECT_EQ(zv::readWholeFile(native(dir_ / "otra.zvo"), 70000), std::string(70000, 'b'));
    EXPECT_EQ(zv::readWholeFile(native(dir_ / "otra.zvo"), 69999), std::nullopt);
    EXPECT_TRUE(zv::removeFile(native(dir_ / "otra.zvo")));
    EXPECT_TRUE(zv::removeFile(native(dir_ / "otra.zvo")));   // gone already: still gone
    EXPECT_EQ(zv::readWholeFile(native(dir_ / "otra.zvo"), 100), std::nullopt);
}

TEST_F(WholeFile, a_read_only_file_a_folder_and_a_missing_folder_are_refused_each_with_its_reason) {
    plant("locked.zvo", "old");
#ifdef _WIN32
    SetFileAttributesW((dir_ / "locked.zvo").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
#else
    chmod((dir_ / "locked.zvo").c_str(), 0444);   // refused to root as well
#endif
    EXPECT_EQ(write("locked.zvo", "new").failure, WriteFailure::NoPermission);
    EXPECT_EQ(contents("locked.zvo"), "old");
#ifdef _WIN32
    SetFileAttributesW((dir_ / "locked.zvo").wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    fs::create_directories(dir_ / "carpeta.zvo");
    EXPECT_EQ(write("carpeta.zvo", "new").failure, WriteFailure::RefusedName);
    EXPECT_EQ(write("no/such/x.zvo", "new").failure, WriteFailure::NoFolder);
    EXPECT_EQ(names(), (std::vector<std::string>{"carpeta.zvo", "locked.zvo"}));
}

#ifndef _WIN32

TEST_F(WholeFile, the_old_file_keeps_its_permissions_and_a_private_one_is_the_owner_s_alone) {
    plant("carta.zvo", "old");
    chmod((dir_ / "carta.zvo").c_str(), 0640);
    ASSERT_TRUE(write("carta.zvo", "new"));
    struct stat st {};
    stat((dir_ / "carta.zvo").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    const mode_t before = umask(0);
    const bool written = static_cast<bool>(write("recovery", "points", FileAccess::OwnerOnly));
    umask(before);
    ASSERT_TRUE(written);
    stat((dir_ / "recovery").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(WholeFile, a_link_stays_a_link_to_the_replaced_file) {
    fs::create_directories(dir_ / "real");
    plant("real/carta.zvo", "old");
    fs::create_symlink("real/carta.zvo", dir_ / "carta.zvo");
    ASSERT_TRUE(write("carta.zvo", "new"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "carta.zvo"));
    EXPECT_EQ(contents("real/carta.zvo"), "new");
}

TEST_F(WholeFile, a_full_disk_leaves_the_old_file_whole_and_no_temporary_file) {
    if (!mountSmallDisk("size=64k")) GTEST_SKIP() << "mounting a small disk needs root";
    const std::string old(20000, 'o');
    plant("carta.zvo", old);
    // More than the space left: the write stops part of the way through.
    const auto result = write("carta.zvo", std::string(60000, 'n'));
    EXPECT_EQ(result.failure, WriteFailure::DiskFull);
    EXPECT_EQ(contents("carta.zvo"), old);
    EXPECT_EQ(names(), (std::vector<std::string>{"carta.zvo"}));
    // Once there is room again, the same write goes through.
    ASSERT_TRUE(write("carta.zvo", std::string(30000, 'n')));
    EXPECT_EQ(contents("carta.zvo"), std::string(30000, 'n'));
}

TEST_F(WholeFile, a_read_only_disk_refuses_with_no_permission_and_keeps_the_old_file) {
    if (!mountSmallDisk("size=64k")) GTEST_SKIP() << "mounting a small disk needs root";
    plant("carta.zvo", "old");
    ASSERT_EQ(mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(write("carta.zvo", "new").failure, WriteFailure::NoPermission);
    EXPECT_EQ(contents("carta.zvo"), "old");
}

#endif

}  // namespace
