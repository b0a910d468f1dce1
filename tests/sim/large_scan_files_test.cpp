// Scan files far larger than any the program writes, loaded by the real program on the
// simulated desktop: a file of empty lines loads in memory proportional to its size, and
// one beyond the largest sane size is refused unread, as a file that cannot be opened.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "backends/sim/environment.h"
#include "points/scan_file.h"

namespace zv::sim {
namespace {

// The peak a load may reach for a file of this size: the file, its text in the line
// buffer (two bytes a line at most) and the program itself. AddressSanitizer's shadow and
// quarantine add their own share.
long allowedPeakKb(size_t fileBytes) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr long kToolFactor = 3;
#else
    constexpr long kToolFactor = 1;
#endif
    return kToolFactor * (static_cast<long>(6 * fileBytes / 1024) + 40 * 1024);
}

const std::string kHeader = "Projecte Brisal 2001 - Zentavoro v: 1\r\n";
const std::string kLabel = "N\xFAmero de puntos = ";

class LargeScanFiles : public ::testing::Test {
protected:
    void SetUp() override { folder_ = makeFreshFolder("zentavoro-large-"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // Plays the scenario (UTF-8, as scenario files are) with zentavoro-sim, so that the
    // peak memory measured is the program's own; returns that peak in kilobytes, or -1
    // when the scenario failed.
    long play(const std::string& scenario) {
        const std::string file = write("large.scn", scenario);
        std::cout.flush();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(ZENTAVORO_SIM, ZENTAVORO_SIM, file.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
        return usage.ru_maxrss;
    }

    std::filesystem::path folder_;
};

TEST_F(LargeScanFiles, ten_megabytes_of_lone_carriage_returns_load_in_a_small_multiple_of_their_size) {
    constexpr size_t kSize = 10u << 20;
    const std::string path = write("crs.zvo", kHeader + std::string(kSize, '\r'));
    const long peak = play("start \"" + path + "\"\n" +
                                "expect message \"La segunda l\xC3\xADnea debe poner: Numero de puntos = (n\xC3\xBAmero entero)\"\n" +
                                "expect running yes\n");
    ASSERT_GT(peak, 0);
    EXPECT_LT(peak, allowedPeakKb(kSize)) << "kB at the peak";
}

TEST_F(LargeScanFiles, points_among_ten_megabytes_of_comments_are_all_read) {
    std::string bytes = kHeader + "// " + std::string(200, 'c') + "\r\n" + kLabel + "1001\r\n";
    for (int i = 0; i < 1001; ++i) {
        bytes += std::to_string(i + 1) + "," + std::to_string(i + 2) + "\r\n";
        bytes += std::string(10000, '/') + "\n";
    }
    const std::string path = write("comments.zvo", bytes);
    const long peak = play("start \"" + path + "\"\n" +
                                "expect quiet\n"
                                "expect FormPrincipal hidden\n"
                                "expect state PointCount 1001\n"
                                "expect point 1000 1001 1002\n");
    ASSERT_GT(peak, 0);
    EXPECT_LT(peak, allowedPeakKb(bytes.size())) << "kB at the peak";
}

TEST_F(LargeScanFiles, a_file_beyond_the_largest_size_is_refused_before_it_is_read) {
    std::string bytes = kHeader + kLabel + "1\r\n120,45\r\n";
    const std::string filler = "// " + std::string(1000, 'x') + "\r\n";
    while (bytes.size() + filler.size() <= kLargestScanFile) bytes += filler;
    bytes.resize(kLargestScanFile, '/');
    const std::string fits = write("fits.zvo", bytes);
    const std::string over = write("over.zvo", bytes + "/");
    EXPECT_GT(play("start \"" + over + "\"\n" +
                        "expect message \"No puedo abrir el archivo\"\n"
                        "expect quiet\n"
                        "expect state PointCount 0\n"
                        "expect FormPrincipal visible\n"),
              0);
    EXPECT_GT(play("start \"" + fits + "\"\n" +
                        "expect quiet\n"
                        "expect FormPrincipal hidden\n"
                        "expect state PointCount 1\n"),
              0);
}

}  // namespace
}  // namespace zv::sim
