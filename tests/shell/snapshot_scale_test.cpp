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

namespace {

bool snapshot(const QTemporaryDir& dir, const QStringList& extra) {
    QProcess fakoi;
    fakoi.start(FAKOI_PATH, QStringList{"--snapshot", dir.path(), "--screen", "640x480"} + extra);
    return fakoi.waitForFinished(60000) && fakoi.exitCode() == 0;
}

} // namespace

// --lens-data adds the panel to the pictures of the workbench, of the
// single ray (its angles) and of Ibn Sahl's lenses, and to no other.
TEST(SnapshotLensData, PanelOnTheLensPicturesOnly) {
    QTemporaryDir plain, withPanel;
    ASSERT_TRUE(plain.isValid() && withPanel.isValid());
    ASSERT_TRUE(snapshot(plain, {}));
    ASSERT_TRUE(snapshot(withPanel, {"--lens-data"}));
    const struct {
        const char* name;
        bool differs;
    } rows[] = {{"lentoi.png", true},
                {"ElSahl-planoconvex.png", true},
                {"ElSahl-biconvex.png", true},
                {"moniaktina.png", true},
                {"eisagogiko.png", false}};
    for (const auto& row : rows) {
        const QImage without(plain.filePath(row.name)), with(withPanel.filePath(row.name));
        ASSERT_FALSE(without.isNull() || with.isNull()) << row.name;
        EXPECT_EQ(with != without, row.differs) << row.name;
    }
}
