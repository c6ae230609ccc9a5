#include "shell/options.h"

#include <gtest/gtest.h>

TEST(Options, CommandLines) {
    struct Row {
        QStringList args;
        QString dir;
        int width, height;
        bool error;
    };
    const Row rows[] = {
        {{"fakoi"}, "", 1280, 800, false},
        {{"fakoi", "--snapshot", "out"}, "out", 1280, 800, false},
        {{"fakoi", "--snapshot", "out", "--screen", "1920x1080"}, "out", 1920, 1080, false},
        {{"fakoi", "--screen", "10x10"}, "", 1280, 800, true},
        {{"fakoi", "--screen", "1920x"}, "", 1280, 800, true},
        {{"fakoi", "--screen", "99999999x1"}, "", 1280, 800, true},
        {{"fakoi", "--snapshot"}, "", 1280, 800, true},
        {{"fakoi", "--bogus"}, "", 1280, 800, true},
    };
    for (const Row& row : rows) {
        const shell::Options options = shell::parseOptions(row.args);
        const std::string name = row.args.join(' ').toStdString();
        EXPECT_EQ(options.snapshotDir, row.dir) << name;
        EXPECT_EQ(options.screenWidth, row.width) << name;
        EXPECT_EQ(options.screenHeight, row.height) << name;
        EXPECT_EQ(!options.error.isEmpty(), row.error) << name;
    }
}
