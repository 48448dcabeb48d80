#include "thumbnails/DecodeBatch.h"

#include "base/FsName.h"
#include "base/SystemError.h"
#include "generator/PictureStamp.h"
#include "thumbnails/ImageFiles.h"

#include <QCoreApplication>
#include <cerrno>

namespace tuk {

namespace {

constexpr auto kProgressPace = std::chrono::milliseconds(40);
constexpr auto kTryDecoder = std::chrono::seconds(5); // to answer a request without an image

QString WriteFailure(const QString& picture, bool copy, int error) {
    if (copy)
        //: %1 the picture's file, %2 the system's reason
        return QCoreApplication::translate("Run", "Cannot write the screen-sized copy %1: %2.")
            .arg(picture, ErrorText(error));
    //: %1 the picture's file, %2 the system's reason
    return QCoreApplication::translate("Run", "Cannot write the thumbnail %1: %2.")
        .arg(picture, ErrorText(error));
}

} // namespace

DecodeBatch::DecodeBatch(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                         std::vector<PicturePlan>& plans, const DecodeLimits& limits,
                         const QString& decoder)
    : sources_(sources), sizes_(sizes), plans_(plans), limits_(limits), decoder_(decoder),
      budget_(limits.memoryBytes) {
    for (size_t i = 0; i < plans.size(); ++i)
        if (plans[i].state == PictureState::Pending)
            pending_.push_back(i);
}

void DecodeBatch::Work() {
    DecoderProcess process(decoder_);
    for (size_t k; !stop_ && (k = next_++) < pending_.size(); ++done_)
        One(process, sources_[pending_[k]], plans_[pending_[k]]);
    process.Kill();
    const std::lock_guard<std::mutex> lock(finishing_);
    ++finished_;
    finishedChanged_.notify_all();
}

bool DecodeBatch::WaitFinished(int threads) {
    std::unique_lock<std::mutex> lock(finishing_);
    return finishedChanged_.wait_for(lock, kProgressPace, [&] { return finished_ == threads; });
}

void DecodeBatch::Fail(PicturePlan& plan, const QString& failure) {
    plan.state = PictureState::Failed;
    plan.failure = failure;
    stop_ = true; // the run fails: no other image is started
}

void DecodeBatch::One(DecoderProcess& process, const PictureSource& source, PicturePlan& plan) {
    struct stat st {};
    const Result<UniqueFd> image = OpenRegular(source.imageFolderFd, source.name, true, st);
    if (!image)
        //: %1 the image, %2 the reason
        return Fail(plan, QCoreApplication::translate("Run", "Cannot read the image %1: %2.")
                              .arg(source.shown, image.failure().text));
    const std::vector<PictureKind> kinds = NeededKinds(sizes_, plan.image, IsAnimated(source));
    if (!budget_.Take(plan.decodeBytes, stop_))
        return;
    QByteArray answer;
    const DecoderProcess::Answer got =
        Decode(process, Request(source, plan, st, kinds).Encode(), image->get(), answer);
    const int error = errno;
    budget_.Give(plan.decodeBytes);
    DecodeReply reply;
    switch (got) {
    case DecoderProcess::Answer::Reply:
        if (DecodeReply::Decode(answer, reply) && reply.jpegs.size() == kinds.size())
            return Keep(source, kinds, reply, plan);
        plan.state = PictureState::Undecodable;
        return;
    case DecoderProcess::Answer::TimedOut:
        plan.state = PictureState::TooSlow;
        plan.identity = PictureStamp::Identity(st);
        return;
    case DecoderProcess::Answer::Died:
        return BlameImageOrDecoder(process, plan);
    case DecoderProcess::Answer::Stopped:
        return;
    case DecoderProcess::Answer::CannotStart:
        return CannotStart(plan, error);
    }
}

DecodeRequest DecodeBatch::Request(const PictureSource& source, const PicturePlan& plan,
                                   const struct stat& st,
                                   const std::vector<PictureKind>& kinds) const {
    DecodeRequest request;
    request.format = FormatOfName(source.name);
    request.upright = plan.image;
    request.orientation = plan.orientation;
    request.background = sizes_.background;
    for (PictureKind kind : kinds) {
        request.longest.push_back(sizes_.Longest(kind));
        request.comments.push_back(
            PictureStamp::Of(st, plan.image, sizes_.Longest(kind), StampBackground(source, sizes_))
                .Text());
    }
    return request;
}

DecoderProcess::Answer DecodeBatch::Decode(DecoderProcess& process, const QByteArray& request,
                                           int imageFd, QByteArray& answer) {
    DecoderProcess::Answer got = DecoderProcess::Answer::Died;
    for (int attempt = 0; attempt < 2 && got == DecoderProcess::Answer::Died; ++attempt)
        got = process.Ask(request, imageFd, std::chrono::steady_clock::now() + limits_.perImage,
                          stop_, answer);
    return got;
}

void DecodeBatch::BlameImageOrDecoder(DecoderProcess& process, PicturePlan& plan) {
    QByteArray answer;
    const DecoderProcess::Answer got =
        process.Ask(DecodeRequest().Encode(), -1, std::chrono::steady_clock::now() + kTryDecoder,
                    stop_, answer);
    const int error = errno;
    switch (got) {
    case DecoderProcess::Answer::Reply:
        plan.state = PictureState::Crashed;
        return;
    case DecoderProcess::Answer::Stopped:
        return;
    case DecoderProcess::Answer::CannotStart:
        return CannotStart(plan, error);
    case DecoderProcess::Answer::TimedOut:
        //: %1 the decoder program
        return Fail(plan, QCoreApplication::translate(
                              "Run", "The image decoder %1 does not work: it does not answer.")
                              .arg(decoder_));
    case DecoderProcess::Answer::Died:
        //: %1 the decoder program, %2 how it ended
        return Fail(plan, QCoreApplication::translate("Run", "The image decoder %1 does not work: "
                                                             "it ended without answering (%2).")
                              .arg(decoder_, process.EndText()));
    }
}

void DecodeBatch::CannotStart(PicturePlan& plan, int error) {
    //: %1 the decoder program, %2 the system's reason
    Fail(plan, QCoreApplication::translate("Run", "Cannot start the image decoder %1: %2.")
                   .arg(decoder_, ErrorText(error)));
}

void DecodeBatch::Keep(const PictureSource& source, const std::vector<PictureKind>& kinds,
                       const DecodeReply& reply, PicturePlan& plan) {
    const std::lock_guard<std::mutex> lock(writing_);
    for (size_t i = 0; i < kinds.size(); ++i) {
        std::unique_ptr<PageFileWriter>& writer = writers_[source.FolderOf(kinds[i])];
        if (!writer) {
            writer = std::make_unique<PageFileWriter>(source.FolderOf(kinds[i]));
            writer->ReadFolder();
        }
        const QByteArray name = PictureFileName(source.stem, kinds[i]);
        if (const auto written = writer->Write(name, reply.jpegs[i]); !written)
            return Fail(plan, WriteFailure(source.shownFolder +
                                               ShownText(PicturePath(source.stem, kinds[i])),
                                           kinds[i] == PictureKind::Web, written.failure().error));
        plan.size[static_cast<size_t>(kinds[i])] = reply.sizes[i];
    }
    plan.state = PictureState::Ready;
}

} // namespace tuk
