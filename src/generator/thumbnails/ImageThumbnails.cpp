#include "thumbnails/ImageThumbnails.h"

#include "generator/PageFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tuk {

namespace {

constexpr int kJpegQuality = 85;
constexpr auto kProgressPace = std::chrono::milliseconds(40);

bool Newer(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// The whole of a small file of the folder, or empty.
QByteArray ReadAt(int folderFd, const QByteArray& name) {
    const int fd = openat(folderFd, name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    close(fd);
    return bytes;
}

// The stored size of a JPEG, from its header only.
QSize HeaderSize(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").size();
}

// A size whose longest edge is `longest`, in the proportions of `size`.
QSize WithLongestEdge(const QSize& size, int longest) {
    return size.scaled(longest, longest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    return writer.write(image) ? bytes : QByteArray();
}

// The work of one Make call, shared by its threads.
class Batch {
public:
    Batch(int thumbsFd, const std::vector<ThumbJob>& jobs, int size)
        : thumbsFd_(thumbsFd), jobs_(jobs), size_(size), sizes_(jobs.size()), writer_(thumbsFd) {
        writer_.ReadFolder();
    }

    // Takes jobs until none is left or a stop is asked for.
    void Work() {
        for (size_t k; !stop_ && (k = next_++) < jobs_.size(); ++done_)
            sizes_[k] = One(jobs_[k]);
        const std::lock_guard<std::mutex> lock(finishing_);
        ++finished_;
        finished_changed_.notify_all();
    }
    int Done() const { return done_; }
    void Stop() { stop_ = true; }
    // Waits one progress pace, or less when every thread has finished: a batch of kept
    // thumbnails ends without waiting out the pace.
    bool WaitFinished(int threads) {
        std::unique_lock<std::mutex> lock(finishing_);
        return finished_changed_.wait_for(lock, kProgressPace,
                                          [&] { return finished_ == threads; });
    }
    std::vector<ThumbSize> Sizes() { return std::move(sizes_); }

private:
    ThumbSize One(const ThumbJob& job) {
        struct stat image {};
        if (stat(job.image.constData(), &image) != 0)
            return {};
        if (const ThumbSize kept = Kept(job, image); kept.Made())
            return kept;
        // Opened by its bytes: a name that is not valid UTF-8 has no QString that names it.
        const int fd = open(job.image.constData(), O_RDONLY | O_CLOEXEC);
        QFile file;
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (fd >= 0)
                close(fd);
            return {};
        }
        QImageReader reader(&file);
        reader.setAutoTransform(true);
        const QSize stored = reader.size();
        if (!stored.isValid())
            return {};
        // The scaled size is that of the stored picture; the orientation turns it after.
        reader.setScaledSize(WithLongestEdge(stored, 2 * size_));
        const QImage large = reader.read();
        if (large.isNull())
            return {};
        const QImage small = large.scaled(WithLongestEdge(large.size(), size_), Qt::KeepAspectRatio,
                                          Qt::SmoothTransformation);
        if (!Write(job.name2x, Jpeg(large)) || !Write(job.name, Jpeg(small)))
            return {};
        return {small.width(), small.height()};
    }

    // The size of a pair that is newer than the image and of the asked size, else 0 x 0.
    ThumbSize Kept(const ThumbJob& job, const struct stat& image) const {
        struct stat one {
        }, two{};
        if (fstatat(thumbsFd_, job.name.constData(), &one, AT_SYMLINK_NOFOLLOW) != 0 ||
            fstatat(thumbsFd_, job.name2x.constData(), &two, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(one.st_mode) || !S_ISREG(two.st_mode) || !Newer(one.st_mtim, image.st_mtim) ||
            !Newer(two.st_mtim, image.st_mtim))
            return {};
        const QSize small = HeaderSize(ReadAt(thumbsFd_, job.name));
        const QSize large = HeaderSize(ReadAt(thumbsFd_, job.name2x));
        if (qMax(small.width(), small.height()) != size_ ||
            qMax(large.width(), large.height()) != 2 * size_)
            return {};
        return {small.width(), small.height()};
    }

    bool Write(const QByteArray& name, const QByteArray& bytes) {
        if (bytes.isEmpty())
            return false;
        const std::lock_guard<std::mutex> lock(writing_);
        return writer_.Write(name, bytes) != PageFileWriter::Outcome::Failed;
    }

    int thumbsFd_;
    const std::vector<ThumbJob>& jobs_;
    int size_;
    std::vector<ThumbSize> sizes_;
    std::atomic<size_t> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    std::mutex writing_;
    PageFileWriter writer_;
    std::mutex finishing_;
    std::condition_variable finished_changed_;
    int finished_ = 0;
};

} // namespace

std::vector<ThumbSize> ImageThumbnails::Make(int thumbsFd, const std::vector<ThumbJob>& jobs,
                                             int size,
                                             const std::function<bool(int, int)>& progress,
                                             bool& stopped) {
    stopped = false;
    Batch batch(thumbsFd, jobs, size);
    const int total = static_cast<int>(jobs.size());
    const int count =
        qBound(1, threads_ > 0 ? threads_ : QThread::idealThreadCount(), qMax(total, 1));
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back([&batch] { batch.Work(); });
    // The calling thread reports and listens for a stop; a stop lets every thread finish the
    // image it is on and start no other.
    while (batch.Done() < total) {
        if (!progress(batch.Done(), total)) {
            batch.Stop();
            stopped = true;
            break;
        }
        if (batch.WaitFinished(count))
            break;
    }
    for (std::thread& thread : threads)
        thread.join();
    if (!stopped)
        (void)progress(total, total);
    return batch.Sizes();
}

} // namespace tuk
