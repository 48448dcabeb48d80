#include "make/MakeOptions.h"

#include "generator/ImageFormats.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tuk {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("tu_k-make", text);
}

QCommandLineOption Flag(const QStringList& names, const char* help) {
    return {names, Translated(help)};
}

QCommandLineOption Valued(const QStringList& names, const QString& help, const char* value) {
    return {names, help, QLatin1String(value)};
}

// A page option that an option turns on and its "no-" twin turns off, whatever the saved choice.
struct Choice {
    const char* name;
    const char* shortName; // or empty
    bool PageSettings::*field;
    const char* onHelp;
    const char* offHelp;
};

constexpr Choice kChoices[] = {
    {"recursive", "r", &PageSettings::lSubfolders,
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Make the pages of every folder below FOLDER too, whatever the saved choice."),
     QT_TRANSLATE_NOOP("tu_k-make", "Make the pages of FOLDER alone, whatever the saved choice.")},
    {"index", "", &PageSettings::lIndex,
     QT_TRANSLATE_NOOP("tu_k-make",
                       "Make the index page with thumbnails, whatever the saved choice."),
     QT_TRANSLATE_NOOP("tu_k-make", "Make no index page, whatever the saved choice.")},
    {"web-ready", "", &PageSettings::lWebReady,
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Make web-ready pages (screen-sized copies of the photos, pages that fit a phone), "
         "whatever the saved choice."),
     QT_TRANSLATE_NOOP("tu_k-make",
                       "Make plain pages, not web-ready ones, whatever the saved choice.")},
    {"originals", "", &PageSettings::lOriginals,
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Put the original photos into a site too, linked from their pictures, whatever the saved "
         "choice."),
     QT_TRANSLATE_NOOP("tu_k-make",
                       "Leave the originals out of a site, whatever the saved choice.")},
    {"capture-dates", "", &PageSettings::lCaptureDates,
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Show when each photo was taken and order the pages by it, whatever the saved choice."),
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Show the files' dates and order the pages by name, whatever the saved choice.")},
    {"captions", "", &PageSettings::lCaptions,
     QT_TRANSLATE_NOOP("tu_k-make",
                       "Show the caption written into each photo, whatever the saved choice."),
     QT_TRANSLATE_NOOP("tu_k-make", "Show no captions, whatever the saved choice.")},
    {"camera", "", &PageSettings::lCamera,
     QT_TRANSLATE_NOOP(
         "tu_k-make",
         "Show the camera, lens and exposure of each photo, whatever the saved choice."),
     QT_TRANSLATE_NOOP("tu_k-make", "Show no camera facts, whatever the saved choice.")},
};

void AddChoices(QCommandLineParser& parser) {
    for (const Choice& choice : kChoices) {
        QStringList names{QLatin1String(choice.name)};
        if (*choice.shortName)
            names.prepend(QLatin1String(choice.shortName));
        parser.addOption({names, Translated(choice.onHelp)});
        parser.addOption(
            {QStringLiteral("no-") + QLatin1String(choice.name), Translated(choice.offHelp)});
    }
}

// The sizes of the pictures, each in its bounds.
void AddSizes(QCommandLineParser& parser) {
    parser.addOptions({
        Valued({QStringLiteral("thumb-size")},
               //: %1 and %2 are the smallest and largest size, %3 the default one.
               QCoreApplication::translate(
                   "tu_k-make", "Longest edge of a thumbnail in pixels, %1 to %2 (default %3).")
                   .arg(kMinThumbSize)
                   .arg(kMaxThumbSize)
                   .arg(kDefaultThumbSize),
               "N"),
        Valued({QStringLiteral("web-size")},
               //: %1 and %2 are the smallest and largest size, %3 the default one.
               QCoreApplication::translate("tu_k-make",
                                           "Longest edge of a web-ready page's picture in pixels, "
                                           "%1 to %2 (default: the saved size, else %3).")
                   .arg(kMinWebSize)
                   .arg(kMaxWebSize)
                   .arg(kDefaultWebSize),
               "N"),
    });
}

// The options and their help texts; each is asked for by its long name.
void AddOptions(QCommandLineParser& parser) {
    //: FOLDER is the argument's name in the usage line: keep it as it is. %1 the names'
    //: endings of images: ".gif, .jpg, .jpeg"
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "tu_k-make",
            "Makes one web page per image (%1) of FOLDER, and with -r of every\n"
            "folder below it, with the page options saved by Tu_K. Pages of a folder on a fixed\n"
            "disk go next to its images; pages of a folder on any other volume go to the target\n"
            "folder. With --into (or the saved Pages into Target Folder) they make a site there:\n"
            "a folder you can copy or upload as it is.")
            .arg(ImageExtensionList()));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        Valued({QStringLiteral("t"), QStringLiteral("target")},
               QCoreApplication::translate("tu_k-make",
                                           "Target folder for this run, instead of the saved one."),
               "DIR"),
        Valued({QStringLiteral("into")},
               //: DIR and FOLDER are the names of the option's value and of the argument.
               QCoreApplication::translate(
                   "tu_k-make", "Make a site in DIR: a folder named after FOLDER that holds the "
                                "pages and everything they show, with relative links, whatever "
                                "volume FOLDER is on."),
               "DIR"),
        Flag({QStringLiteral("no-into")},
             QT_TRANSLATE_NOOP(
                 "tu_k-make",
                 "Put the pages where they go without a site, whatever the saved choice.")),
        Flag({QStringLiteral("y"), QStringLiteral("yes")},
             QT_TRANSLATE_NOOP("tu_k-make", "Make the pages without asking.")),
        Flag({QStringLiteral("q"), QStringLiteral("quiet")},
             QT_TRANSLATE_NOOP("tu_k-make",
                               "Show neither the progress, the final status nor notes.")),
    });
    AddSizes(parser);
    AddChoices(parser);
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QCoreApplication::translate("tu_k-make", "The folder whose images get pages."));
}

// Each choice given, on or off; refused when both are.
bool ReadChoices(const QCommandLineParser& parser, MakeOptions& options, QString& error) {
    for (const Choice& choice : kChoices) {
        const QString on = QLatin1String(choice.name), off = QStringLiteral("no-") + on;
        if (parser.isSet(on) && parser.isSet(off)) {
            //: %1 and %2 are an option's name and its opposite's, such as index and no-index.
            error = QCoreApplication::translate("tu_k-make", "give either --%1 or --%2, not both")
                        .arg(on, off);
            return false;
        }
        if (parser.isSet(on) || parser.isSet(off))
            options.choices.emplace_back(choice.field, parser.isSet(on));
    }
    return true;
}

// A whole number from min to max, for the option of that name.
bool ReadSize(const QCommandLineParser& parser, const QString& name, int min, int max, int& size,
              QString& error) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < min || value > max) {
        //: %1 is the option's name, %2 to %3 the sizes it takes, %4 what was given.
        error = QCoreApplication::translate("tu_k-make",
                                            "--%1 needs a whole number from %2 to %3, not \"%4\"")
                    .arg(name)
                    .arg(min)
                    .arg(max)
                    .arg(parser.value(name));
        return false;
    }
    size = value;
    return true;
}

// --target or --into: a folder, and only one of them.
bool ReadTarget(const QCommandLineParser& parser, MakeOptions& options, QString& error) {
    const QString target = QStringLiteral("target"), into = QStringLiteral("into");
    if (parser.isSet(target) && parser.isSet(into)) {
        error =
            QCoreApplication::translate("tu_k-make", "give either --target or --into, not both");
        return false;
    }
    options.noInto = parser.isSet(QStringLiteral("no-into"));
    if (options.noInto && parser.isSet(into)) {
        error =
            QCoreApplication::translate("tu_k-make", "give either --into or --no-into, not both");
        return false;
    }
    options.into = parser.isSet(into);
    const QString& given = options.into ? into : target;
    options.target = parser.value(given);
    if (parser.isSet(given) && options.target.isEmpty()) {
        //: %1 is the option's name, target or into.
        error = QCoreApplication::translate("tu_k-make", "--%1 needs a folder").arg(given);
        return false;
    }
    return true;
}

} // namespace

QString ParseMakeOptions(const QStringList& arguments, MakeOptions& options) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments))
        //: %1 is why the command line is refused, a sentence of Qt's.
        return QCoreApplication::translate("tu_k-make", "%1 (see tu_k-make --help)")
            .arg(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1 || folders.constFirst().isEmpty())
        return QCoreApplication::translate("tu_k-make",
                                           "give exactly one folder (see tu_k-make --help)");
    options = MakeOptions{};
    options.folder = folders.constFirst();
    options.yes = parser.isSet(QStringLiteral("yes"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    QString error;
    int webSize = 0;
    if (!ReadTarget(parser, options, error) || !ReadChoices(parser, options, error) ||
        !ReadSize(parser, QStringLiteral("thumb-size"), kMinThumbSize, kMaxThumbSize,
                  options.thumbSize, error) ||
        !ReadSize(parser, QStringLiteral("web-size"), kMinWebSize, kMaxWebSize, webSize, error))
        return error;
    if (webSize > 0)
        options.webSize = webSize;
    return {};
}

void ApplyMakeOptions(const MakeOptions& options, PageSettings& settings) {
    for (const auto& [field, on] : options.choices)
        settings.*field = on;
    if (options.webSize)
        settings.nWebSize = static_cast<quint16>(*options.webSize);
    if (options.into || options.noInto)
        settings.lIntoTarget = options.into;
}

} // namespace tuk
