// tu_k-make as users meet it: run as a program with its own settings folder (the real user
// store is never touched), its exit status, its messages and the pages it leaves.

#include "generator/RunFixture.h"
#include "settings/SettingsStore.h"
#include "style/Colors.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

namespace {

struct Outcome {
    int code = -1;
    QString out, err;
};

// In the child, before tu_k-make starts: become the unprivileged user "nobody", for whom
// folder permissions count.
void BecomeNobody() {
    if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
        _exit(99);
}

// Whether "nobody" may reach and run the program: every folder on its path must be open to
// others (a checkout inside a private temporary folder is not).
bool NobodyCanRun(const QString& program) {
    QString path = QFileInfo(program).absoluteFilePath();
    while (!path.isEmpty() && path != "/") {
        struct stat st {};
        if (stat(QFile::encodeName(path).constData(), &st) != 0 || !(st.st_mode & S_IXOTH))
            return false;
        path = QFileInfo(path).path();
    }
    return true;
}

} // namespace

class TestMake : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
        config_ = home_->path() + "/config";
        folder_ = home_->path() + "/Pics/";
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        auto row = [](const char* name, const QStringList& args, int code, const char* out,
                      const char* err) {
            QTest::newRow(name) << args << code << QString(out) << QString(err);
        };
        row("help", {"--help"}, 0, "--target <DIR>", "");
        row("version", {"--version"}, 0, "tu_k-make " TUK_VERSION, "");
        row("no folder", {}, 2, "", "tu_k-make: give exactly one folder");
        row("two folders", {"a", "b"}, 2, "", "tu_k-make: give exactly one folder");
        row("unknown option", {"--bogus", "a"}, 2, "", "Unknown option 'bogus'");
        row("target without folder", {"a", "--target"}, 2, "", "Missing value after '--target'");
        row("empty target", {"--target", "", "a"}, 2, "", "--target needs a folder");
    }
    void usage() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Outcome result = Run(args);
        QCOMPARE(result.code, code);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
    }

    void storeValueThatDoesNotConvert_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* section, const char* key, const char* value,
                      const char* why) {
            QTest::newRow(name) << QString(section) << QString(key) << QString(value)
                                << QString("[%1] %2 = \"%3\": %4").arg(section, key, value, why);
        };
        row("size too large", "Text", "nFontSize", "300", "Overflow");
        row("size refused", "Text", "nFontSize", "0", "Invalid property value");
        row("colour not a number", "Colors", "AlinkB", "red", "Type mismatch");
        row("flag", "Others", "lCopyr", "maybe", "Type mismatch");
    }
    void storeValueThatDoesNotConvert() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QVERIFY(MakeImages(folder_, {"a.jpg"}));
        Store().WriteSetting(section.toLatin1(), key.toLatin1(), value);
        const Outcome result = Run({"--yes", folder_});
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.err.contains(config_ + "/Tarnwick/Tu_K.conf"));
        QVERIFY(PagesIn(folder_).isEmpty());
    }

    // What is no regular file at the store's place is never opened: tu_k-make says it cannot
    // read the settings instead of hanging, and leaves it as it is.
    void specialFileAtStore_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero link";
    }
    void specialFileAtStore() {
        QFETCH(QString, kind);
        QVERIFY(MakeImages(folder_, {"a.jpg"}));
        const QString store = config_ + "/Tarnwick/Tu_K.conf";
        QVERIFY(MakeFolder(config_ + "/Tarnwick") && MakeSpecialFile(store, kind));
        const Outcome result = Run({"--yes", folder_}, {}, {}, 20000);
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(store), qPrintable(result.err));
        QVERIFY(PagesIn(folder_).isEmpty());
        QCOMPARE(FileKind(store), kind == "fifo" ? S_IFIFO : S_IFLNK);
    }

    void question_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("code");
        QTest::newRow("y") << QByteArray("y\n") << 0;
        QTest::newRow("YES") << QByteArray(" YES \n") << 0;
        QTest::newRow("n") << QByteArray("n\n") << 1;
        QTest::newRow("anything else") << QByteArray("sure\n") << 1;
        QTest::newRow("end of input") << QByteArray() << 1;
    }
    void question() {
        QFETCH(QByteArray, answer);
        QFETCH(int, code);
        QVERIFY(MakeImages(folder_, {"a.jpg", "b.gif"}));
        const Outcome result = Run({folder_}, answer);
        QCOMPARE(result.code, code);
        QVERIFY2(result.err.startsWith("Make HTML's in " + folder_ + " for 2 Image(s) in " +
                                       folder_ + "? [y/N] "),
                 qPrintable(result.err));
        if (code == 0) {
            QVERIFY2(QRegularExpression("^Image: 2 / 2 -- \\d+\\.\\d{1,3} -- OK\n$")
                         .match(result.out)
                         .hasMatch(),
                     qPrintable(result.out));
            QCOMPARE(PagesIn(folder_), QStringList({"a_jpg.html", "b_gif.html"}));
        } else {
            QVERIFY(result.err.contains("tu_k-make: nothing was made"));
            QVERIFY(result.out.isEmpty());
            QVERIFY(PagesIn(folder_).isEmpty());
        }
    }

    // The window and tu_k-make make the same bytes from the same stored options.
    void sameBytesAsTheGenerator() {
        QVERIFY(MakeImages(folder_, {"b.jpg", "A.jpeg"}));
        {
            SettingsStore store = Store();
            store.WriteSetting("Text", "sFontFace", "Comic Sans MS");
            store.WriteSetting("Text", "lBold", "True");
            store.WriteSetting("Others", "lText", "-1");
            store.WriteSetting("Colors", "BackR", "0");
            store.WriteSetting("Window", "DefL", "abc"); // the window's, never read here
        }
        const Outcome result = Run({"--yes", "--quiet", folder_});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, QString());
        const QByteArray made = ReadFile(folder_ + "a_jpeg.html");
        QVERIFY(made.contains("<font face=Comic Sans MS size=2>\r\n<b>\r\n"));
        QVERIFY(made.contains("<body bgcolor=#00c0c0 "));

        QTemporaryDir other;
        const QString copy = other.path() + "/Pics/";
        QVERIFY(MakeFolder(copy));
        for (const char* name : {"b.jpg", "A.jpeg"})
            QVERIFY(QFile::copy(folder_ + QLatin1String(name), copy + QLatin1String(name)));
        PageRun run;
        QVERIFY(LoadPageSettings(Store(), run.settings).ok);
        run.sFolder = copy;
        run.images = ListFolderImages(copy).names;
        run.body = MakeBodyString(run.settings);
        run.driveType = kFixedDisk;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QCOMPARE(ReadFile(copy + "a_jpeg.html"), made);
        QCOMPARE(ReadFile(copy + "b_jpg.html"), ReadFile(folder_ + "b_jpg.html"));
    }

    // A folder on a RAM disk is not on a fixed disk: its pages go to the target folder, from
    // --target, else from the store, else "Tu_K" in the user's documents folder.
    void targetFolder_data() {
        QTest::addColumn<QString>("from");
        QTest::newRow("--target") << "option";
        QTest::newRow("stored TargetFolder") << "store";
        QTest::newRow("none stored") << "default";
        QTest::newRow("empty stored") << "empty";
    }
    void targetFolder() {
        QFETCH(QString, from);
        if (DriveTypeName("/dev/shm") != QLatin1String(kRamDisk))
            QSKIP("no RAM disk at /dev/shm");
        QTemporaryDir ram("/dev/shm/tst_make-XXXXXX");
        QVERIFY(ram.isValid());
        const QString images = ram.path() + "/Card/";
        QVERIFY(MakeImages(images, {"IMG_1.JPG", "IMG_2.JPG"}));
        const QString target =
            home_->path() +
            (from == "option" || from == "store" ? "/Web Pages/" : "/Documents/Tu_K/");
        QVERIFY(MakeFolder(target));
        QStringList args{images};
        if (from == "option") {
            Store().WriteSetting("Others", "TargetFolder", "/somewhere/else");
            args << "--target" << home_->path() + "/Web Pages";
        } else if (from != "default") {
            Store().WriteSetting("Others", "TargetFolder", from == "store" ? target : "");
        }
        const Outcome result = Run(args, "y\n");
        QCOMPARE(result.code, 0);
        QVERIFY2(result.err.startsWith("Make HTML's in " + target + " for 2 Image(s) in " + images +
                                       "?"),
                 qPrintable(result.err));
        QCOMPARE(PagesIn(target), QStringList({"img_1_jpg.html", "img_2_jpg.html"}));
        QVERIFY(PagesIn(images).isEmpty());
        const QByteArray page = ReadFile(target + "img_1_jpg.html");
        const QByteArray targetLink = QByteArray(target.toUtf8()).replace(" ", "%20");
        QVERIFY(page.contains("[<a href=\"" + targetLink + "img_2_jpg.html\">next</a>]"));
        QVERIFY(page.contains("<img src=\"" + images.toUtf8() + "IMG_1.JPG\">"));
    }

    void nothingToMake_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("no images") << "empty" << QString("no images (.gif, .jpg, .jpeg) in ");
        QTest::newRow("missing folder") << "missing" << QString("does not exist");
        QTest::newRow("a file") << "file" << QString("is not a folder");
    }
    void nothingToMake() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        if (kind == "empty")
            QVERIFY(MakeImages(folder_, {"notes.txt"}));
        else if (kind == "file")
            QVERIFY(WriteFile(home_->path() + "/Pics", "x"));
        const Outcome result = Run({"--yes", folder_});
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }

    void readOnlyOutputFolder() {
        if (geteuid() == 0 && !NobodyCanRun(TUK_MAKE_PATH))
            QSKIP("running as root, and the build lies where user nobody cannot run it");
        QVERIFY(MakeImages(folder_, {"a.jpg", "b.jpg"}));
        chmod(QFile::encodeName(home_->path()).constData(), 0755);
        chmod(QFile::encodeName(folder_).constData(), 0555);
        const Outcome result =
            Run({"--yes", folder_}, {}, geteuid() == 0 ? BecomeNobody : std::function<void()>());
        chmod(QFile::encodeName(folder_).constData(), 0755);
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains("tu_k-make: Cannot write the page " + folder_ +
                                     "a_jpg.html: Permission denied. 0 of 2 pages were written"),
                 qPrintable(result.err));
        QVERIFY2(result.out.endsWith(" -- Failed\n"), qPrintable(result.out));
        QVERIFY(PagesIn(folder_).isEmpty());
    }

    // A full disk (here a file size limit) ends the run at the page that does not fit; the
    // page of the run before stays whole and no temporary file is left.
    void diskFull() {
        QVERIFY(MakeImages(folder_, {"a.jpg", "b.jpg"}));
        QCOMPARE(Run({"--yes", folder_}).code, 0);
        const QByteArray before = ReadFile(folder_ + "a_jpg.html");
        Store().WriteSetting("Others", "lText", "True"); // pages of about 4 KB
        const Outcome result = Run({"--yes", folder_}, {}, [] {
            const rlimit limit{2048, 2048};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains("Cannot write the page " + folder_ +
                                     "a_jpg.html: File too large. 0 of 2 pages were written"),
                 qPrintable(result.err));
        QCOMPARE(ReadFile(folder_ + "a_jpg.html"), before);
        QVERIFY(!HasTemporaryFiles(folder_));
    }

    // SIGTERM ends the run between two pages: every page there is whole, none is half made.
    void stopsOnSignal() {
        const int count = 20000;
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QString::asprintf("p%05d.jpg", i);
        QVERIFY(MakeImages(folder_, names, 0));
        QProcess make;
        Prepare(make);
        make.start(TUK_MAKE_PATH, {"--yes", folder_});
        QVERIFY(make.waitForStarted());
        for (int i = 0; i < 5000 && !QFileInfo::exists(folder_ + "p00000_jpg.html"); ++i)
            QTest::qSleep(1);
        ::kill(static_cast<pid_t>(make.processId()), SIGTERM);
        QVERIFY(make.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(make.readAllStandardError());
        const QRegularExpressionMatch done =
            QRegularExpression("Stopped on request. (\\d+) of 20000 pages").match(err);
        if (!done.hasMatch() && make.exitStatus() == QProcess::NormalExit)
            QSKIP("the run finished before the signal came");
        QVERIFY2(done.hasMatch(), qPrintable(err));
        QCOMPARE(make.exitStatus(), QProcess::CrashExit); // ended by the signal, as a shell expects
        const int pages = done.captured(1).toInt();
        QVERIFY(pages > 0 && pages < count);
        QCOMPARE(PagesIn(folder_).size(), pages);
        QVERIFY(ReadFile(folder_ + QString::asprintf("p%05d_jpg.html", pages - 1))
                    .endsWith("</html>\r\n"));
        QVERIFY(!HasTemporaryFiles(folder_));
    }

private:
    SettingsStore Store() const { return SettingsStore(config_ + "/Tarnwick/Tu_K.conf"); }

    void Prepare(QProcess& make) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config_);
        env.insert("HOME", home_->path());
        make.setProcessEnvironment(env);
    }

    // A run that does not end within the time is killed and gives the code -1.
    Outcome Run(const QStringList& args, const QByteArray& input = {},
                const std::function<void()>& childSetup = {}, int timeoutMs = 60000) const {
        QProcess make;
        Prepare(make);
        if (childSetup)
            make.setChildProcessModifier(childSetup);
        make.start(TUK_MAKE_PATH, args);
        Outcome result;
        if (!make.waitForStarted())
            return result;
        make.write(input);
        make.closeWriteChannel();
        if (!make.waitForFinished(timeoutMs))
            return result;
        result.code = make.exitStatus() == QProcess::NormalExit ? make.exitCode() : -1;
        result.out = QString::fromLocal8Bit(make.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(make.readAllStandardError());
        return result;
    }

    std::unique_ptr<QTemporaryDir> home_;
    QString config_;
    QString folder_;
};

QTEST_GUILESS_MAIN(TestMake)
#include "tst_make.moc"
