#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/PreparedRun.h"

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
    QString question = QLatin1String(site ? "Make HTML's into " : "Make HTML's in ") + sOutFolder +
                       QLatin1String(" for ") + QString::number(nImages) +
                       QLatin1String(" Image(s) in ") + sFolder;
    if (subfolders > 0)
        question += QStringLiteral(" and %1 subfolder(s)").arg(subfolders);
    return question + QLatin1Char('?');
}

QString ImageStatusText(int k, int n) {
    return QLatin1String("Image: ") + QString::number(k) + QLatin1String(" / ") +
           QString::number(n);
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
