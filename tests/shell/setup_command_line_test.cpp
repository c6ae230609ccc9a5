#include "shell/setupfile.h"
#include "shell/setupwindows.h"
#include "tests/support/program.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

// The program itself started with a set-up file: one it cannot read stops
// it with the file and the fault on standard error and status 2, before any
// picture is drawn; one whose numbers are out of the controls' ranges is
// held in them.

namespace {

struct Ran {
    int status;
    QString errors;
};

Ran fakoi(const QStringList& arguments) {
    QProcess program;
    program.start(FAKOI_PATH, arguments);
    if (!program.waitForFinished(60000))
        return {-1, "did not finish"};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

QString write(const QString& path, const QByteArray& text) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

QByteArray rubbish(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(std::uint64_t(i) * 48271 % 253);
    return bytes;
}

} // namespace

TEST(SetupCommandLine, AFileThatCannotBeReadStopsWithStatusTwo) {
    QTemporaryDir dir;
    const std::pair<QByteArray, const char*> rows[] = {
        {"format = 1", "it is not JSON"},
        {"", "it is empty"},
        {rubbish(10 << 20), "it is larger than"},
        {R"({"format": 3})", "its format 3 is newer than format 1"},
        {R"({"format": 1, "front": 1})", "\"front\" must be one of"},
        {R"({"format": 1, "lentoi": {"Check1": "1"}})", "\"lentoi.Check1\" must be a finite"},
        {R"({"format": 1, "lentoi": {"fans": [{"x": 1, "y": "Infinity"}]}})",
         "\"lentoi.fans[0].y\" must be a finite"},
        {R"({"format": 1, "ElSahl": {"beamAngle": "-Infinity"}})", "\"ElSahl.beamAngle\" must"},
        {R"({"format": 1, "moniaktina": {"aim": {"x": 2e308, "y": 0}}})", "is not a finite number"},
    };
    // Both ways of naming the file, in turn.
    bool named = false;
    for (const auto& [text, fault] : rows) {
        const QString file = write(dir.filePath("lesson.fakoi"), text);
        const QString out = dir.filePath("pictures");
        named = !named;
        const Ran run =
            fakoi(named ? QStringList{"--setup", file, "--snapshot", out} : QStringList{file});
        EXPECT_EQ(run.status, 2) << fault;
        EXPECT_TRUE(run.errors.contains(file) && run.errors.contains(fault))
            << fault << " gave " << run.errors.toStdString();
        EXPECT_FALSE(QDir(out).exists()) << fault;
    }
}

TEST(SetupCommandLine, NumbersOutOfRangeAreHeldInTheControls) {
    QTemporaryDir dir;
    const QString file =
        write(dir.filePath("far.fakoi"),
              R"({"format": 1, "lentoi": {"aktina1": 1e9}, "moniaktina": {"aktina2": -1e300}})");
    const Ran run = fakoi({"--setup", file, "--snapshot", dir.path()});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    QFile drawn(dir.filePath("setup.fakoi"));
    ASSERT_TRUE(drawn.open(QIODevice::ReadOnly));
    const QByteArray text = drawn.readAll();
    EXPECT_TRUE(text.contains(R"("aktina1": 500,)")) << text.toStdString();
    EXPECT_TRUE(text.contains(R"("aktina2": 0,)")) << text.toStdString();
}

// Without a set-up, the pictures come with the set-up of what they show
// beside them: opened, it draws the same pictures (Ibn Sahl's window holds
// the lens drawn last), and a program started here saves the same file.
TEST(SetupCommandLine, ASnapshotsSetUpDrawsItsPicturesAgain) {
    QTemporaryDir dir;
    const QString first = dir.filePath("first"), again = dir.filePath("again");
    Ran run = fakoi({"--snapshot", first});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    run = fakoi({"--setup", first + "/setup.fakoi", "--snapshot", again});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const std::pair<const char*, const char*> same[] = {{"lentoi.png", "lentoi.png"},
                                                        {"moniaktina.png", "moniaktina.png"},
                                                        {"eisagogiko.png", "eisagogiko.png"},
                                                        {"ElSahl-biconvex.png", "ElSahl.png"}};
    for (const auto& [drawn, redrawn] : same) {
        const QImage expected(QDir(first).filePath(drawn));
        EXPECT_FALSE(expected.isNull()) << drawn;
        EXPECT_TRUE(QImage(QDir(again).filePath(redrawn)) == expected) << redrawn;
    }
    testing_support::ScriptedDialogs dialogs;
    bool ended = false;
    const auto started = testing_support::startProgram(dialogs, ended);
    const shell::SetupReading written = shell::readSetupFile(first + "/setup.fakoi");
    ASSERT_TRUE(written.setup) << written.error.toStdString();
    EXPECT_EQ(written.setup->lentoi, started->lentoi().setup());
}
