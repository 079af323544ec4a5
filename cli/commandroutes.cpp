#include "commandroutes.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

CliProgram programFor(int argc, const char* const* argv) {
    if (argc < 2) return CliProgram::Gui;
    for (const CommandRoute& route : commandRoutes) {
        if (std::strcmp(argv[1], route.command) != 0) continue;
        if (route.coreWith)
            for (int i = 2; i < argc; ++i)
                if (std::strcmp(argv[i], route.coreWith) == 0) return CliProgram::Core;
        return route.program;
    }
    return CliProgram::Gui;
}

int becomeProgram(CliProgram program, char** argv) {
    const char* name = program == CliProgram::Core ? "quarvel-cli-core" : "quarvel-cli-gui";
    // The running executable's folder, found without any library's help.
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    std::size_t folder = 0;
    for (ssize_t i = 0; i < n; ++i)
        if (path[i] == '/') folder = std::size_t(i) + 1;
    if (std::snprintf(path + folder, sizeof path - folder, "%s", name) >=
        int(sizeof path - folder)) {
        std::fputs("quarvel-cli: path too long\n", stderr);
        return 2;
    }
    argv[0] = path;
    ::execv(path, argv);
    std::fprintf(stderr, "quarvel-cli: cannot start %s (error %d)\n", path, errno);
    return 2;
}
