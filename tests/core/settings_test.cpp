// The program's settings when the file refuses a write: kept in memory and said once.
#include "app/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace zv {
namespace {

void setEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());  // an empty value removes it
#else
    if (value.empty()) {
        ::unsetenv(name);
    } else {
        ::setenv(name, value.c_str(), 1);
    }
#endif
}

class UnwritableSettings : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() / ("zentavoro-settings-" + std::to_string(stamp));
        fs::create_directories(dir_);
        file_ = (dir_ / "Zentavoro.ini").string();
        setEnvironment("ZENTAVORO_INI", file_);
        settings::beginRun([this](const std::string& file, ProfileWriteError why) { told_.push_back({file, why}); });
    }
    void TearDown() override {
        settings::beginRun(nullptr);
        setEnvironment("ZENTAVORO_INI", "");
        // Windows removes no read-only file.
        std::error_code absent;
        fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add, absent);
        fs::remove_all(dir_);
    }
    void writeLocked(const std::string& bytes) {
        std::error_code absent;
        fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add, absent);
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << bytes;
        fs::permissions(file_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    std::string raw() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    struct Told {
        std::string file;
        ProfileWriteError why;
    };
    fs::path dir_;
    std::string file_;
    std::vector<Told> told_;
};

TEST_F(UnwritableSettings, a_refused_value_is_read_back_from_memory_and_said_once) {
    writeLocked("[Zentavoro]\r\nBEEP=NO\r\n");
    settings::writeSwitch("Zentavoro", "BEEP", true);
    EXPECT_TRUE(settings::isOn("Zentavoro", "beep", "S\xCD"));   // names match whatever their case
    settings::write("Zentavoro", "Llengua", "English");
    EXPECT_EQ(settings::read("Zentavoro", "Llengua", "NO"), "English");
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].file, file_);
    EXPECT_EQ(told_[0].why, ProfileWriteError::ReadOnlyFile);
    EXPECT_EQ(raw(), "[Zentavoro]\r\nBEEP=NO\r\n");

    // A new run starts from the file again.
    settings::beginRun(nullptr);
    EXPECT_FALSE(settings::isOn("Zentavoro", "BEEP", "S\xCD"));
}

TEST_F(UnwritableSettings, what_another_program_writes_afterwards_is_newer_than_memory) {
    writeLocked("[LlibreriaZentavoro]\r\nCLIC=1\r\n");
    // The poll's reset of a press another program left in a locked file: the press is
    // not read again at every tick...
    settings::write("LlibreriaZentavoro", "CLIC", "0", "0");
    EXPECT_EQ(settings::read("LlibreriaZentavoro", "CLIC", "0"), "0");
    EXPECT_EQ(told_.size(), 1u);
    // ...but a new press written into the file is.
    writeLocked("[LlibreriaZentavoro]\r\nCLIC=2\r\n");
    EXPECT_EQ(settings::read("LlibreriaZentavoro", "CLIC", "0"), "2");
}

TEST_F(UnwritableSettings, storing_what_the_file_already_holds_loses_nothing_and_says_nothing) {
    writeLocked("[Zentavoro]\r\nBEEP=S\xCD\r\n");
    settings::writeSwitch("Zentavoro", "BEEP", true);
    // The mailbox's "0" where the file holds no such key: absent reads as "0".
    settings::write("LlibreriaZentavoro", "CLIC", "0", "0");
    EXPECT_TRUE(told_.empty());
}

TEST_F(UnwritableSettings, once_the_file_takes_writes_again_they_go_to_it) {
    writeLocked("");
    settings::write("Zentavoro", "BEEP", "S\xCD");
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    settings::write("Zentavoro", "BEEP", "NO");
    EXPECT_EQ(raw(), "[Zentavoro]\r\nBEEP=NO\r\n");
    EXPECT_EQ(settings::read("Zentavoro", "BEEP", ""), "NO");
    EXPECT_EQ(told_.size(), 1u);
}

TEST_F(UnwritableSettings, a_folder_that_cannot_be_made_is_named_as_the_reason) {
    std::ofstream(dir_ / "blocker") << "a file, not a folder";
    const std::string inside = (dir_ / "blocker" / "Zentavoro.ini").string();
    setEnvironment("ZENTAVORO_INI", inside);
    settings::write("Zentavoro", "BEEP", "S\xCD");
    EXPECT_EQ(settings::read("Zentavoro", "BEEP", "NO"), "S\xCD");
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0].file, inside);
    EXPECT_EQ(told_[0].why, ProfileWriteError::NoFolder);
}

}  // namespace
}  // namespace zv
