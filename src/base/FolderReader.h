#pragma once

#include <QByteArray>
#include <dirent.h>

namespace tuk {

// Reads the entries of one folder in the order the file system gives them, and closes the
// folder on every way out. The type checks use the entry's d_type where the file system
// fills it in and ask the file system only otherwise.
class FolderReader {
public:
    // Opens the folder by its file-system bytes; an empty path opens nothing (ENOENT).
    explicit FolderReader(const QByteArray& folder);
    // Takes over an open descriptor of a folder (closed with the reader, or at once on failure).
    explicit FolderReader(int folderFd);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    bool IsOpen() const { return dir_ != nullptr; }
    // Why the folder could not be opened, or why the last Next() ended early; 0 otherwise.
    int Error() const { return error_; }

    // The next entry ("." and ".." included), or null at the end and on a read error.
    const dirent* Next();

    // Whether the entry is a regular file: with followLinks, a symbolic link to one too.
    bool IsRegularFile(const dirent* entry, bool followLinks) const;
    // Whether the entry is a folder: with followLinks, a symbolic link to one too.
    bool IsFolder(const dirent* entry, bool followLinks = true) const;

private:
    bool IsOfType(const dirent* entry, unsigned char type, bool followLinks) const;

    DIR* dir_ = nullptr;
    int error_ = 0;
};

} // namespace tuk
