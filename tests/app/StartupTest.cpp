// The whole program, started as a separate process.
#include "album/GeneralAlbum.h"
#include "platform/Cp932.h"

#include <QImage>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("settings");
        QDir(dir.path()).mkpath("run");
        QFile::setPermissions(Path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Path(const char* name) const { return QDir(dir.path()).filePath(QString::fromUtf8(name)); }

    std::unique_ptr<QProcess> Start(const QStringList& args = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("GLIMMERBOX_HOME", Path("settings"));
        env.insert("XDG_RUNTIME_DIR", Path("run"));
        env.insert("GLIMMERBOX_DIALOG_ECHO", Path("dialogs.txt"));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(GB_BIN_DIR "/glimmerbox"), args);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    // True once a running program holds the single-instance lock.
    bool WaitForLock() {
        QElapsedTimer t;
        t.start();
        std::string lock = Path("run/glimmerbox.lock").toStdString();
        while (t.elapsed() < 20000) {
            int fd = open(lock.c_str(), O_RDWR);
            if (fd >= 0) {
                bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
                close(fd);
                if (held) return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

    QString Echo() {
        QFile f(Path("dialogs.txt"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dir;
};

TEST_F(ProgramTest, SecondStartSaysSoAndEndsWhileTheFirstRunsOn) {
    auto first = Start();
    ASSERT_TRUE(WaitForLock());

    auto second = Start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(Echo(), QString::fromUtf8("MsgBox\tGlimmerbox\tすでに起動しています\t48\n"));

    EXPECT_EQ(first->state(), QProcess::Running);
    kill(pid_t(first->processId()), SIGTERM);
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
}

TEST_F(ProgramTest, EndingWithSigtermWritesTheSettings) {
    QFile ini(Path("settings/Glimmerbox.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Main]\r\nAlphaBlend=40\r\nX=12\r\nY=34\r\n[History]\r\nRecent=1\r\n1=/a\r\n7=/stale\r\n");
    ini.close();

    auto program = Start();
    ASSERT_TRUE(WaitForLock());
    kill(pid_t(program->processId()), SIGTERM);
    ASSERT_TRUE(program->waitForFinished(20000));
    EXPECT_EQ(program->exitCode(), 0);

    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QString text = QString::fromStdString(gb::Utf8(ini.readAll().toStdString()));
    EXPECT_TRUE(text.startsWith("[Main]\r\nAlphaBlend=40\r\nX=12\r\nY=34\r\nClip=0\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[History]\r\nRecent=1\r\n1=/a\r\n[Favorite]\r\nFamily=0\r\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("stale"));
}

TEST_F(ProgramTest, FolderOnTheCommandLineIsOpenedAndSavedAtTheEnd) {
    QString album = Path("アルバム one");
    QDir().mkpath(album);
    for (const char* name : {"b.jpg", "a.jpg"}) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(QDir(album).filePath(name), "JPEG");
    }
    // The whole command line is one path, spaces and all.
    auto program = Start({Path("アルバム"), "one"});
    ASSERT_TRUE(WaitForLock());
    kill(pid_t(program->processId()), SIGTERM);
    ASSERT_TRUE(program->waitForFinished(20000));

    gb::AlbumInfo stored = gb::ReadAlbumInfo(album.toStdString());
    EXPECT_TRUE(stored.Stored);
    EXPECT_EQ(stored.Title, "アルバム one");
    ASSERT_EQ(stored.GalleryCount, 2);
    EXPECT_EQ(stored.Gallery(1).FileName, "a.jpg");
    EXPECT_EQ(stored.Gallery(2).Title, "b");
}

} // namespace
