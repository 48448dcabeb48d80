// The file system's floor for making pages: for every image of a folder, read its size and
// date and write a page of a given length with open/write/close, nothing else. The page
// generator's benchmark compares tu_k-make with this.
// Usage: tuk_bench_floor FOLDER PAGE_BYTES

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsImage(const char* name) {
    const char* dot = std::strrchr(name, '.');
    return dot && (strcasecmp(dot, ".jpg") == 0 || strcasecmp(dot, ".jpeg") == 0 ||
                   strcasecmp(dot, ".gif") == 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER PAGE_BYTES\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    std::string page(static_cast<size_t>(std::atol(argv[2])), 'x');
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        std::perror(argv[1]);
        return 1;
    }
    int pages = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !IsImage(entry->d_name))
            continue;
        const std::string image = folder + entry->d_name;
        struct stat st {};
        if (stat(image.c_str(), &st) != 0) {
            std::perror(image.c_str());
            return 1;
        }
        // Let the facts reach the page so that reading them is not optimised away.
        std::snprintf(page.data(), page.size(), "%lld %lld", static_cast<long long>(st.st_size),
                      static_cast<long long>(st.st_mtime));
        const std::string name = image + ".html";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0 || write(fd, page.data(), page.size()) != static_cast<ssize_t>(page.size()) ||
            close(fd) != 0) {
            std::perror(name.c_str());
            return 1;
        }
        ++pages;
    }
    closedir(dir);
    std::printf("%d pages\n", pages);
    return 0;
}
