// Opening a file or address with the desktop's default application, and the beep.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include <QCoreApplication>
#include <QFile>

#include "backends/x11/x11_platform.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xlib.h>

extern char** environ;

namespace zv::x11 {

void X11Platform::shellOpen(const std::string& target) {
    std::string path = nativeName(target);
    // A bare name is the current directory's, as the shell would take it; the opener may
    // run elsewhere.
    if (!path.empty() && path[0] != '/' && path.find("://") == std::string::npos && access(path.c_str(), F_OK) == 0) {
        if (char* cwd = getcwd(nullptr, 0)) {
            path = std::string(cwd) + "/" + path;
            free(cwd);
        }
    }
    // No shell in between: the name is one argument whatever it holds.
    std::string program = "xdg-open";
    char* argv[] = {program.data(), path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return;
    // The opener's result is not looked at; it is only reaped.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
}

std::optional<std::string> X11Platform::installedHelp() {
    // Installed beside the program's own prefix first, wherever the prefix was moved; then
    // where this build installs it; then, in a developer's run, the copy the build made.
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + "/../share/doc/zentavoro/zentavoro.txt",
        QStringLiteral(ZENTAVORO_DOC_DIR "/zentavoro.txt"),
        QStringLiteral(ZENTAVORO_BUILT_HELP),
    };
    for (const QString& c : candidates)
        if (QFile::exists(c)) return systemName(c.toStdString());
    return std::nullopt;
}

void X11Platform::messageBeep(unsigned) {
    XBell(display_, 0);
    XFlush(display_);
}

}  // namespace zv::x11
