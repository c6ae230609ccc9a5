#include "shell/options.h"

#include <gtest/gtest.h>

#include <optional>

TEST(Options, CommandLines) {
    struct Row {
        QStringList args;
        QString dir;
        int width, height;
        bool error;
        std::optional<double> scale = std::nullopt;
        QString setup = {};
        bool lensData = false;
        QString waveField = {};
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
        {{"fakoi", "--snapshot", "out", "--scale", "2"}, "out", 1280, 800, false, 2},
        {{"fakoi", "--snapshot", "out", "--scale", "1.25", "--screen", "1920x1080"},
         "out",
         1920,
         1080,
         false,
         1.25},
        {{"fakoi", "--scale", "2"}, "", 1280, 800, true, 2},
        {{"fakoi", "--snapshot", "out", "--scale", "0"}, "out", 1280, 800, true},
        {{"fakoi", "--snapshot", "out", "--scale", "nan"}, "out", 1280, 800, true},
        {{"fakoi", "--snapshot", "out", "--scale", "4.5"}, "out", 1280, 800, true},
        {{"fakoi", "--snapshot", "out", "--scale"}, "out", 1280, 800, true},
        {{"fakoi", "--snapshot", "out", "--screen", "8192x4096", "--scale", "2.5"},
         "out",
         8192,
         4096,
         true,
         2.5},
        {{"fakoi", "lesson.fakoi"}, "", 1280, 800, false, std::nullopt, "lesson.fakoi"},
        {{"fakoi", "--setup", "-.fakoi", "--snapshot", "out"},
         "out",
         1280,
         800,
         false,
         std::nullopt,
         "-.fakoi"},
        {{"fakoi", "--setup"}, "", 1280, 800, true},
        {{"fakoi", "--setup", ""}, "", 1280, 800, true},
        {{"fakoi", "a.fakoi", "b.fakoi"}, "", 1280, 800, true, std::nullopt, "a.fakoi"},
        {{"fakoi", "a.fakoi", "--setup", "b.fakoi"}, "", 1280, 800, true, std::nullopt, "a.fakoi"},
        {{"fakoi", "--snapshot", "out", "--lens-data"},
         "out",
         1280,
         800,
         false,
         std::nullopt,
         {},
         true},
        {{"fakoi", "--lens-data"}, "", 1280, 800, true, std::nullopt, {}, true},
        {{"fakoi", "--snapshot", "o", "--wave-field"},
         "o",
         1280,
         800,
         false,
         {},
         {},
         {},
         "intensity"},
        {{"fakoi", "--snapshot", "o", "--wave-field", "wave"},
         "o",
         1280,
         800,
         false,
         {},
         {},
         {},
         "wave"},
        {{"fakoi", "--wave-field", "--snapshot", "o"},
         "o",
         1280,
         800,
         false,
         {},
         {},
         {},
         "intensity"},
        {{"fakoi", "--snapshot", "o", "--wave-field", "waves"},
         "o",
         1280,
         800,
         false,
         {},
         "waves",
         {},
         "intensity"},
        {{"fakoi", "--wave-field"}, "", 1280, 800, true, {}, {}, {}, "intensity"},
    };
    for (const Row& row : rows) {
        const shell::Options options = shell::parseOptions(row.args);
        const std::string name = row.args.join(' ').toStdString();
        EXPECT_EQ(options.snapshotDir, row.dir) << name;
        EXPECT_EQ(options.screenWidth, row.width) << name;
        EXPECT_EQ(options.screenHeight, row.height) << name;
        EXPECT_EQ(!options.error.isEmpty(), row.error) << name;
        EXPECT_EQ(options.scale, row.scale) << name;
        EXPECT_EQ(options.setupFile, row.setup) << name;
        EXPECT_EQ(options.lensData, row.lensData) << name;
        EXPECT_EQ(options.waveField, row.waveField) << name;
    }
}
