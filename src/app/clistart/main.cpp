// vellomar-cli: converts BMP files itself and hands every other command to
// the program that holds them all, so that a conversion starts without the
// toolkit or even the dynamic loader.
#include "FastBmpConvert.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The folder this program was started from, with its final '/'; empty when
// the system does not tell (no /proc).
std::string OwnFolder() {
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self);
    if (n <= 0 || size_t(n) >= sizeof self || self[0] != '/')
        return {};
    const std::string path(self, size_t(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = FastBmpConvert(argc, argv))
        return *status;
    // Beside this program in the build tree; in <prefix>/lib/vellomar once
    // installed. The installed tree names no prefix, so without its own
    // place this program runs nothing rather than a name found elsewhere.
    const std::string dir = OwnFolder();
    if (dir.empty()) {
        std::fprintf(stderr,
                     "vellomar-cli: cannot find vellomar-cli-commands: /proc/self/exe: %s\n",
                     std::strerror(errno ? errno : ENOENT));
        return 1;
    }
    std::string path;
    for (const char* place : {"", "../lib/vellomar/"}) {
        path = dir + place + "vellomar-cli-commands";
        if (access(path.c_str(), X_OK) == 0)
            break;
    }
    // The commands find the plug-in folders from this program's folder; what
    // the caller's environment said is not taken.
    const std::string folder = dir.size() > 1 ? dir.substr(0, dir.size() - 1) : dir;
    setenv("VELLOMAR_CLI_FOLDER", folder.c_str(), 1);
    execv(path.c_str(), argv);
    std::fprintf(stderr, "vellomar-cli: cannot run %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
}
