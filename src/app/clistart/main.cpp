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

int main(int argc, char** argv) {
    if (const std::optional<int> status = FastBmpConvert(argc, argv))
        return *status;
    // Beside this program in the build tree; in <prefix>/lib/vellomar once installed.
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir = n > 0 ? std::string(self, size_t(n)) : std::string();
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    std::string path;
    for (const char* place : {"", "../lib/vellomar/"}) {
        path = dir + place + "vellomar-cli-commands";
        if (access(path.c_str(), X_OK) == 0)
            break;
    }
    // The commands find the plug-in folders from this program's folder.
    if (dir.size() > 1)
        setenv("VELLOMAR_CLI_FOLDER", dir.substr(0, dir.size() - 1).c_str(), 1);
    execv(path.c_str(), argv);
    std::fprintf(stderr, "vellomar-cli: cannot run %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
}
