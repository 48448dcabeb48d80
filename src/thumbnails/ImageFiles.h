#pragma once

// The images of a run and their pictures as files: how they are opened, and which pictures
// an image gets. Shared by the planning and the decoding of pictures.

#include "generator/Pictures.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tuk {

// A descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opens a file of a folder for reading without ever blocking (a FIFO opens at once) and keeps
// it only when it is a regular file; `why` tells otherwise.
int OpenRegular(int folderFd, const QByteArray& name, bool followLinks, struct stat& st,
                QString& why);

// Whether the image's kind, by its name, is one whose pictures show only its first frame.
bool IsAnimated(const PictureSource& source);

// The pictures an image of this size gets made, largest first: each is scaled from the one
// before it.
std::vector<PictureKind> NeededKinds(const PictureSizes& sizes, QSize image, bool animated);

// The colour a transparent kind's clear pixels are laid on, which its pictures' stamps tell.
std::optional<quint32> StampBackground(const PictureSource& source, const PictureSizes& sizes);

} // namespace tuk
