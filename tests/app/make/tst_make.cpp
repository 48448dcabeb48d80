// tu_k-make as users meet it: run as a program with its own settings folder (the real user
// store is never touched), its exit status, its messages and the pages it leaves.

#include "base/PathNames.h"
#include "generator/RunFixture.h"
#include "settings/SettingsStore.h"
#include "style/Colors.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

namespace {

struct Outcome {
    int code = -1;
    QString out, err;
};

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
        row("index and no index", {"--index", "--no-index", "a"}, 2, "", "not both");
        row("thumb size too small", {"--thumb-size", "31", "a"}, 2, "", "from 32 to 1024");
        row("thumb size too large", {"--thumb-size", "1025", "a"}, 2, "", "from 32 to 1024");
        row("thumb size not a number", {"--thumb-size", "big", "a"}, 2, "", "not \"big\"");
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
        row("colour not a number", "Colors", "AlinkB", "red", "Type mismatch");
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

    // A folder on a RAM disk is not on a fixed disk: its pages go to the target folder, from
    // --target, else from the store, else "Tu_K" in the user's documents folder; a missing one
    // is made with its parents, a file in its place stops the run before any page.
    void targetFolder_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char* name, const char* from, const char* kind) {
            QTest::newRow(name) << QString(from) << QString(kind);
        };
        row("--target", "option", "folder");
        row("stored TargetFolder", "store", "folder");
        row("none stored", "default", "missing");
        row("--target made with its parents", "option", "missing");
        row("a file as target", "option", "file");
    }
    void targetFolder() {
        QFETCH(QString, from);
        QFETCH(QString, kind);
        if (DriveTypeName("/dev/shm") != QLatin1String(kRamDisk))
            QSKIP("no RAM disk at /dev/shm");
        QTemporaryDir ram("/dev/shm/tst_make-XXXXXX");
        QVERIFY(ram.isValid());
        const QString images = ram.path() + "/Card/";
        QVERIFY(MakeImages(images, {"IMG_1.JPG", "IMG_2.JPG"}));
        const bool given = from == "option" || from == "store";
        const QString target = home_->path() + (given ? "/www/Web Pages/" : "/Documents/Tu_K/");
        if (kind == "folder")
            QVERIFY(MakeFolder(target));
        else if (kind == "file")
            QVERIFY(MakeFolder(home_->path() + "/www") && WriteFile(target.chopped(1), "x"));
        QStringList args{images};
        if (from == "option") {
            Store().WriteSetting("Others", "TargetFolder", "/somewhere/else");
            args << "--target" << target.chopped(1);
        } else if (from != "default") {
            Store().WriteSetting("Others", "TargetFolder", from == "store" ? target : "");
        }
        const Outcome result = Run(args, "y\n");
        QVERIFY(PagesIn(images).isEmpty());
        if (kind == "file") {
            QCOMPARE(result.code, 1);
            QVERIFY2(result.err.contains("Cannot open the output folder " + target +
                                         ": Not a directory. 0 of 2 pages"),
                     qPrintable(result.err));
            return;
        }
        QCOMPARE(result.code, 0);
        QVERIFY2(result.err.startsWith("Make HTML's in " + target + " for 2 Image(s) in " + images +
                                       "?"),
                 qPrintable(result.err));
        QCOMPARE(PagesIn(target), QStringList({"img_1_jpg.html", "img_2_jpg.html"}));
        const QByteArray page = ReadFile(target + "img_1_jpg.html");
        const QByteArray targetLink = QByteArray(target.toUtf8()).replace(" ", "%20");
        QVERIFY(page.contains("[<a href=\"" + targetLink + "img_2_jpg.html\">next</a>]"));
        QVERIFY(page.contains("<img src=\"" + images.toUtf8() + "IMG_1.JPG\">"));
    }

    // What tu_k-make says, and how it ends, when it cannot or need not make the pages as
    // asked. In args "@" stands for the image folder; "deep" and "gone" start tu_k-make in a
    // current folder deeper than a path can name, or one that was removed.
    void folderArguments_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* kind, const QStringList& args, int code,
                      const char* message) {
            QTest::newRow(name) << QString(kind) << args << code << QString(message);
        };
        row("no images", "empty", {"@"}, 1, "no images (.gif, .jpg, .jpeg) in ");
        row("missing folder", "missing", {"@"}, 1, "the folder @/ does not exist");
        row("a file", "file", {"@"}, 1, "tu_k-make: @ is not a folder\n");
        row("settings file that is not INI", "malformed", {"@"}, 2,
            "Tarnwick/Tu_K.conf is not a valid settings file");
        row("--target on a fixed disk", "fixed", {"--target", "Web", "@"}, 0,
            "--target has no effect: @/ is on a fixed disk");
        row("path that is not UTF-8", "not UTF-8", {}, 0, "");
        row("relative, current folder too deep", "deep", {"Pics"}, 1,
            "cannot tell where the relative path Pics leads: the current folder cannot be found "
            "(File name too long)");
        row("relative, current folder removed", "gone", {"Pics"}, 1,
            "the current folder cannot be found (No such file or directory)");
    }
    void folderArguments() {
        QFETCH(QString, kind);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const QString folder = WithoutTrailingSeparator(folder_);
        if (kind == "file")
            QVERIFY(WriteFile(folder, "x"));
        else if (kind != "missing")
            QVERIFY(MakeImages(folder_, {kind == "empty" ? "notes.txt" : "a.jpg"}));
        if (kind == "fixed" && DriveTypeName(folder) != QLatin1String(kFixedDisk))
            QSKIP("the temporary folder is not on a fixed disk");
        if (kind == "malformed")
            QVERIFY(MakeFolder(config_ + "/Tarnwick") &&
                    WriteFile(config_ + "/Tarnwick/Tu_K.conf", "\x01[[[\n=====\n[Colors\n"));
        const QByteArray home = QFile::encodeName(home_->path());
        std::function<void()> start;
        if (kind == "deep") { // 20 folders of 250 bytes below home
            start = [home] {
                const QByteArray level(250, 'd');
                if (chdir(home.constData()) != 0)
                    _exit(98);
                for (int i = 0; i < 20; ++i) {
                    if (mkdir(level.constData(), 0700) != 0 || chdir(level.constData()) != 0)
                        _exit(98);
                }
            };
        } else if (kind == "gone") {
            start = [home] {
                const QByteArray gone = home + "/gone";
                if (mkdir(gone.constData(), 0700) != 0 || chdir(gone.constData()) != 0 ||
                    rmdir(gone.constData()) != 0)
                    _exit(98);
            };
        }
        QString program = TUK_MAKE_PATH;
        QByteArray images = QFile::encodeName(folder_);
        args = QStringList{"--yes"} + args.replaceInStrings("@", folder);
        if (kind == "not UTF-8") { // argv bytes that no QString holds, through the shell
            images = home + "/Pics\xff/";
            QCOMPARE(rename(images.chopped(2) + "/", images), 0);
            program = "/bin/sh";
            args = QStringList{"-c", "exec \"$0\" --yes \"$(printf \"$1\")\"", TUK_MAKE_PATH,
                               home_->path() + "/Pics\\377"};
        }
        const Outcome result = Run(args, {}, start, 60000, program);
        if (kind == "deep")
            QProcess::execute("rm", {"-rf", home_->path() + "/" + QString(250, 'd')});
        QCOMPARE(result.code, code);
        QVERIFY2(result.err.contains(message.replace("@", folder)), qPrintable(result.err));
        if (code == 0)
            QVERIFY(ReadFile(images + "a_jpg.html").endsWith("</html>\r\n"));
        else
            QVERIFY(PagesIn(home_->path()).isEmpty() && PagesIn(folder_).isEmpty());
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

    // SIGKILL at any moment of a run, making pages anew or replacing them: every page is
    // absent or whole, and the next run removes what the killed ones left behind.
    void killedRunsLeaveWholePages() {
        const int count = 2000;
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QString::asprintf("p%04d.jpg", i);
        QVERIFY(MakeImages(folder_, names, 0));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Run({"--yes", folder_}).code, 0);
        const int runMs = static_cast<int>(qMax<qint64>(clock.elapsed(), 10));
        for (int round = 0; round < 16; ++round) {
            Store().WriteSetting("Text", "lBold", round % 2 ? "True" : "False");
            for (const QString& page : round % 3 == 0 ? PagesIn(folder_) : QStringList())
                QVERIFY(QFile::remove(folder_ + page));
            QProcess make;
            Prepare(make);
            make.start(TUK_MAKE_PATH, {"--yes", folder_});
            QVERIFY(make.waitForStarted());
            QTest::qSleep(QRandomGenerator::global()->bounded(runMs * 3 / 2));
            ::kill(static_cast<pid_t>(make.processId()), SIGKILL);
            QVERIFY(make.waitForFinished(60000));
            for (const QString& page : PagesIn(folder_)) {
                const QByteArray bytes = ReadFile(folder_ + page);
                QVERIFY2(bytes.startsWith("<html>") && bytes.endsWith("</html>\r\n"),
                         qPrintable(QString("round %1: %2 holds %3 bytes")
                                        .arg(round)
                                        .arg(page)
                                        .arg(bytes.size())));
            }
        }
        QCOMPARE(Run({"--yes", folder_}).code, 0);
        QCOMPARE(PagesIn(folder_).size(), count);
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
                const std::function<void()>& childSetup = {}, int timeoutMs = 60000,
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
