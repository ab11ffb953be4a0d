#include "core/platform/qt/QtFiles.h"
#include "core/platform/qt/SettingsLocation.h"
#include "desktop/platform/qt/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

class QtFilesTest : public ::testing::Test
{
protected:
    QString path(const QString& name = "DNS.conf") const { return dir.filePath(name); }
    static mode_t permissions(const QString& file)
    {
        struct stat info = {};
        return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
    QtFiles files;
    QString error;
};

TEST_F(QtFilesTest, CreateEmptyAndAtomicWriteMakeOwnerOnlyFilesAndOnlyTheWriteReplacesOne)
{
    EXPECT_EQ(files.read(path(), 100), std::nullopt);
    ASSERT_TRUE(files.createEmpty(path(), &error)) << error.toStdString();
    EXPECT_EQ(files.read(path(), 100), QByteArray());
    EXPECT_EQ(permissions(path()), mode_t(0600));

    ASSERT_TRUE(files.writeAtomically(path(), "a longer first content", &error)) << error.toStdString();
    EXPECT_FALSE(files.createEmpty(path(), &error));
    EXPECT_EQ(files.read(path(), 100), QByteArray("a longer first content"));
    ::chmod(QFile::encodeName(path()).constData(), 0644);
    ASSERT_TRUE(files.writeAtomically(path(), "new", &error)) << error.toStdString();
    EXPECT_EQ(files.read(path(), 2), QByteArray("ne"));
    EXPECT_EQ(files.readEnd(path(), 2), QByteArray("ew"));
    EXPECT_EQ(permissions(path()), mode_t(0600));
    EXPECT_EQ(entries(), QStringList{"DNS.conf"});
}

TEST_F(QtFilesTest, ALinkIsSavedThroughToItsTargetAndAReadOnlyFileIsSeenAsSuch)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("settings");
    ASSERT_TRUE(QFile::link(target, path()));
    ASSERT_TRUE(files.writeAtomically(path(), "through", &error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(files.read(target, 100), QByteArray("through"));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"settings"});
    EXPECT_EQ(entries(), QStringList{"DNS.conf"});

    EXPECT_FALSE(files.isReadOnly(path()));
    ::chmod(QFile::encodeName(target).constData(), 0400);
    EXPECT_TRUE(files.isReadOnly(path()));
    EXPECT_FALSE(files.isReadOnly(path("missing")));
}

TEST_F(QtFilesTest, OnlyOurOwnLeftoverTemporaryFilesAreRemoved)
{
    for (const char* name : {"DNS.conf", "DNS.conf.AbCdEf", "DNS.conf.xyzXYZ", "DNS.conf.Ab1dEf", "DNS.conf.AbCdEfG",
                             "DNS.confxAbCdEf", "DNS.conf.Theirs"})
        ASSERT_TRUE(files.createEmpty(path(name), &error)) << name << error.toStdString();
    ASSERT_TRUE(QFile::link(path(), path("DNS.conf.LinkXy")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("DNS.conf.Folder"));
    QStringList expected = {"DNS.conf",        "DNS.conf.Ab1dEf", "DNS.conf.AbCdEfG",
                            "DNS.conf.Folder", "DNS.conf.LinkXy", "DNS.confxAbCdEf"};
    // Only root can give a file away to someone else, whose file it then is to keep.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(path("DNS.conf.Theirs")).constData(), 65534, 65534), 0);
        expected.insert(5, "DNS.conf.Theirs");
    }
    files.removeStaleTemporaries(path());
    EXPECT_EQ(entries(), expected);
}

TEST_F(QtFilesTest, AFailedWriteReportsWhyAndLeavesWhatWasThere)
{
    EXPECT_FALSE(files.writeAtomically(path("missing/DNS.conf"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder in the file's place cannot be replaced; it and its content stay.
    ASSERT_TRUE(QDir(dir.path()).mkdir("DNS.conf"));
    ASSERT_TRUE(files.writeAtomically(path("DNS.conf/inner"), "kept", &error));
    error.clear();
    EXPECT_FALSE(files.writeAtomically(path(), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(files.read(path("DNS.conf/inner"), 100), QByteArray("kept"));
    EXPECT_EQ(entries(), QStringList{"DNS.conf"});
}

TEST_F(QtFilesTest, SettingsStayBesideAWritableProgramAndGoToAnOwnerOnlyUserFolderOtherwise)
{
    const QString program = path("bin");
    const QString user = path("config/Veltaro");
    const SettingsLocation portable = locateSettings(program, true, user);
    EXPECT_EQ(std::pair(portable.path, portable.startingPoint), std::pair(program + "/DNS.conf", QString()));
    EXPECT_FALSE(QFileInfo::exists(user));
    const SettingsLocation installed = locateSettings(program, false, user);
    EXPECT_EQ(std::pair(installed.path, installed.startingPoint), std::pair(user + "/DNS.conf", program + "/DNS.conf"));
    EXPECT_EQ(permissions(user), mode_t(0700));

    // An installed program keeps no settings beside itself, even for root, who may write there.
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(path("root/usr/bin")));
    EXPECT_TRUE(isPortableCopy(program));
    EXPECT_FALSE(isPortableCopy(path("root/usr/bin")));
    EXPECT_FALSE(isPortableCopy("/usr/bin"));

    // A relative user folder is taken from HOME, not from the current folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(path("home")));
    const SettingsLocation relative = locateSettings(program, false, "here/Veltaro");
    qputenv("HOME", home);
    EXPECT_EQ(relative.path, path("home/.config/Veltaro/DNS.conf"));
}

TEST_F(QtFilesTest, StartAtLoginIsAnAutostartEntryThatRunsTheProgramByItsQuotedPath)
{
    const QString autostart = path("config/autostart");
    XdgAutostart login("/opt/my $apps/veltaro", autostart);
    EXPECT_FALSE(login.isEnabled());
    EXPECT_TRUE(login.setEnabled(false, &error)) << "nothing to remove is not a failure";
    ASSERT_TRUE(login.setEnabled(true, &error)) << error.toStdString();
    EXPECT_TRUE(login.isEnabled());
    const std::optional<QByteArray> text = files.read(autostart + "/veltaro.desktop", 4096);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text->contains("\nExec=\"/opt/my \\$apps/veltaro\"\n")) << text->constData();
    ASSERT_TRUE(login.setEnabled(false, &error));
    EXPECT_FALSE(login.isEnabled());

    // A file where the folder should be.
    QFile(path("blocked")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(XdgAutostart("/usr/bin/veltaro", path("blocked")).setEnabled(true, &error));
    EXPECT_FALSE(error.isEmpty());
}
