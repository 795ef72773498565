// limited-run [--fsize BYTES] [--data BYTES] PROGRAM [ARG]...: runs PROGRAM under a file-size
// limit (as `ulimit -f` sets) and a limit on its data memory, with SIGXFSZ at its default
// (ending the program), whatever the caller had, so that a test sees what a user would.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        rlim_t bytes = std::strtoull(argv[i + 1], nullptr, 10);
        rlimit limit{bytes, bytes};
        int resource = std::strcmp(argv[i], "--fsize") == 0 ? RLIMIT_FSIZE : std::strcmp(argv[i], "--data") == 0 ? RLIMIT_DATA : -1;
        if (resource < 0 || setrlimit(resource, &limit) != 0) {
            std::fprintf(stderr, "limited-run: cannot set %s %s\n", argv[i], argv[i + 1]);
            return 125;
        }
    }
    if (i >= argc) {
        std::fprintf(stderr, "usage: limited-run [--fsize BYTES] [--data BYTES] PROGRAM [ARG]...\n");
        return 125;
    }
    std::signal(SIGXFSZ, SIG_DFL);
    execv(argv[i], argv + i);
    std::perror(argv[i]);
    return 127;
}
