#include "platform/qt/QtFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

class QtFilesTest : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("DNS.conf")) const { return dir.filePath(name); }
    mode_t permissions() const
    {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(path()).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
    }
    std::optional<QByteArray> content(const QString& name = QStringLiteral("DNS.conf"))
    {
        return files.read(path(name), 1 << 20);
    }
    // Nothing but the settings file: no temporary file is left behind.
    bool onlyTheFileIsThere() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ==
               QStringList{"DNS.conf"};
    }

    QTemporaryDir dir;
    QtFiles files;
    QString error;
};

TEST_F(QtFilesTest, AtomicWriteCreatesOrReplacesAnOwnerOnlyFile)
{
    ASSERT_TRUE(files.writeAtomically(path(), "a longer first content", &error)) << error.toStdString();
    EXPECT_EQ(permissions(), mode_t(0600));
    ::chmod(QFile::encodeName(path()).constData(), 0644);
    ASSERT_TRUE(files.writeAtomically(path(), "new", &error)) << error.toStdString();
    EXPECT_EQ(content(), QByteArray("new"));
    EXPECT_EQ(files.read(path(), 2), QByteArray("ne"));
    EXPECT_EQ(permissions(), mode_t(0600));
    EXPECT_TRUE(onlyTheFileIsThere());
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
    EXPECT_EQ(content("DNS.conf/inner"), QByteArray("kept"));
    EXPECT_TRUE(onlyTheFileIsThere());
}

TEST_F(QtFilesTest, CreateEmptyMakesAnOwnerOnlyFileButNeverTruncatesOne)
{
    EXPECT_EQ(content(), std::nullopt);
    ASSERT_TRUE(files.createEmpty(path(), &error)) << error.toStdString();
    EXPECT_EQ(content(), QByteArray());
    EXPECT_EQ(permissions(), mode_t(0600));

    ASSERT_TRUE(files.writeAtomically(path(), "settings", &error));
    EXPECT_FALSE(files.createEmpty(path(), &error));
    EXPECT_EQ(content(), QByteArray("settings"));
}
