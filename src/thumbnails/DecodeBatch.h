#pragma once

#include "generator/PageFile.h"
#include "generator/Pictures.h"
#include "thumbnails/DecodeProtocol.h"
#include "thumbnails/DecoderProcess.h"
#include "thumbnails/PictureWorkers.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace tuk {

// Memory reserved by the images being decoded; an image waits until its share is free.
class MemoryBudget {
public:
    explicit MemoryBudget(qint64 bytes) : free_(bytes) {}
    bool Take(qint64 bytes, const std::atomic<bool>& stop) {
        std::unique_lock<std::mutex> lock(mutex_);
        while (free_ < bytes && !stop)
            changed_.wait_for(lock, std::chrono::milliseconds(50));
        if (stop)
            return false;
        free_ -= bytes;
        return true;
    }
    void Give(qint64 bytes) {
        const std::lock_guard<std::mutex> lock(mutex_);
        free_ += bytes;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    qint64 free_;
};

// The work of one PictureWorkers::Make call, shared by its threads: each takes the pending
// images one at a time and feeds them to a decoder process of its own.
class DecodeBatch {
public:
    DecodeBatch(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                std::vector<PicturePlan>& plans, const DecodeLimits& limits,
                const QString& decoder);

    int Total() const { return static_cast<int>(pending_.size()); }
    int Done() const { return done_; }
    void Stop() { stop_ = true; }

    // Takes images until none is left or the work stops.
    void Work();
    // Waits one progress pace, or less when every thread has finished.
    bool WaitFinished(int threads);

private:
    void Fail(PicturePlan& plan, const QString& failure);
    void One(DecoderProcess& process, const PictureSource& source, PicturePlan& plan);
    DecodeRequest Request(const PictureSource& source, const PicturePlan& plan,
                          const struct stat& st, const std::vector<PictureKind>& kinds) const;
    // A decoder that ends without answering is replaced once and asked again, so that one
    // killed from outside costs no image its pictures.
    DecoderProcess::Answer Decode(DecoderProcess& process, const QByteArray& request, int imageFd,
                                  QByteArray& answer);
    // The image ended two decoders. A fresh one asked to decode nothing tells who is to blame:
    // when it answers, the image; when it does not, the decoder, which fails the run.
    void BlameImageOrDecoder(DecoderProcess& process, PicturePlan& plan);
    void CannotStart(PicturePlan& plan, int error);
    void Keep(const PictureSource& source, const std::vector<PictureKind>& kinds,
              const DecodeReply& reply, PicturePlan& plan);

    const std::vector<PictureSource>& sources_;
    const PictureSizes& sizes_;
    std::vector<PicturePlan>& plans_;
    const DecodeLimits& limits_;
    const QString& decoder_;
    std::vector<size_t> pending_;
    std::atomic<size_t> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    MemoryBudget budget_;
    std::mutex writing_;
    std::map<int, std::unique_ptr<PageFileWriter>> writers_;
    std::mutex finishing_;
    std::condition_variable finishedChanged_;
    int finished_ = 0;
};

} // namespace tuk
