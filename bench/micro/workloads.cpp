#include "micro/workloads.h"

#include <chrono>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/plain_files.h"
#include "platform/profile.h"
#include "points/point_set.h"
#include "points/scan_file.h"
#include "points/window_matching.h"
#include "platform/text.h"

namespace zv::bench {

namespace fs = std::filesystem;

namespace {
constexpr const char* kMailbox = "LlibreriaZentavoro";
constexpr const char* kOptions = "Zentavoro";
// The title of the window in front while matching: no scan file of the folder fits, so
// every candidate is looked at.
constexpr const char* kTitle = "SIN T\xCDTULO - BLOC DE NOTAS";
}  // namespace

Scratch::Scratch(const std::string& name) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = fs::temp_directory_path() / ("zentavoro-bench-" + name + "-" + std::to_string(stamp));
    fs::create_directories(folder_);
}

Scratch::~Scratch() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::string Scratch::file(const std::string& name) const { return (folder_ / name).string(); }

void writeSettingsFile(const std::string& file, int keys) {
    // What the program writes itself: 14 options, 7 frame and mailbox keys, 2 of size.
    std::string text = "[Zentavoro]\r\n";
    const char* options[] = {"D\xC8" "CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG=12",
                             "D\xC8" "CIMES DE SEGON QUE DURA L'INTERVAL DE TEMPS ENTRE 2 CLICS=10",
                             "CERCAR ARXIU ESCANEIG=NO", "ESCANEIG DIRIGIT=NO",
                             "CLIC AUTOM\xC0TIC AL ACCEDIR PER TECLAT=NO", "ENVIAR TABS I RETURN=NO",
                             "QUADRE SEGUIMENT MOUSE=NO", "BEEP=NO", "QUALSEVOL TECLA=NO", "Llengua=Castell\xE0",
                             "MenuWindowsVista=NO"};
    int written = 0;
    for (const char* o : options) {
        text += std::string(o) + "\r\n";
        ++written;
    }
    for (int i = 0; written < keys - 9; ++i, ++written) text += "Extra" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    text += "[LlibreriaZentavoro]\r\nGRANDARIA=3\r\nGRANDARIAX=100\r\nGRANDARIAY=200\r\nCOLOR=255\r\n";
    text += "CLIC=0\r\nKEYBOARD=0\r\nT\xCDTOL FINESTRA=\r\n[Posicio Finestra]\r\nWidth=165\r\nHeight=90\r\n";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

void idleTick(const std::string& file) {
    (void)profileGet(file, kMailbox, "KEYBOARD", "0", 50);
    (void)profileGet(file, kMailbox, "CLIC", "0", 50);
    (void)profileSet(file, kMailbox, "CLIC", "0");
}

void reportPress(const std::string& file) { (void)profileSet(file, kMailbox, "CLIC", "1"); }

void tickTakingThePress(const std::string& file) { idleTick(file); }

void readLastKey(const std::string& file) { (void)profileGet(file, kMailbox, "T\xCDTOL FINESTRA", "", 50); }

void switchOption(const std::string& file, bool on) { (void)profileSet(file, kOptions, "BEEP", on ? "S\xCD" : "NO"); }

void fillScanFolder(const fs::path& folder, int count) {
    const std::string content = scanFileBytes(4, 0);
    for (int i = 0; i < count; ++i)
        std::ofstream(folder / ("Aplicacion " + std::to_string(i) + ".zvo"), std::ios::binary) << content;
    // Files that are no scan files are passed over by the listing.
    for (int i = 0; i < count / 10; ++i) std::ofstream(folder / ("notes " + std::to_string(i) + ".txt")) << "x";
}

std::vector<std::string> listScanFiles(const fs::path& folder) {
    // The desktops' own listing, named in code page 1252 as they name it, then the
    // program's rule for which files are candidates.
    std::vector<std::string> names;
#ifdef _WIN32
    for (const std::wstring& wide : plainFilesIn(folder.wstring()))
        names.push_back(utf16ToCp1252(std::u16string(wide.begin(), wide.end())));
#else
    for (const std::string& name : plainFilesIn(folder.string())) names.push_back(utf8ToCp1252(name));
#endif
    std::erase_if(names, [](const std::string& name) { return !isScanFileName(name); });
    return names;
}

bool matchWindow(const fs::path& folder) {
    return firstMatchingScanFile(listScanFiles(folder), kTitle).has_value();
}

bool matchOnly(const std::vector<std::string>& names) { return firstMatchingScanFile(names, kTitle).has_value(); }

std::string scanFileBytes(int points, int commentsEvery) {
    std::string s = std::string(kScanFileHeader) + "\r\n" + kScanFileLabel + std::to_string(points) + "\r\n";
    for (int i = 0; i < points; ++i) {
        if (commentsEvery && i % commentsEvery == 0) s += "// a comment line\r\n";
        s += std::to_string(i + 1) + "," + std::to_string(2 * i + 1) + "\r\n";
    }
    return s;
}

int loadScanFile(const std::string& bytes) {
    const LoadedLines loaded = loadLines(bytes);
    PointSet set;
    (void)readScanFile(loaded.lines, set);
    return set.PointCount;
}

}  // namespace zv::bench
