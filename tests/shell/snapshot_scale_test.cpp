#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program itself, asked for pictures at a device pixel ratio: each
// full-screen picture has the logical screen's size times the ratio.
class SnapshotScale : public ::testing::TestWithParam<double> {};

TEST_P(SnapshotScale, PicturesHaveTheScreenSizeTimesTheRatio) {
    const double scale = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess fakoi;
    fakoi.start(FAKOI_PATH, {"--snapshot", dir.path(), "--screen", "640x480", "--scale",
                             QString::number(scale)});
    ASSERT_TRUE(fakoi.waitForFinished(60000));
    ASSERT_EQ(fakoi.exitCode(), 0) << fakoi.readAllStandardError().toStdString();
    for (const char* name : {"lentoi.png", "moniaktina.png"}) {
        const QImage picture(dir.filePath(name));
        EXPECT_EQ(picture.width(), 640 * scale) << name;
        EXPECT_EQ(picture.height(), 480 * scale) << name;
    }
    for (const char* name : {"eisagogiko.png", "ElSahl-planoconvex.png", "ElSahl-biconvex.png"})
        EXPECT_FALSE(QImage(dir.filePath(name)).isNull()) << name;
}

INSTANTIATE_TEST_SUITE_P(Ratios, SnapshotScale, ::testing::Values(1.5, 2.0));
