#include "launchersystem.h"

// quarvel-cli: picks the program that runs the command and becomes it. The
// commands that only compute (plan, cut, trace with --plot) go to
// quarvel-cli-core, which loads Qt Core alone; the others (render, template,
// trace without --plot, the usage text) to quarvel-cli-gui, which draws. This
// program loads no library (at most the C one), so the hand-over costs next to
// nothing; both programs sit beside it. Freestanding, it has no string
// functions: the few it needs are written here.

namespace {

constexpr std::size_t PathCapacity = 4096;

std::size_t length(const char* text) {
    std::size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

bool same(const char* a, const char* b) {
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}

bool computesOnly(int argc, char** argv) {
    if (argc < 2) return false;
    if (same(argv[1], "plan") || same(argv[1], "cut")) return true;
    if (!same(argv[1], "trace")) return false;
    for (int i = 2; i < argc; ++i)
        if (same(argv[i], "--plot")) return true;
    return false;
}

void appendText(char* buffer, std::size_t& used, std::size_t capacity, const char* text) {
    for (; *text && used < capacity; ++text)
        buffer[used++] = *text;
}

// "quarvel-cli: cannot start PATH (error N)": no strerror without a C library.
int reportFailure(const char* path, long error) {
    char message[PathCapacity + 96];
    std::size_t used = 0;
    appendText(message, used, sizeof message, "quarvel-cli: cannot start ");
    appendText(message, used, sizeof message, path);
    appendText(message, used, sizeof message, " (error ");
    char digits[24];
    int n = 0;
    unsigned long value = error < 0 ? static_cast<unsigned long>(-error) : 0;
    do
        digits[n++] = char('0' + value % 10);
    while ((value /= 10) != 0);
    while (n > 0 && used < sizeof message)
        message[used++] = digits[--n];
    appendText(message, used, sizeof message, ")\n");
    launcher::writeError(message, used);
    return 2;
}

int launch(int argc, char** argv, char** envp) {
    const char* name = computesOnly(argc, argv) ? "quarvel-cli-core" : "quarvel-cli-gui";
    static char path[PathCapacity];
    const long n = launcher::readLink("/proc/self/exe", path, sizeof path);
    std::size_t folder = 0;
    if (n > 0)
        for (long i = 0; i < n; ++i)
            if (path[i] == '/') folder = std::size_t(i) + 1;
    if (folder + length(name) >= sizeof path) {
        const char message[] = "quarvel-cli: path too long\n";
        launcher::writeError(message, sizeof message - 1);
        return 2;
    }
    std::size_t end = folder;
    appendText(path, end, sizeof path, name);
    path[end] = '\0';
    argv[0] = path;
    return reportFailure(path, launcher::execute(path, argv, envp));
}

} // namespace

#ifdef QUARVEL_FREESTANDING_LAUNCHER

// The kernel's entry: the stack holds argc, argv..., 0, envp..., 0.
extern "C" [[noreturn, gnu::used]] void quarvelLauncherStart(long* stack) {
    const int argc = int(stack[0]);
    char** argv = reinterpret_cast<char**>(stack + 1);
    launcher::exitProcess(launch(argc, argv, argv + argc + 1));
}

asm(".globl _start\n"
    "_start:\n"
    "    xor %rbp, %rbp\n"
    "    mov %rsp, %rdi\n"
    "    and $-16, %rsp\n"
    "    call quarvelLauncherStart\n"
    "    hlt\n");

#else

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace launcher {
long readLink(const char* path, char* buffer, std::size_t size) {
    const ssize_t n = ::readlink(path, buffer, size);
    return n < 0 ? -errno : long(n);
}
long execute(const char* path, char** argv, char** envp) {
    ::execve(path, argv, envp);
    return -errno;
}
void writeError(const char* text, std::size_t size) {
    std::fwrite(text, 1, size, stderr);
}
void exitProcess(int code) {
    std::exit(code);
}
} // namespace launcher

int main(int argc, char** argv) {
    return launch(argc, argv, environ);
}

#endif
