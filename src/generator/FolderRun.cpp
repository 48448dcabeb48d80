#include "generator/FolderRun.h"

#include "base/FolderIdentity.h"
#include "base/SystemError.h"
#include "generator/ImagePlacement.h"
#include "generator/NameProbe.h"
#include "generator/PageEncoding.h"
#include "generator/PictureStep.h"
#include "generator/RunState.h"
#include "generator/StaleFiles.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace tuk {

namespace {

// Why an image gets no page when its page's name, or its thumbnail's (longer by `longest`),
// does not fit the file system's names.
QString TooLongName(const QString& image, qsizetype page, qsizetype longest, qsizetype nameMax) {
    if (page <= nameMax)
        //: %1 the image's name, %2 and %3 numbers of bytes
        return QCoreApplication::translate(
                   "Run", "Cannot make a page for the image \"%1\": its thumbnail name would be "
                          "%2 bytes long, longer than the %3 bytes a file name can have. No page "
                          "was written.")
            .arg(image, QString::number(page + longest), QString::number(nameMax));
    //: %1 the image's name, %2 and %3 numbers of bytes
    return QCoreApplication::translate(
               "Run", "Cannot make a page for the image \"%1\": its page name would be %2 bytes "
                      "long, longer than the %3 bytes a file name can have. No page was written.")
        .arg(image, QString::number(page), QString::number(nameMax));
}

} // namespace

FolderRun::FolderRun(RunState& state, const Album& album, const OutputChoice& output)
    : state_(state), album_(album), output_(output) {}

Done FolderRun::Check() {
    const PageRun& run = state_.run;
    QString badImage;
    if (!pageNames_.Build(album_.images, badImage))
        return Failure{QCoreApplication::translate(
                           "Run", "Cannot make a page for the image \"%1\": it is not a plain "
                                  "file name. No page was written.")
                           .arg(badImage)};
    imageFolder_ = OpenFolder(album_.folder.bytes);
    if (imageFolder_.get() < 0)
        //: %1 the folder, %2 the system's reason, %3 how many pages were written
        return Failure{state_.Failure(QCoreApplication::translate(
                                          "Run", "Cannot open the image folder %1: %2. %3"),
                                      album_.folder.text, ErrorText(imageFolder_.error())),
                       imageFolder_.error()};
    // A target folder not made yet holds nothing of the user's.
    outFolder_ = OpenFolder(output_.sOutFolder.bytes);
    if (outFolder_.get() < 0 && (!output_.lRemote || outFolder_.error() != ENOENT))
        return OutputFolderFailure();
    // A name the file system cannot take would stop the run half way, with the pages written
    // so far linking to pages that never come: the run is refused before the first page. The
    // thumbnail's twin has the longest name of what a page brings: "@2x.jpg" for ".html".
    const qsizetype nameMax = NameMax(outFolder_.get());
    const qsizetype longest =
        run.settings.lIndex && run.pictures ? qsizetype(sizeof "@2x.jpg" - sizeof ".html") : 0;
    for (qsizetype k = 0; k < pageNames_.size(); ++k) {
        const qsizetype page = pageNames_.at(k).size();
        if (page + longest <= nameMax)
            continue;
        return Failure{TooLongName(album_.images.at(k).text, page, longest, nameMax)};
    }
    if (Done refused = RefusedNames(); !refused)
        return refused;
    return PlaceProblem(outFolder_.get(), output_.sOutFolder.text, run.settings.lIndex,
                        run.settings.lWebReady && run.pictures);
}

// A character the output's file system refuses in names (":" on FAT) would stop the run half
// way as well: the names of the pages, the pictures' twins and a site's images are tried once.
Done FolderRun::RefusedNames() const {
    const bool twins = state_.run.settings.lIndex && state_.run.pictures;
    QList<QByteArray> extra;
    QList<QByteArrayView> names;
    for (qsizetype k = 0; k < pageNames_.size(); ++k) {
        names << pageNames_.at(k);
        if (twins)
            extra << PictureFileName(pageNames_.at(k).chopped(5).toByteArray(),
                                     PictureKind::Thumb2x);
        if (output_.site)
            extra << album_.images.at(k).bytes;
    }
    for (const QByteArray& name : extra)
        names << name;
    const UniqueFd folder(outFolder_.IsOpen() ? dup(outFolder_.get())
                                              : OpenNearestFolder(output_.sOutFolder.bytes));
    const RefusedName refused = state_.run.tryName ? FindRefusedName(names, state_.run.tryName)
                                                   : FindRefusedName(folder.get(), names);
    if (!refused.Found())
        return {};
    const qsizetype each = (twins ? 1 : 0) + (output_.site ? 1 : 0); // extra names per image
    const qsizetype image =
        refused.index < PageCount() ? refused.index : (refused.index - PageCount()) / each;
    //: %1 the image's name, %2 the output folder, %3 the characters refused
    return Failure{QCoreApplication::translate(
                       "Run", "Cannot make a page for the image \"%1\": the file system of %2 "
                              "does not take %3 in a file name. Rename the image, or choose "
                              "another target folder. No page was written.")
                       .arg(album_.images.at(image).text, output_.sOutFolder.text,
                            ShownText(refused.characters))};
}

// The output folder, made when it does not exist yet, its page writer and its picture folders.
Done FolderRun::OpenOutputFolders() {
    if (outFolder_.get() < 0) { // a target folder that does not exist yet, parents included
        if (const Done made = MakeFolderPath(output_.sOutFolder.bytes, 0777); !made)
            //: %1 the folder, %2 why it cannot be made
            return Failure{QCoreApplication::translate(
                               "Run", "Cannot make the output folder %1: %2. No page was written.")
                               .arg(output_.sOutFolder.text, made.failure().text),
                           made.failure().error};
        outFolder_ = OpenFolder(output_.sOutFolder.bytes);
        if (outFolder_.get() < 0)
            return OutputFolderFailure();
    }
    writer_ = std::make_unique<PageFileWriter>(outFolder_.get(), state_.run.unnamedFiles);
    writer_->ReadFolder();
    const PictureStep& pictures = state_.pictures;
    for (const auto& [size, name, folder] :
         {std::tuple{pictures.Sizes().thumb, kThumbsFolderName, &thumbsFolder_},
          {pictures.Sizes().web, kWebFolderName, &webFolder_}}) {
        if (size <= 0 || PageCount() == 0)
            continue;
        Result<UniqueFd> made = MakeChildFolder(outFolder_.get(), name, output_.sOutFolder.text);
        if (!made)
            return Failure{made.failure().text + QLatin1Char(' ') +
                               QCoreApplication::translate("Run", "No page was written."),
                           made.failure().error};
        *folder = std::move(*made);
    }
    return {};
}

Done FolderRun::Open(const QByteArray& upLink) {
    const PageRun& run = state_.run;
    if (Done opened = OpenOutputFolders(); !opened)
        return opened;
    PrepareLinks();
    showsCopy_.assign(album_.images.size(), false);
    existed_.assign(album_.images.size(), false);
    unchanged_.assign(album_.images.size(), false);
    gone_.assign(album_.images.size(), false);
    reach_ = PageCount();
    for (int k = 0; k < PageCount(); ++k) {
        struct stat st {};
        existed_[size_t(k)] =
            fstatat(outFolder_.get(), pageNames_.at(k).data(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode);
    }
    folderName_ = FolderNameText(PageFolderName(album_.folder.text));
    if (run.settings.lIndex)
        index_ =
            std::make_unique<IndexStep>(run, state_.pictures, PageFolderName(album_.folder.text),
                                        output_.sOutFolder.text, upLink, outPrefix_);
    return AddImages();
}

// Each image's pictures to the run's list, and its entry to the index.
Done FolderRun::AddImages() {
    PictureStep& pictures = state_.pictures;
    for (int k = 0; k < PageCount(); ++k) {
        const FsName& image = album_.images.at(k);
        const QByteArray stem = pageNames_.at(k).chopped(5).toByteArray(); // without ".html"
        int picture = -1;
        if (pictures.Active())
            picture = pictures.Add({imageFolder_.get(), image.bytes,
                                    album_.folder.text + image.text, thumbsFolder_.get(),
                                    webFolder_.get(), output_.sOutFolder.text, stem});
        if (k == 0)
            firstPicture_ = picture;
        struct stat placed {};
        if (output_.site &&
            fstatat(outFolder_.get(), image.bytes.constData(), &placed, AT_SYMLINK_NOFOLLOW) != 0)
            pictures.SetUnplaced(picture, true);
        if (!index_)
            continue;
        struct stat st {};
        if (fstatat(imageFolder_.get(), image.bytes.constData(), &st, 0) != 0 ||
            !S_ISREG(st.st_mode))
            return ImageFailure(image);
        IndexEntry entry;
        entry.image = image.text.toLower();
        PageLink(entry.pageLink, outPrefix_, pageNames_.at(k));
        entry.thumbLink = entry.thumb2xLink = outPrefix_;
        AppendLink(entry.thumbLink, PicturePath(stem, PictureKind::Thumb));
        AppendLink(entry.thumb2xLink, PicturePath(stem, PictureKind::Thumb2x));
        entry.date = DateOf(k, st).toByteArray();
        if (const PhotoFacts* photo = PhotoOf(k); photo && state_.run.settings.lCaptions)
            entry.caption = photo->caption;
        entry.kiloBytes = PageKiloBytes(st.st_size);
        QByteArray imageRef = imagePrefix_;
        AppendLink(imageRef, image.bytes);
        index_->Add(std::move(entry), picture, std::move(imageRef));
    }
    return {};
}

// The link texts every page of the folder shares.
void FolderRun::PrepareLinks() {
    if (output_.FullPaths()) {
        AppendLink(outPrefix_, output_.sOutFolder.bytes);
        AppendLink(imagePrefix_, album_.folder.bytes);
    }
    if (state_.run.settings.lIndex)
        PageLink(indexLink_, outPrefix_, kIndexFileName);
}

void FolderRun::AddAlbumEntry(IndexStep& parentIndex, const QByteArray& parentRelative, int album,
                              const FolderRun& cover) const {
    const QByteArray below = album_.relative.mid(parentRelative.size()); // "Sub/"
    const QByteArray coverBelow = cover.album_.relative.mid(parentRelative.size());
    IndexEntry entry;
    entry.image = ShownText(below.chopped(1));
    entry.albumImages = album_.imagesBelow;
    entry.dateRange = state_.dates.Range(album_.firstDay, album_.lastDay);
    // Full paths when the pages are elsewhere, else links from the parent's folder down.
    const bool full = output_.FullPaths();
    const QByteArray down = full ? outPrefix_ : QByteArray();
    PageLink(entry.pageLink, down, full ? QByteArray(kIndexFileName) : below + kIndexFileName);
    const QByteArray coverPages = full ? cover.outPrefix_ : QByteArray();
    QByteArray imageRef = full ? cover.imagePrefix_ : QByteArray();
    int picture = -1;
    if (!cover.album_.images.isEmpty()) {
        const QByteArray stem = cover.pageNames_.at(0).chopped(5).toByteArray();
        const QByteArray prefix = full ? QByteArray() : coverBelow;
        entry.thumbLink = entry.thumb2xLink = coverPages;
        AppendLink(entry.thumbLink, prefix + PicturePath(stem, PictureKind::Thumb));
        AppendLink(entry.thumb2xLink, prefix + PicturePath(stem, PictureKind::Thumb2x));
        AppendLink(imageRef, prefix + cover.album_.images.at(0).bytes);
        picture = cover.firstPicture_;
    }
    parentIndex.Add(std::move(entry), picture, std::move(imageRef), album);
}

bool FolderRun::HasIndex() const {
    struct stat st {};
    return outFolder_.get() >= 0 &&
           fstatat(outFolder_.get(), kIndexFileName, &st, AT_SYMLINK_NOFOLLOW) == 0;
}

Done FolderRun::WriteIndex(const std::function<bool(int)>& albumListed) {
    if (!index_)
        return {};
    return index_->Write(
        *writer_, [this](int k) { return PageExists(k); }, albumListed);
}

RunEnd FolderRun::Pages(PageRunListener& events, QString& message) {
    pagesMade_ = 0;
    const QString status = ImageStatusForm(state_.total);
    for (int k = 0; k < PageCount(); ++k) {
        events.Progress(state_.position, state_.total, status.arg(state_.position));
        if (const Done written = WritePage(k); !written) {
            message = written.failure().text;
            return RunEnd::Failed;
        }
        pagesMade_ = k + 1;
        events.Yield();
        if (state_.position == state_.total)
            break;
        if (events.StopRequested()) {
            //: %1 how many pages were written
            message = QCoreApplication::translate("Run", "Stopped on request. %1")
                          .arg(CountSentence(state_.result, state_.total));
            return RunEnd::Stopped;
        }
        ++state_.position;
    }
    writer_->ReleaseReadBuffer();
    return RunEnd::Finished;
}

// The index page that lists image k: a web-ready index holds a limited number of entries a page,
// its sub-albums first.
QByteArrayView FolderRun::IndexLinkOf(int k) {
    if (indexLink_.isEmpty() || !state_.run.settings.lWebReady)
        return indexLink_;
    const int page = (int(album_.subalbums.size()) + k) / kIndexEntriesPerPage + 1;
    if (page == 1)
        return indexLink_;
    PageLink(pageIndexLink_, outPrefix_, IndexPageName(page));
    return pageIndexLink_;
}

void FolderRun::LinkTo(QByteArray& out, int k) const {
    PageLink(out, outPrefix_, pageNames_.at(qMin(k, reach_ - 1)));
}

QSize FolderRun::CopySize(int k) const {
    if (!state_.run.settings.lWebReady || firstPicture_ < 0)
        return {};
    return state_.pictures.SizeOf(firstPicture_ + k, PictureKind::Web);
}

// Picture folders that stayed empty (every image served as its own picture) are removed, so
// no empty "thumbs" or "web" is left among the pages.
void FolderRun::RemoveEmptyPictureFolders() {
    for (const char* name : {kThumbsFolderName, kWebFolderName})
        (void)unlinkat(outFolder_.get(), name, AT_REMOVEDIR); // fails, as it should, unless empty
}

Done FolderRun::Settle() {
    if (!writer_)
        return {};
    TakeBackPagesOfGoneImages();
    for (;;) {
        // A stop or failure leaves pages unmade: links to them lead to the last page of the
        // row that exists from the first on, made now or by an earlier run.
        reach_ = 0;
        while (reach_ < PageCount() && PageExists(reach_))
            ++reach_;
        const bool linksCut = reach_ < PageCount() && state_.run.settings.lLinx;
        Done rewritten;
        for (int k = 0; k < pagesMade_ && rewritten; ++k) {
            if (!PageExists(k))
                continue;
            if (linksCut || showsCopy_[size_t(k)] != !CopySize(k).isEmpty())
                rewritten = WritePage(k);
        }
        // A page that cannot be rewritten (a full disk) would keep a link to a page that is
        // not there: the newest page of this run goes, which also makes room, and the rest are
        // tried again.
        if (rewritten || !linksCut || !TakeBackNewestPage())
            return rewritten;
    }
}

// An image removed during the run takes its page along, made now or before: it would show
// nothing.
void FolderRun::TakeBackPagesOfGoneImages() {
    for (int k = 0; k < PageCount(); ++k) {
        struct stat st {};
        if (!PageExists(k) ||
            fstatat(imageFolder_.get(), album_.images.at(k).bytes.constData(), &st, 0) == 0 ||
            errno != ENOENT || unlinkat(outFolder_.get(), pageNames_.at(k).data(), 0) != 0)
            continue;
        gone_[size_t(k)] = true;
        if (k < pagesMade_ && !existed_[size_t(k)])
            --state_.result.pagesWritten;
    }
}

bool FolderRun::TakeBackNewestPage() {
    for (int k = pagesMade_ - 1; k >= 0; --k) {
        if (existed_[size_t(k)] || gone_[size_t(k)])
            continue;
        if (unlinkat(outFolder_.get(), pageNames_.at(k).data(), 0) != 0)
            return false;
        pagesMade_ = k;
        --state_.result.pagesWritten;
        return true;
    }
    return false;
}

namespace {

bool SameFolder(int fd, const QByteArray& path) {
    struct stat open {
    }, named{};
    return fstat(fd, &open) == 0 && stat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

bool FolderRun::StillInPlace(QString& why) const {
    for (const auto& [fd, folder] : {std::pair{imageFolder_.get(), &album_.folder},
                                     std::pair{outFolder_.get(), &output_.sOutFolder}}) {
        if (fd >= 0 && !SameFolder(fd, folder->bytes)) {
            why = QCoreApplication::translate(
                      "Run", "The folder %1 was moved or removed while the run made its pages; "
                             "its album is left out of the index above it. Make the pages again.")
                      .arg(folder->text);
            return false;
        }
    }
    return true;
}

int FolderRun::RemoveStale(const QSet<QByteArray>& originals) {
    if (outFolder_.get() < 0)
        return 0;
    KeptFiles kept;
    for (int k = 0; k < PageCount(); ++k) {
        kept.pages.insert(pageNames_.at(k).toByteArray());
        const QByteArray stem = pageNames_.at(k).chopped(5).toByteArray();
        for (PictureKind kind : {PictureKind::Thumb, PictureKind::Thumb2x})
            kept.pictures.insert(PictureFileName(stem, kind));
    }
    // The images the pages show as they are (a copy shown in their place is not).
    for (int k = 0; k < PageCount(); ++k)
        if (state_.run.settings.lOriginals || CopySize(k).isEmpty())
            kept.placed.insert(album_.images.at(k).bytes);
    for (int sub : album_.subalbums)
        kept.albums.insert(
            state_.tree.albums[size_t(sub)].relative.mid(album_.relative.size()).chopped(1));
    kept.indexPages = index_ ? qMax(1, index_->Pages()) : 1;
    return RemoveStaleFiles(outFolder_.get(), kept, output_.site, originals, album_.relative);
}

QString FolderRun::FirstPageLink() const {
    return PageCount() > 0 ? output_.sOutFolder.text + ShownText(pageNames_.at(0)) : QString();
}

// Why the image's date and size cannot be read, right after the fstatat that failed or found
// something else than a file.
Failure FolderRun::ImageFailure(const FsName& image) const {
    const int error = errno;
    struct stat st {};
    const bool found = fstatat(imageFolder_.get(), image.bytes.constData(), &st, 0) == 0;
    //: %1 the image, %2 the reason, %3 how many pages were written
    return {state_.Failure(QCoreApplication::translate(
                               "Run", "Cannot read the date and size of the image %1: %2. %3"),
                           album_.folder.text + image.text,
                           found ? QCoreApplication::translate("Run", "not a regular file")
                                 : ErrorText(error)),
            found ? 0 : error};
}

Failure FolderRun::OutputFolderFailure() const {
    //: %1 the folder, %2 the system's reason, %3 how many pages were written
    return {state_.Failure(
                QCoreApplication::translate("Run", "Cannot open the output folder %1: %2. %3"),
                output_.sOutFolder.text, ErrorText(outFolder_.error())),
            outFolder_.error()};
}

// In a site, the image a page shows as it is lies beside the page, placed before the page is
// written, so no page ever shows a picture that is not there; with Originals in Site every
// image is, as the page links it.
Done FolderRun::Place(int k, const struct stat& st) {
    const bool original = state_.run.settings.lOriginals;
    if (!output_.site || !(original || CopySize(k).isEmpty()))
        return {};
    const QByteArray& name = album_.images.at(k).bytes;
    int error = 0;
    switch (PlaceImage(imageFolder_.get(), name, st, *writer_, outFolder_.get(), original, error)) {
    case Placement::Kept:
    case Placement::Written:
        state_.pictures.SetUnplaced(firstPicture_ < 0 ? -1 : firstPicture_ + k, false);
        return {};
    case Placement::Broken:
        shownBroken_ = true;
        if (state_.result.notPlaced++ < 20)
            state_.result.notPlacedNames << album_.folder.text + album_.images.at(k).text;
        return {};
    case Placement::Failed:
        break;
    }
    //: %1 the image's place in the site, %2 the system's reason, %3 how many pages were written
    return Failure{
        state_.Failure(
            QCoreApplication::translate("Run", "Cannot place the image in the site %1: %2. %3"),
            output_.sOutFolder.text + album_.images.at(k).text, ErrorText(error)),
        error};
}

Done FolderRun::WritePage(int k) {
    const FsName& image = album_.images.at(k);
    struct stat st {};
    if (fstatat(imageFolder_.get(), image.bytes.constData(), &st, 0) != 0 || !S_ISREG(st.st_mode))
        return ImageFailure(image);
    shownBroken_ = false;
    if (Done placed = Place(k, st); !placed)
        return placed;
    state_.composer.Compose(state_.page, FactsOf(k, st));
    // A page rewritten when the run settles is counted once, as written when either write was.
    const bool again = k < pagesMade_;
    const auto written = writer_->Write(pageNames_.at(k), state_.page);
    if (!written)
        //: %1 the page, %2 the system's reason, %3 how many pages were written
        return Failure{
            state_.Failure(QCoreApplication::translate("Run", "Cannot write the page %1: %2. %3"),
                           output_.sOutFolder.text + ShownText(pageNames_.at(k)),
                           written.failure().text),
            written.failure().error};
    switch (*written) {
    case PageFileWriter::Outcome::Written:
        if (!again || unchanged_[size_t(k)]) {
            ++state_.result.pagesWritten;
            state_.result.pagesUnchanged -= again ? 1 : 0;
        }
        unchanged_[size_t(k)] = false;
        break;
    case PageFileWriter::Outcome::Unchanged:
        if (!again)
            ++state_.result.pagesUnchanged;
        unchanged_[size_t(k)] = !again || unchanged_[size_t(k)];
        break;
    }
    return {};
}

const PhotoFacts* FolderRun::PhotoOf(int k) const {
    return album_.facts.empty() ? nullptr : &album_.facts[size_t(k)];
}

// When the photo was taken, with capture dates and when it says so; else its file's date.
QByteArrayView FolderRun::DateOf(int k, const struct stat& st) {
    const PhotoFacts* photo = PhotoOf(k);
    if (photo && state_.run.settings.lCaptureDates && photo->taken.isValid())
        return state_.dates.Text(photo->taken.date());
    return state_.dates.Text(st.st_mtim.tv_sec);
}

// What page k shows; the facts point at texts of this folder run, valid until the next page.
PageFacts FolderRun::FactsOf(int k, const struct stat& st) {
    const FsName& image = album_.images.at(k);
    const int count = PageCount();
    PageLink(firstLink_, outPrefix_, pageNames_.at(0));
    LinkTo(prevLink_, k == 0 ? 0 : k - 1);
    LinkTo(nextLink_, k == count - 1 ? k : k + 1);
    LinkTo(lastLink_, count - 1);
    imageRef_.resize(0);
    imageRef_.append(imagePrefix_);
    AppendLink(imageRef_, image.bytes);

    PageFacts facts;
    lowerName_ = image.text.toLower(); // the facts only point at their texts
    facts.image = lowerName_;
    facts.imageRef = shownBroken_ ? QByteArrayView() : QByteArrayView(imageRef_);
    // A site links only what it holds: the original, when it holds that too.
    if (!output_.site || state_.run.settings.lOriginals)
        facts.originalRef = imageRef_;
    facts.firstLink = firstLink_;
    facts.prevLink = prevLink_;
    facts.nextLink = nextLink_;
    facts.lastLink = lastLink_;
    facts.date = DateOf(k, st);
    const PageSettings& s = state_.run.settings;
    if (const PhotoFacts* photo = PhotoOf(k)) {
        if (s.lCaptions)
            facts.caption = photo->caption;
        if (s.lCamera) {
            cameraLine_ = photo->CameraLine();
            facts.camera = cameraLine_;
        }
    }
    facts.folderName = folderName_;
    facts.kiloBytes = PageKiloBytes(st.st_size);
    facts.position = k + 1;
    facts.count = count;
    facts.indexLink = IndexLinkOf(k);
    if (state_.run.settings.lWebReady && firstPicture_ >= 0) {
        // A page shows a copy only once it exists: a run ended at any moment, even killed,
        // leaves no page showing a picture that is not there.
        const QSize copy = CopySize(k);
        showsCopy_[size_t(k)] = !copy.isEmpty();
        shownRef_ = outPrefix_;
        AppendLink(shownRef_,
                   PicturePath(pageNames_.at(k).chopped(5).toByteArray(), PictureKind::Web));
        facts.shownRef = copy.isEmpty() ? QByteArrayView() : QByteArrayView(shownRef_);
        facts.shownSize = copy.isEmpty() ? state_.pictures.PlanOf(firstPicture_ + k).image : copy;
    }
    return facts;
}

} // namespace tuk
