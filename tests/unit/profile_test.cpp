// The settings file service on real files: no caching, creation on first write, locking
// between writers and whole-file replacement.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/profile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using zv::profileGet;
using zv::profileSet;

namespace {

class ProfileService : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() /
               ("zentavoro-profile-" + std::to_string(stamp) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "Zentavoro.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeRaw(const std::string& bytes) const {
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string readRaw() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string get(const std::string& section, const std::string& key, const std::string& def = "none") const {
        return profileGet(file_, section, key, def, 50).value;
    }
    // Files in the folder other than the settings file and its lock file.
    std::vector<std::string> strayFiles() const {
        std::vector<std::string> stray;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            if (name != "Zentavoro.ini" && name != "Zentavoro.ini.lock") stray.push_back(name);
        }
        return stray;
    }

    fs::path dir_;
    std::string file_;
};

}  // namespace

TEST_F(ProfileService, a_missing_file_yields_defaults_and_the_first_write_creates_it) {
    EXPECT_EQ(profileGet(file_, "Zentavoro", "BEEP", "NO", 50).value, "NO");
    EXPECT_EQ(profileGet(file_, "Zentavoro", "BEEP", "NO", 50).ret, 2);
    EXPECT_FALSE(fs::exists(file_));
    ASSERT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "S\xCD"));
    EXPECT_EQ(readRaw(), "[Zentavoro]\r\nBEEP=S\xCD\r\n");
    EXPECT_EQ(get("zentavoro", "beep"), "S\xCD");
}

TEST_F(ProfileService, the_first_write_creates_missing_folders) {
    file_ = (dir_ / "config" / "zentavoro" / "Zentavoro.ini").string();
    ASSERT_TRUE(profileSet(file_, "s", "k", "1"));
    EXPECT_EQ(get("s", "k"), "1");
}

TEST_F(ProfileService, names_match_across_case_including_accented_letters) {
    ASSERT_TRUE(profileSet(file_, "LlibreriaZentavoro", "T\xCDTOL FINESTRA", "Bloc"));
    ASSERT_TRUE(profileSet(file_, "LLIBRERIAZENTAVORO", "t\xEDtol finestra", ""));
    EXPECT_EQ(readRaw(), "[LlibreriaZentavoro]\r\nT\xCDTOL FINESTRA=\r\n");
    EXPECT_EQ(get("llibreriazentavoro", "T\xCDTOL finestra"), "");  // empty, not the default
}

TEST_F(ProfileService, a_sixty_character_value_is_read_as_its_first_49) {
    const std::string sixty = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
    ASSERT_EQ(sixty.size(), 60u);
    ASSERT_TRUE(profileSet(file_, "s", "k", sixty));
    const zv::ProfileRead read = profileGet(file_, "s", "k", "", 50);
    EXPECT_EQ(read.ret, 49);
    EXPECT_EQ(read.value, sixty.substr(0, 49));
}

TEST_F(ProfileService, every_read_sees_edits_made_behind_its_back) {
    ASSERT_TRUE(profileSet(file_, "LlibreriaZentavoro", "CLIC", "0"));
    EXPECT_EQ(get("LlibreriaZentavoro", "CLIC"), "0");
    writeRaw("[LlibreriaZentavoro]\nCLIC=1\n");
    EXPECT_EQ(get("LlibreriaZentavoro", "CLIC"), "1");
    writeRaw("[LlibreriaZentavoro]\nCLIC=2\n");  // same size, same second
    EXPECT_EQ(get("LlibreriaZentavoro", "CLIC"), "2");
    fs::remove(file_);
    EXPECT_EQ(get("LlibreriaZentavoro", "CLIC"), "none");
    // A write also starts from what is on disk now.
    writeRaw("[a]\nx=1\n");
    ASSERT_TRUE(profileSet(file_, "a", "y", "2"));
    EXPECT_EQ(readRaw(), "[a]\r\nx=1\r\ny=2\r\n");
}

TEST_F(ProfileService, writing_the_stored_value_leaves_the_file_untouched) {
    writeRaw("[s]\nk = 1\n\n");
    ASSERT_TRUE(profileSet(file_, "S", "K", "1"));
    EXPECT_EQ(readRaw(), "[s]\nk = 1\n\n");
    ASSERT_TRUE(profileSet(file_, "s", "k", "2"));
    EXPECT_EQ(readRaw(), "[s]\r\nk=2\r\n");
}

TEST_F(ProfileService, writes_leave_no_temporary_files_and_a_failed_write_reports_false) {
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(profileSet(file_, "s", "k" + std::to_string(i), "v"));
    EXPECT_TRUE(strayFiles().empty());

    // The settings file's place is taken by a folder: nothing can be written there.
    fs::remove(file_);
    fs::create_directory(file_);
    EXPECT_FALSE(profileSet(file_, "s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(file_));
    fs::remove(file_);
    EXPECT_TRUE(strayFiles().empty());

    // A folder that cannot be created.
    writeRaw("not a folder");
    EXPECT_FALSE(profileSet(file_ + "/inner.ini", "s", "k", "v"));
}

TEST_F(ProfileService, a_refused_write_says_why) {
    using zv::ProfileWriteError;
    writeRaw("[s]\r\nk=old\r\n");
    fs::permissions(file_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(zv::profileWrite(file_, "s", "k", "new"), ProfileWriteError::ReadOnlyFile);
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(zv::profileWrite(file_ + "/inner.ini", "s", "k", "v"), ProfileWriteError::NoFolder);
    // Larger than any settings file: left alone, and said so.
    writeRaw(std::string(zv::kLargestSettingsFile + 1, ';'));
    EXPECT_EQ(zv::profileWrite(file_, "s", "k", "v"), ProfileWriteError::TooLarge);
    EXPECT_EQ(fs::file_size(file_), zv::kLargestSettingsFile + 1);
}

TEST_F(ProfileService, threads_writing_different_keys_lose_no_update) {
    constexpr int kThreads = 4;
    constexpr int kKeys = 40;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int t = 0; t < kThreads; ++t)
        writers.emplace_back([&, t] {
            for (int k = 0; k < kKeys; ++k)
                if (!profileSet(file_, "Zentavoro", "T" + std::to_string(t) + "K" + std::to_string(k),
                                std::to_string(t * 1000 + k)))
                    ++failures;
        });
    for (auto& w : writers) w.join();
    EXPECT_EQ(failures.load(), 0);
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(get("Zentavoro", "T" + std::to_string(t) + "K" + std::to_string(k)),
                      std::to_string(t * 1000 + k));
}

#ifndef _WIN32

TEST_F(ProfileService, processes_writing_different_keys_lose_no_update) {
    constexpr int kProcesses = 4;
    constexpr int kKeys = 40;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int k = 0; k < kKeys; ++k)
                if (!profileSet(file_, "LlibreriaZentavoro", "P" + std::to_string(p) + "K" + std::to_string(k),
                                std::to_string(p * 1000 + k)))
                    ++failures;
            _exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int p = 0; p < kProcesses; ++p)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(get("LlibreriaZentavoro", "P" + std::to_string(p) + "K" + std::to_string(k)),
                      std::to_string(p * 1000 + k));
}

TEST_F(ProfileService, a_write_waits_for_the_lock_held_by_another_writer) {
    ASSERT_TRUE(profileSet(file_, "s", "k", "before"));
    const int fd = open((file_ + ".lock").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);

    std::atomic<bool> done{false};
    std::thread writer([&] {
        profileSet(file_, "s", "k", "after");
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(done.load());
    EXPECT_EQ(get("s", "k"), "before");  // reads do not wait

    close(fd);
    writer.join();
    EXPECT_EQ(get("s", "k"), "after");
}

TEST_F(ProfileService, writing_the_stored_value_never_waits_for_another_writer) {
    // The poll resets the mailbox ten times a second: while the hook library holds the
    // lock, a reset of what is already there must not stall the user interface.
    ASSERT_TRUE(profileSet(file_, "LlibreriaZentavoro", "CLIC", "0"));
    const int fd = open((file_ + ".lock").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    std::atomic<bool> done{false};
    std::thread poll([&] {
        EXPECT_TRUE(profileSet(file_, "llibreriazentavoro", "clic", "0"));
        done = true;
    });
    for (int i = 0; i < 100 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(done.load());
    close(fd);
    poll.join();
}

#endif

TEST_F(ProfileService, a_file_beyond_the_size_bound_reads_as_missing_and_is_never_rewritten) {
    std::string huge = "[Zentavoro]\r\nBEEP=S\xCD\r\n[Padding]\r\n";
    const std::string line = "Key=" + std::string(1000, 'p') + "\r\n";
    while (huge.size() <= zv::kLargestSettingsFile) huge += line;
    writeRaw(huge);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "none");
    EXPECT_FALSE(profileSet(file_, "Zentavoro", "BEEP", "NO"));
    EXPECT_EQ(fs::file_size(file_), huge.size());

    // Just within the bound, the file is an ordinary one.
    huge.resize(zv::kLargestSettingsFile - 40);
    writeRaw(huge);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "S\xCD");
    EXPECT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "NO"));
    EXPECT_EQ(get("Zentavoro", "BEEP"), "NO");
}

TEST_F(ProfileService, a_read_only_file_is_never_rewritten_not_even_by_root) {
    ASSERT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "NO"));
    const std::string locked = readRaw();
    // No write permission: the read-only attribute on Windows.
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(file_, writable, fs::perm_options::remove);
    const auto lockedPermissions = fs::status(file_).permissions();
    EXPECT_FALSE(profileSet(file_, "Zentavoro", "BEEP", "S\xCD"));
    EXPECT_FALSE(profileSet(file_, "Zentavoro", "BEEP", "NO"));  // the same value: refused too
    EXPECT_FALSE(profileSet(file_, "Zentavoro", "Llengua", "English"));
    EXPECT_EQ(readRaw(), locked);
    EXPECT_EQ(fs::status(file_).permissions(), lockedPermissions);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "NO");  // reading goes on as before
    EXPECT_TRUE(strayFiles().empty());

    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "S\xCD"));
    EXPECT_EQ(get("Zentavoro", "BEEP"), "S\xCD");
}

TEST_F(ProfileService, temporary_files_left_by_dead_writers_are_removed_by_the_next_write) {
    const auto touch = [&](const std::string& name) { std::ofstream(dir_ / name) << "left"; };
    touch("Zentavoro.ini.tmp.99999.3");
    touch("Zentavoro.ini.tmp.1.0");
    touch("Zentavoro.ini.tmp.notes");  // not one of ours
    touch("Other.ini.tmp.5.5");         // another file's
    ASSERT_TRUE(profileSet(file_, "s", "k", "v"));
    std::vector<std::string> stray = strayFiles();
    std::sort(stray.begin(), stray.end());
    EXPECT_EQ(stray, (std::vector<std::string>{"Other.ini.tmp.5.5", "Zentavoro.ini.tmp.notes"}));
}

#ifndef _WIN32

TEST_F(ProfileService, temporary_files_of_killed_writers_are_removed_by_the_next_writer) {
    // Writers killed at any moment: a large file keeps each one busy long enough to be
    // caught between writing its temporary file and renaming it.
    std::string padding = "[Padding]\r\n";
    for (int i = 0; i < 4000; ++i) padding += "Key" + std::to_string(i) + "=" + std::string(100, 'p') + "\r\n";
    writeRaw(padding);
    for (int round = 0; round < 30; ++round) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0;; ++i) profileSet(file_, "Zentavoro", "N", std::to_string(i));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(3000 + 977 * round % 5000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    // The next process that writes cleans up after them.
    const pid_t next = fork();
    ASSERT_GE(next, 0);
    if (next == 0) _exit(profileSet(file_, "Zentavoro", "Done", "1") ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(next, &status, 0), next);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(strayFiles().empty());
    EXPECT_EQ(get("Zentavoro", "Done"), "1");
    EXPECT_EQ(profileGet(file_, "Padding", "Key3999", "", 200).value, std::string(100, 'p'));
}

// Runs one write as another user (nobody), as a second person sharing the folder would.
int writeAsAnotherUser(const std::string& file, const std::string& value) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        _exit(profileSet(file, "Zentavoro", "BEEP", value) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

TEST_F(ProfileService, a_lock_file_made_by_another_user_never_locks_out_the_next_one) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
    // Root writes first, under a strict umask, as "sudo" with a private umask would.
    const mode_t saved = umask(077);
    const bool written = profileSet(file_, "Zentavoro", "BEEP", "NO");
    umask(saved);
    ASSERT_TRUE(written);
    ASSERT_EQ(chmod(file_.c_str(), 0666), 0);  // the settings file itself is shared on purpose
    EXPECT_EQ(writeAsAnotherUser(file_, "S\xCD"), 0);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "S\xCD");

    // A lock file left unreadable to others by an earlier program is put right.
    ASSERT_EQ(chmod((file_ + ".lock").c_str(), 0600), 0);
    ASSERT_EQ(chmod(file_.c_str(), 0666), 0);
    EXPECT_EQ(writeAsAnotherUser(file_, "NO"), 0);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "NO");
    EXPECT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "S\xCD"));  // and root still can
    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(ProfileService, a_file_that_another_user_may_not_write_is_not_replaced_behind_his_back) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
    ASSERT_TRUE(profileSet(file_, "Zentavoro", "BEEP", "NO"));
    ASSERT_EQ(chmod(file_.c_str(), 0644), 0);  // root's own, readable by all
    EXPECT_EQ(writeAsAnotherUser(file_, "S\xCD"), 1);
    EXPECT_EQ(get("Zentavoro", "BEEP"), "NO");
}

#endif

TEST_F(ProfileService, readers_never_see_a_partly_written_file) {
    // A large file takes a while to write: an in-place rewrite would let a reader catch
    // it half done, and the key at its end would read as missing.
    std::string padding = "[Padding]\r\n";
    for (int i = 0; i < 3000; ++i) padding += "Key" + std::to_string(i) + "=" + std::string(60, 'p') + "\r\n";
    writeRaw(padding);
    ASSERT_TRUE(profileSet(file_, "Zentavoro", "Last", "present"));

    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::atomic<int> reads{0};
    std::thread reader([&] {
        while (!stop) {
            if (get("Zentavoro", "Last") != "present") ++torn;
            ++reads;
        }
    });
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(profileSet(file_, "Padding", "Key" + std::to_string(i), std::to_string(i)));
    stop = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(torn.load(), 0) << "of " << reads.load() << " reads";
}

#ifndef _WIN32
TEST_F(ProfileService, a_new_settings_file_and_its_folders_are_private_and_an_old_one_keeps_its_permissions) {
    const fs::path nested = dir_ / "config" / "zentavoro";
    const std::string made = (nested / "Zentavoro.ini").string();
    ASSERT_TRUE(profileSet(made, "s", "k", "v"));
    const auto permissions = [](const fs::path& p) { return fs::status(p).permissions() & fs::perms::all; };
    EXPECT_EQ(permissions(made), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(permissions(nested), fs::perms::owner_all);
    EXPECT_EQ(permissions(dir_ / "config"), fs::perms::owner_all);
    // A file the user shared on purpose stays shared.
    writeRaw("[s]\r\n");
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(profileSet(file_, "s", "k", "v"));
    EXPECT_EQ(permissions(file_), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                      fs::perms::others_read);
}

// A small file system of its own (root may mount one): full, then read-only.
TEST_F(ProfileService, a_full_disk_and_a_read_only_disk_are_named_and_the_file_stays_whole) {
    using zv::ProfileWriteError;
    const fs::path disk = dir_ / "disk";
    fs::create_directory(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (" << std::strerror(errno) << ")";
    struct Unmount {
        fs::path at;
        ~Unmount() { umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const std::string file = (disk / "Zentavoro.ini").string();
    ASSERT_TRUE(profileSet(file, "Zentavoro", "BEEP", "S\xCD"));
    const std::string before = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }();
    {
        std::ofstream filler(disk / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
        }
    }
    EXPECT_EQ(zv::profileWrite(file, "Zentavoro", "Llengua", std::string(40, 'a')), ProfileWriteError::DiskFull);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), before);

    fs::remove(disk / "filler");
    ASSERT_EQ(mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0) << std::strerror(errno);
    EXPECT_EQ(zv::profileWrite(file, "Zentavoro", "Llengua", "English"), ProfileWriteError::ReadOnlyDisk);
}

TEST(SettingsFilePath, follows_the_override_then_the_config_folder) {
    const char* saved[3] = {getenv("ZENTAVORO_INI"), getenv("XDG_CONFIG_HOME"), getenv("HOME")};
    const std::string keep[3] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "", saved[2] ? saved[2] : ""};
    setenv("ZENTAVORO_INI", "/tmp/x/My.ini", 1);
    EXPECT_EQ(zv::settingsFilePath(), "/tmp/x/My.ini");
    unsetenv("ZENTAVORO_INI");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(zv::settingsFilePath(), "/cfg/zentavoro/Zentavoro.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(zv::settingsFilePath(), "/home/u/.config/zentavoro/Zentavoro.ini");
    const char* names[3] = {"ZENTAVORO_INI", "XDG_CONFIG_HOME", "HOME"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i])
            setenv(names[i], keep[i].c_str(), 1);
        else
            unsetenv(names[i]);
    }
}
#endif
