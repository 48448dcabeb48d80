// Runs a command and reports its wall-clock time (monotonic) and peak resident memory.
// Usage: tuk_bench_measure RESULT_FILE COMMAND [ARG...]
// RESULT_FILE receives one line: "<seconds> <peak kilobytes> <CPU seconds, user + system>".
// The peak is that of the command and every process it starts (its process group, summed, as
// seen every 20 ms), or the command's own peak when that is higher.
// The command's own exit status is passed on.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// Resident kilobytes of every process in the group.
static long GroupResidentKb(pid_t group) {
    long total = 0;
    DIR* proc = opendir("/proc");
    if (!proc)
        return 0;
    while (const dirent* entry = readdir(proc)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9')
            continue;
        char path[300], line[512];
        std::snprintf(path, sizeof path, "/proc/%s/stat", entry->d_name);
        FILE* stat = std::fopen(path, "r");
        if (!stat)
            continue;
        const bool read = std::fgets(line, sizeof line, stat) != nullptr;
        std::fclose(stat);
        const char* after = read ? std::strrchr(line, ')') : nullptr;
        long pgrp = 0, rssPages = 0;
        // Fields after the name: state ppid pgrp ... rss is the 24th field of the line.
        if (!after || std::sscanf(after + 2, "%*c %*d %ld", &pgrp) != 1 || pgrp != group)
            continue;
        const char* field = after + 2;
        for (int i = 3; i < 24 && field; ++i)
            field = std::strchr(field + 1, ' ');
        if (field)
            rssPages = std::strtol(field + 1, nullptr, 10);
        total += rssPages * (sysconf(_SC_PAGESIZE) / 1024);
    }
    closedir(proc);
    return total;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RESULT_FILE COMMAND [ARG...]\n", argv[0]);
        return 2;
    }
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    long treePeak = 0;
    pid_t ended = 0;
    // The memory is looked at every 20 ms, but the end is seen at once (through a descriptor of
    // the child, where the kernel has them), so a short run is not timed in steps of 20 ms.
    const int childFd = child > 0 ? static_cast<int>(syscall(SYS_pidfd_open, child, 0)) : -1;
    while (child > 0 && (ended = wait4(child, &status, WNOHANG, &usage)) == 0) {
        treePeak = std::max(treePeak, GroupResidentKb(child));
        if (pollfd childEnd{childFd, POLLIN, 0}; childFd < 0 || poll(&childEnd, 1, 20) < 0)
            usleep(20000);
    }
    if (child < 0 || ended != child) {
        std::perror("fork/wait");
        return 2;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double seconds = static_cast<double>(end.tv_sec - start.tv_sec) +
                           static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e9;
    FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 2;
    }
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::fprintf(out, "%.4f %ld %.4f\n", seconds, std::max(treePeak, usage.ru_maxrss), cpu);
    std::fclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
