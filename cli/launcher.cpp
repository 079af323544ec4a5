#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string.h>
#include <unistd.h>

// quarvel-cli: picks the program that runs the command and becomes it. The
// commands that only compute (plan, cut, trace with --plot) go to
// quarvel-cli-core, which loads Qt Core alone; the others (render, template,
// trace without --plot, the usage text) to quarvel-cli-gui, which draws. This
// program loads no library but the C one, so the hand-over costs next to
// nothing; both programs sit beside it.

namespace {

bool computesOnly(int argc, char** argv) {
    if (argc < 2) return false;
    if (std::strcmp(argv[1], "plan") == 0 || std::strcmp(argv[1], "cut") == 0) return true;
    if (std::strcmp(argv[1], "trace") != 0) return false;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--plot") == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const char* name = computesOnly(argc, argv) ? "quarvel-cli-core" : "quarvel-cli-gui";
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    const char* slash = n > 0 ? static_cast<const char*>(::memrchr(path, '/', size_t(n))) : nullptr;
    const size_t folder = slash ? size_t(slash - path) + 1 : 0;
    if (folder + std::strlen(name) >= sizeof path) {
        std::fprintf(stderr, "quarvel-cli: path too long\n");
        return 2;
    }
    std::memcpy(path + folder, name, std::strlen(name) + 1);
    argv[0] = path;
    ::execv(path, argv);
    std::fprintf(stderr, "quarvel-cli: cannot start %s: %s\n", path, std::strerror(errno));
    return 2;
}
