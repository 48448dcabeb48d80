#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/PreparedRun.h"

#include <QCoreApplication>
#include <cmath>

namespace tuk {

void PageRunListener::Planned(int, int) {}
void PageRunListener::Progress(int, int, const QString&) {}
void PageRunListener::Yield() {}
bool PageRunListener::StopRequested() {
    return false;
}
void PageRunListener::ThumbProgress(int, int, const QString&) {}

OutputChoice ChooseOutputFolder(const FsName& sFolder, VolumeKind driveType,
                                const QString& targetFolder, bool intoTarget) {
    OutputChoice choice;
    choice.lRemote = intoTarget || driveType != VolumeKind::FixedDisk;
    choice.site = intoTarget;
    choice.sOutFolder = choice.lRemote ? FsName(WithTrailingSeparator(targetFolder))
                                       : WithTrailingSeparator(sFolder);
    const QByteArray name = WithTrailingSeparator(sFolder).bytes.chopped(1);
    if (intoTarget && name.lastIndexOf('/') < name.size() - 1) // the root folder has no name
        choice.sOutFolder = WithTrailingSeparator(
            FsName(choice.sOutFolder.bytes + name.mid(name.lastIndexOf('/') + 1)));
    return choice;
}

QString MakeQuestion(const QString& sOutFolder, int nImages, const QString& sFolder, int subfolders,
                     bool site) {
    // One pass over the arguments each, so a folder whose name holds "%3" is shown as it is.
    if (site && subfolders > 0)
        //: %1 the site's folder, %n the images, %2 the folder they are in, %3 its subfolders
        return QCoreApplication::translate(
                   "Run", "Make HTML's into %1 for %n Image(s) in %2 and %3 subfolder(s)?", nullptr,
                   nImages)
            .arg(sOutFolder, sFolder, QString::number(subfolders));
    if (subfolders > 0)
        //: %1 where the pages go, %n the images, %2 the folder they are in, %3 its subfolders
        return QCoreApplication::translate(
                   "Run", "Make HTML's in %1 for %n Image(s) in %2 and %3 subfolder(s)?", nullptr,
                   nImages)
            .arg(sOutFolder, sFolder, QString::number(subfolders));
    if (site)
        //: %1 the site's folder, %n the images, %2 the folder they are in
        return QCoreApplication::translate("Run", "Make HTML's into %1 for %n Image(s) in %2?",
                                           nullptr, nImages)
            .arg(sOutFolder, sFolder);
    //: %1 where the pages go, %n the images, %2 the folder they are in
    return QCoreApplication::translate("Run", "Make HTML's in %1 for %n Image(s) in %2?", nullptr,
                                       nImages)
        .arg(sOutFolder, sFolder);
}

QString ImageStatusForm(int n) {
    //: the status line while the pages are made: page %1 of %2
    return QCoreApplication::translate("Run", "Image: %1 / %2")
        .arg(QStringLiteral("%1"), QString::number(n));
}

QString ImageStatusText(int k, int n) {
    return ImageStatusForm(n).arg(k);
}

QString FormatElapsed(double seconds, const QLocale& locale) {
    if (!(seconds > 0)) // also catches NaN
        seconds = 0;
    const auto thousandths = static_cast<qint64>(std::llround(seconds * 1000.0));
    const QString whole = QString::number(thousandths / 1000);
    QString text;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += locale.groupSeparator();
        text += whole[i];
    }
    QString decimals = QString::number(thousandths % 1000 + 1000).mid(1);
    while (decimals.size() > 1 && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    return text + locale.decimalPoint() + decimals;
}

QString PageFolderName(const QString& sFolder) {
    const QString name = GetFileName(WithTrailingSeparator(sFolder).chopped(1)).toLower();
    return name.isEmpty() ? QStringLiteral("/") : name;
}

PageRunResult PageGenerator(const PageRun& input, PageRunListener* listener) {
    // The run works on its own copy (cheap: Qt's containers share until written), so that
    // handlers that run while it yields cannot change the list or the options under it.
    PageRunListener quiet;
    return PreparedRun::Prepare(input).Make(listener ? *listener : quiet);
}

} // namespace tuk
