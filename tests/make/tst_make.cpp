// tu_k-make run with its own settings folder: its exit status, messages and pages.
#include "app/TableRows.h"
#include "base/PathNames.h"
#include "generator/RunFixture.h"
#include "make/MakeOptions.h"
#include "make/Prompt.h"
#include "make/StopSignals.h"
#include "make/TerminalProgress.h"
#include "settings/StoredSettings.h"
#include "thumbnails/PictureSupport.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

struct Outcome {
    int code = -1;
    QString out, err;
};

class TestMake : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
        config_ = home_->path() + "/config";
        folder_ = home_->path() + "/Pics/";
        environment_.clear();
    }

    // Pages of a RAM disk go to --target, else to the stored target folder; made if missing.
    void ramDiskPagesGoToTheTargetFolder_data() {
        Columns<bool>("option");
        Row("--target", true);
        Row("stored TargetFolder", false);
    }
    void ramDiskPagesGoToTheTargetFolder() {
        QFETCH(bool, option);
        if (VolumeKindOf("/dev/shm") != VolumeKind::RamDisk)
            QSKIP("no RAM disk at /dev/shm");
        QTemporaryDir ram("/dev/shm/tst_make-XXXXXX");
        const QString images = ram.path() + "/Card/", target = home_->path() + "/www/Web Pages/";
        QVERIFY(MakeImages(images, {"IMG_1.JPG", "IMG_2.JPG"}));
        Store().WriteSetting("Others", "TargetFolder", option ? QString("/elsewhere/") : target);
        const QStringList args{"--target", target.chopped(1), images};
        const Outcome result = Run(option ? args : args.mid(2), "y\n");
        QCOMPARE(result.code, 0);
        QVERIFY2(result.err.startsWith("Make HTML's in " + target + " for 2 Image(s) in " + images),
                 qPrintable(result.err));
        QVERIFY(PagesIn(images).isEmpty());
        QCOMPARE(PagesIn(target), QStringList({"img_1_jpg.html", "img_2_jpg.html"}));
    }

    // What tu_k-make says, how it ends and what it leaves ("!": must not be made). "@" is the
    // image folder (with Sub/), "~" the current one; kind sets up the store ("ini:"), the
    // answer ("stdin:") or the current folder.
    void argumentsHelpOrRefuseWithAReason_data() {
        Columns<QString, QStringList, int, QString, QString, QString>("kind", "args", "code", "out",
                                                                      "err", "made");
        const QString one = "tu_k-make: give exactly one folder", thumbs = "from 32 to 1024";
        using L = QStringList;
        Row("help", "", L{"--help", "@"}, 0, "--target <DIR>", "", "!a_jpg.html");
        Row("help names the kinds", "", L{"--help"}, 0, "per image (.gif, .jpg, .jpeg) of", "", "");
        Row("version", "", L{"--version"}, 0, "tu_k-make " TUK_VERSION, "", "");
        Row("no folder", "", L{}, 2, "", one, "");
        Row("two folders", "", L{"a", "b"}, 2, "", one, "");
        Row("empty target", "", L{"--target", "", "a"}, 2, "", "--target needs a folder", "");
        Row("thumb size 31", "", L{"--thumb-size", "31", "@"}, 2, "", thumbs, "");
        Row("thumb size big", "", L{"--thumb-size", "big", "@"}, 2, "", "not \"big\"", "");
        Row("--index, thumb size 32", "", L{"--index", "--thumb-size", "32", "@"}, 0, "OK", "",
            "index.html a_jpg.html");
        Row("saved index", "ini:[Others]\nlIndex=True\n", L{"@"}, 0, "OK", "", "index.html");
        Row("--no-index", "ini:[Others]\nlIndex=True\n", L{"--no-index", "@"}, 0, "OK", "",
            "a_jpg.html !index.html");
        Row("size too large", "ini:[Text]\nnFontSize=300\n", L{"@"}, 2, "",
            "[Text] nFontSize = \"300\": Overflow", "");
        Row("face that is markup", "ini:[Text]\nsFontFace=x onmouseover=alert(1)\n", L{"@"}, 2, "",
            "sFontFace = \"x onmouseover=alert(1)\": Invalid property value", "");
        const QString ask = "Make HTML's in @/ for 1 Image(s) in @/? [y/N] ";
        const QString no = "tu_k-make: nothing was made";
        Row("answer y", "stdin:y\n", L{"@"}, 0, "Image: 1 / 1 -- ", ask + "y\n", "a_jpg.html");
        Row("answer YES", "stdin: YES \n", L{"@"}, 0, "Image: 1 / 1 -- ", ask, "a_jpg.html");
        Row("answer sure", "stdin:sure\n", L{"@"}, 1, "", no, "");
        Row("end of input", "stdin:", L{"@"}, 1, "", no, "");
        Row("no images", "empty", L{"@"}, 1, "", "There are no images (.gif, .jpg, .jpeg) in @/.",
            "");
        Row("-r, none below", "empty", L{"-r", "@"}, 1, "", "in @/ or its subfolders.", "");
        Row("-r", "stdin:n\n", L{"-r", "@"}, 1, "", "2 Image(s) in @/ and 1 subfolder(s)? [", "");
        Row("--into", "stdin:n\n", L{"--into", "w", "@"}, 1, "", "into ~/w/Pics/ for 1 Image", "");
        Row("missing folder", "missing", L{"@"}, 1, "", "the folder @/ does not exist", "");
        Row("a file", "file", L{"@"}, 1, "", "tu_k-make: @ is not a folder\n", "");
        Row("settings file that is not INI", "ini:\x01[[[\n=====\n[Colors\n", L{"@"}, 2, "",
            "Tarnwick/Tu_K.conf is not a valid settings file", "");
        Row("--target on a fixed disk", "fixed", L{"--target", "Web", "@"}, 0, "",
            "--target has no effect: @/ is on a fixed disk", "a_jpg.html");
        Row("path that is not UTF-8", "not UTF-8", L{}, 0, "", "", "a_jpg.html");
        Row("relative, current folder too deep", "deep", L{"Pics"}, 1, "",
            "cannot tell where the relative path Pics leads: the current folder cannot be found "
            "(File name too long)",
            "");
        Row("relative, current folder removed", "gone", L{"Pics"}, 1, "",
            "the current folder cannot be found (No such file or directory)", "");
    }
    void argumentsHelpOrRefuseWithAReason() {
        QFETCH(QString, kind);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, made);
        const QString folder = WithoutTrailingSeparator(folder_);
        if (kind == "file")
            QVERIFY(WriteFile(folder, "x"));
        else if (kind != "missing")
            QVERIFY(MakeImages(folder_, kind == "empty"
                                            ? QStringList{"notes.txt", "Sub/"}
                                            : QStringList{"a.jpg", "Sub/", "Sub/b.gif"}));
        if (kind == "fixed" && VolumeKindOf(folder) != VolumeKind::FixedDisk)
            QSKIP("the temporary folder is not on a fixed disk");
        if (kind.startsWith("ini:")) // the store's text
            QVERIFY(MakeFolder(config_ + "/Tarnwick") &&
                    WriteFile(config_ + "/Tarnwick/Tu_K.conf", kind.mid(4).toLatin1()));
        const QByteArray home = QFile::encodeName(home_->path());
        const QByteArray level(250, 'd'), gone = home + "/gone";
        const int levels = kind == "deep" ? 20 : 0; // folders of 250 bytes
        const bool remove = kind == "gone";
        const std::function<void()> start = [=] { // in the child, before tu_k-make runs
            bool ok = chdir(home.constData()) == 0;
            for (int i = 0; i < levels; ++i)
                ok = ok && mkdir(level.constData(), 0700) == 0 && chdir(level.constData()) == 0;
            if (remove)
                ok = ok && mkdir(gone.constData(), 0700) == 0 && chdir(gone.constData()) == 0 &&
                     rmdir(gone.constData()) == 0;
            if (!ok)
                _exit(98);
        };
        QString program = TUK_MAKE_PATH;
        QByteArray images = QFile::encodeName(folder_);
        args.replaceInStrings("@", folder);
        const bool asked = kind.startsWith("stdin:");
        if (!asked)
            args.prepend("--yes");
        if (kind == "not UTF-8") { // argv bytes that no QString holds, through the shell
            images = home + "/Pics\xff/";
            QCOMPARE(rename(images.chopped(2) + "/", images), 0);
            program = "/bin/sh";
            args = QStringList{"-c", "exec \"$0\" --yes \"$(printf \"$1\")\"", TUK_MAKE_PATH,
                               home_->path() + "/Pics\\377"};
        }
        const Outcome result = Run(args, asked ? kind.mid(6).toLatin1() : "", start, program);
        if (kind == "deep")
            QProcess::execute("rm", {"-rf", home_->path() + "/" + QString(250, 'd')});
        QCOMPARE(result.code, code);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        err.replace("@", folder).replace("~", home_->path());
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        if (code == 0) // the note on --target comes only with it
            QCOMPARE(result.err.contains("has no effect"), args.contains("--target"));
        for (const QString& file : made.split(' ', Qt::SkipEmptyParts)) {
            const bool wanted = !file.startsWith('!');
            const QByteArray path = images + file.mid(wanted ? 0 : 1).toUtf8();
            QVERIFY2((access(path.constData(), F_OK) == 0) == wanted, qPrintable(file));
            QVERIFY2(!wanted || !file.endsWith("_jpg.html") ||
                         ReadFile(path).endsWith("</html>\r\n"),
                     qPrintable(file));
        }
        if (code != 0)
            QVERIFY(PagesIn(home_->path()).isEmpty() && PagesIn(folder_).isEmpty());
        if (kind == "not UTF-8") // a name the temporary folder cannot remove
            QCOMPARE(rename(images, home + "/Pics/"), 0);
    }

    // The user's language, as the desktop's variables name it, for the help (of both programs),
    // the question, the progress and the messages; LANGUAGE before the others.
    void speaksTheUsersLanguage_data() {
        Columns<QString, QStringList, QString, int, QString>("variables", "args", "input", "code",
                                                             "said");
        using L = QStringList;
        Row("help, LANGUAGE=de", "LANGUAGE=de", L{"--help"}, "", 0,
            "-y, --yes           Die Seiten ohne R\u00fcckfrage erstellen.");
        Row("question, LC_ALL=fr", "LC_ALL=fr_FR.UTF-8", L{"-r", "@"}, "o\n", 0,
            "Cr\u00e9er les pages HTML dans @/ pour 2 images contenues dans @/ et ses "
            "sous-dossiers (1) ? [o/N] ");
        Row("answer ja, LC_MESSAGES=de", "LC_MESSAGES=de_DE.UTF-8", L{"@"}, "ja\n", 0,
            "HTML-Seiten f\u00fcr 1 Bild aus @/ in @/ erstellen? [j/N] ja\nBild: 1 / 1 -- ");
        Row("no images, LANG=fr", "LANG=fr_FR.UTF-8", L{"--yes", "@/Sub/Sub"}, "", 1,
            "Il n'y a aucune image (.gif, .jpg, .jpeg) dans @/Sub/Sub/.");
        Row("bad size, LANGUAGE=de over LANG=fr", "LANG=fr_FR.UTF-8 LANGUAGE=de",
            L{"--thumb-size", "31", "@"}, "", 2, "nicht \u201e31\u201c");
        Row("tu_k --help, LANGUAGE=fr", "LANGUAGE=fr", L{"tu_k", "--help"}, "", 0,
            "Ouvre la fen\u00eatre de Tu_K");
        Row("LANGUAGE=en over LANG=de", "LANG=de_DE.UTF-8 LANGUAGE=en", L{"@", "@"}, "", 2,
            "tu_k-make: give exactly one folder");
    }
    void speaksTheUsersLanguage() {
        QFETCH(QString, variables);
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, said);
        QVERIFY(MakeImages(folder_, {"a.jpg", "Sub/", "Sub/b.gif", "Sub/Sub/"}));
        environment_ = variables.split(' ');
        const QString folder = WithoutTrailingSeparator(folder_);
        QString program = TUK_MAKE_PATH; // or the window's, beside it
        if (args.constFirst() == "tu_k")
            program = QFileInfo(program).dir().filePath(args.takeFirst());
        const Outcome result = Run(args.replaceInStrings("@", folder), input.toUtf8(), {}, program);
        QTEST(result.code, "code");
        QVERIFY2((result.err + result.out).contains(said.replace("@", folder)),
                 qPrintable(result.err + result.out));
    }

    // The command line over saved options (all off, or all on with 2000): "r" subfolders, "i"
    // into the target folder, "w" web-ready, the web size and the target; or why it is refused.
    void optionsOverrideSavedChoices_data() {
        Columns<QString, bool, QString>("args", "saved", "chosen");
        const QString size = "--web-size needs a whole number from 480 to 4096, not ";
        Row("saved", "", true, "r1 i1 w1 o1 2000 ");
        Row("-r", "-r", false, "r1 i0 w0 o0 1600 ");
        Row("--no-recursive", "--no-recursive", true, "r0 i1 w1 o1 2000 ");
        Row("--into", "--into www", false, "r0 i1 w0 o0 1600 www");
        Row("--web-ready", "--web-ready", false, "r0 i0 w1 o0 1600 ");
        Row("--no-web-ready", "--no-web-ready", true, "r1 i1 w0 o1 2000 ");
        Row("web size 480", "--web-size 480", true, "r1 i1 w1 o1 480 ");
        Row("web size 4096", "--web-size 4096", false, "r0 i0 w0 o0 4096 ");
        Row("web size 479", "--web-size 479", false, size + "\"479\"");
        Row("web size 4097", "--web-size 4097", false, size + "\"4097\"");
        Row("-r and --no-recursive", "-r --no-recursive", false,
            "give either --recursive or --no-recursive, not both");
        Row("--into and --target", "--into a -t b", false,
            "give either --target or --into, not both");
        Row("--no-into", "--no-into", true, "r1 i0 w1 o1 2000 ");
        Row("--originals", "--originals", false, "r0 i0 w0 o1 1600 ");
        Row("--no-originals", "--no-originals", true, "r1 i1 w1 o0 2000 ");
        Row("--into and --no-into", "--into a --no-into", false,
            "give either --into or --no-into, not both");
    }
    void optionsOverrideSavedChoices() {
        QFETCH(QString, args);
        QFETCH(bool, saved);
        MakeOptions options;
        const QString refused =
            ParseMakeOptions(("tu_k-make " + args + " F").split(' ', Qt::SkipEmptyParts), options);
        PageSettings page = DefaultPageSettings();
        page.lSubfolders = page.lIntoTarget = page.lWebReady = page.lOriginals = saved;
        page.nWebSize = saved ? 2000 : page.nWebSize;
        ApplyMakeOptions(options, page);
        const QString chosen =
            QString::asprintf("r%d i%d w%d o%d %d ", page.lSubfolders, page.lIntoTarget,
                              page.lWebReady, page.lOriginals, page.nWebSize);
        QTEST(refused.isEmpty() ? chosen + options.target : refused, "chosen");
    }

    // -q prints nothing, not even what the image library says of a corrupt JPEG.
    void quietPrintsNothing() {
        QVERIFY(MakeFolder(folder_) && WriteFile(folder_ + "a.jpg", SlowJpeg(20)));
        const Outcome result = Run({"--yes", "-q", "--index", folder_});
        QCOMPARE(result.out + result.err, QString());
        QVERIFY(QFile::exists(folder_ + "thumbs/a_jpg.jpg"));
    }

    // The progress line: the first and the last page always, at most ten lines a second in
    // between, thumbnails as they come; blanked at the end.
    void progressLineNeitherFloodsNorLingers() {
        std::ostringstream out;
        QElapsedTimer clock;
        clock.start();
        {
            TerminalProgress progress(&out); // blanks the line when it goes
            for (int k = 1; k <= 500; ++k)
                progress.Progress(k, 500, ImageStatusText(k, 500));
        }
        const QStringList shown = QString::fromStdString(out.str()).split('\r');
        QVERIFY2(shown.size() <= 5 + clock.elapsed() / 100, qPrintable(shown.join('|')));
        QCOMPARE(shown.first(2), QStringList({"", "Image: 1 / 500"}));
        QCOMPARE(shown.last(3), QStringList({"Image: 500 / 500", QString(16, ' '), ""}));
        std::ostringstream thumbs;
        TerminalProgress(&thumbs).ThumbProgress(1, 9, "Thumbnails: 1 / 9");
        QCOMPARE(thumbs.str(), "\rThumbnails: 1 / 9\r" + std::string(17, ' ') + "\r");
    }

    // The question offers the letter of the user's language, and takes it and its word as well
    // as the English answers, in any case.
    void promptAnswers() {
        TestLanguage german("tu_k-make", {{"[y/N]", "[j/N]"}, {"yes", "Ja"}});
        const std::tuple<bool, const char*, bool> rows[] = {
            {false, "y", true}, {false, "yes", true}, {false, "j", false}, {false, "ja", false},
            {true, "j", true},  {true, " JA ", true}, {true, "Y", true},   {true, "yes", true},
            {true, "n", false}, {true, "", false}};
        for (const auto& [translated, answer, yes] : rows) {
            const RowName row(translated, answer);
            if (translated)
                QVERIFY(QCoreApplication::installTranslator(&german));
            std::istringstream in(answer + std::string("\n"));
            std::ostringstream out;
            QCOMPARE(AskYes("Go?", in, out, false), yes);
            QCOMPARE(out.str(), translated ? "Go? [j/N] " : "Go? [y/N] ");
            QCoreApplication::removeTranslator(&german);
        }
    }

    // SIGTERM during a run ends it after the page being made; the signal only notes itself.
    void signalStopsAmongPages() {
        QVERIFY(MakeImages(folder_, NumberedImages(5)) && CatchStopSignals().isEmpty());
        struct SignalOnSecondPage : TerminalProgress {
            void Progress(int k, int, const QString&) override { (void)(k == 2 && raise(SIGTERM)); }
        } progress;
        QCOMPARE(PageGenerator(FixedDiskRun(folder_), &progress).end, RunEnd::Stopped);
        for (const int signo : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signo, SIG_DFL);
        QCOMPARE(CaughtStopSignal(), SIGTERM);
        QCOMPARE(PagesIn(folder_), QStringList({"img000_jpg.html", "img001_jpg.html"}));
    }

    // A stop signal while a decoder works (for seconds, on the first image) ends the run within
    // a second: pages whole, no image counted as undecodable, the index naming only thumbnails
    // that exist, no page showing a copy that is not there, even after SIGKILL; the program then
    // ends as the signal would. Ctrl-C and hang-ups reach decoders.
    void stopsOnSignal_data() {
        Columns<int, bool, QStringList>("signo", "group", "options");
        Row("Ctrl-C", SIGINT, true, QStringList{"--index"});
        Row("SIGTERM", SIGTERM, false, QStringList{"--index"});
        Row("hang-up", SIGHUP, true, QStringList{"--index"});
        Row("Ctrl-C, web-ready", SIGINT, true, QStringList{"--web-ready"});
        Row("SIGKILL, web-ready", SIGKILL, false, QStringList{"--web-ready"});
        Row("SIGTERM, web-ready, photo facts", SIGTERM, true,
            QStringList{"--web-ready", "--capture-dates", "--captions", "--camera"});
    }
    void stopsOnSignal() {
        QFETCH(int, signo);
        QFETCH(bool, group);
        QFETCH(QStringList, options);
        const QString option = options.first();
        QVERIFY(MakeImages(folder_, {}) && WriteFile(folder_ + "0.jpg", SlowJpeg(2000)));
        for (const QString& name : NumberedImages(3))
            QVERIFY(WriteFile(folder_ + name, TwoColourJpeg(600, 400)));
        QProcess make;
        QVERIFY(Start(make,
                      QStringList{"--yes"} + options + QStringList{"--web-size", "480", folder_}));
        const auto pid = static_cast<pid_t>(make.processId());
        const QString tasks = QString("/proc/%1/task/").arg(pid);
        const QDeadlineTimer deadline(60000);
        for (bool decoding = false; !decoding && !deadline.hasExpired(); QTest::qSleep(1))
            for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                decoding = decoding || !ReadFile(tasks + task + "/children").isEmpty();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(::kill(group ? -pid : pid, signo), 0);
        QVERIFY(make.waitForFinished(60000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(make.exitStatus(), QProcess::CrashExit);
        QCOMPARE(make.exitCode(), signo);
        const QString said = QString::fromLocal8Bit(make.readAllStandardError() + make.readAll());
        QVERIFY2(said.contains(signo == SIGKILL ? ""
                               : option == "--web-ready"
                                   ? "Stopped on request while making pictures"
                                   : "Stopped on request while making thumbnails") &&
                     !said.contains("could not be decoded"),
                 qPrintable(said));
        QCOMPARE(PagesIn(folder_).size(), option == "--index" ? 5 : 4);
        QCOMPARE(BrokenPages(folder_), QStringList());
        QVERIFY(IndexShowsOnlyWhatExists(folder_) == (option == "--index"));
        QVERIFY(!HasTemporaryFiles(folder_));
    }

    // SIGKILL at any moment leaves whole pages or none; the next run clears what is left.
    void killedRunsLeaveWholePages() {
        QVERIFY(MakeImages(folder_, NumberedImages(2000, 5), 0));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Run({"--yes", folder_}).code, 0);
        const int runMs = static_cast<int>(qMax<qint64>(clock.elapsed(), 10));
        const auto seed = static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
        QRandomGenerator random(seed); // the moments of the kills
        for (int round = 0; round < 16; ++round) {
            Store().WriteSetting("Text", "lBold", round % 2 ? "True" : "False");
            for (const QString& page : round % 3 == 0 ? PagesIn(folder_) : QStringList())
                QVERIFY(QFile::remove(folder_ + page));
            QProcess make;
            QVERIFY(Start(make, {"--yes", folder_}));
            QTest::qSleep(random.bounded(runMs * 3 / 2));
            ::kill(static_cast<pid_t>(make.processId()), SIGKILL);
            QVERIFY(make.waitForFinished(60000));
            for (const QString& page : PagesIn(folder_)) {
                const QByteArray bytes = ReadFile(folder_ + page);
                QVERIFY2(
                    bytes.startsWith("<html>") && bytes.endsWith("</html>\r\n"),
                    qPrintable(QString("seed %1, round %2: %3").arg(seed).arg(round).arg(page)));
            }
        }
        QCOMPARE(Run({"--yes", folder_}).code, 0);
        QCOMPARE(PagesIn(folder_).size(), 2000);
        QVERIFY(!HasTemporaryFiles(folder_));
    }

private:
    SettingsStore Store() const { return SettingsStore(config_ + "/Tarnwick/Tu_K.conf"); }

    void Prepare(QProcess& make) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config_);
        env.insert("XDG_CACHE_HOME", config_ + "/cache");
        env.insert("HOME", home_->path());
        // English unless a test names another language.
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(variable);
        env.insert("LANG", "C.UTF-8");
        for (const QString& variable : environment_)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        make.setProcessEnvironment(env);
    }
    // In a process group of its own, as a shell starts a command.
    bool Start(QProcess& make, const QStringList& args) const {
        Prepare(make);
        make.setChildProcessModifier([] { setpgid(0, 0); });
        make.start(TUK_MAKE_PATH, args);
        return make.waitForStarted();
    }

    // A run that does not end within a minute gives the code -1.
    Outcome Run(const QStringList& args, const QByteArray& input = {},
                const std::function<void()>& childSetup = {},
                const QString& program = TUK_MAKE_PATH) const {
        QProcess make;
        Prepare(make);
        if (childSetup)
            make.setChildProcessModifier(childSetup);
        make.start(program, args);
        Outcome result;
        if (!make.waitForStarted())
            return result;
        make.write(input);
        make.closeWriteChannel();
        if (!make.waitForFinished(60000))
            return result;
        result.code = make.exitStatus() == QProcess::NormalExit ? make.exitCode() : -1;
        result.out = QString::fromLocal8Bit(make.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(make.readAllStandardError());
        return result;
    }

    std::unique_ptr<QTemporaryDir> home_;
    QString config_, folder_;
    QStringList environment_;
};

QTEST_GUILESS_MAIN(TestMake)
#include "tst_make.moc"
