#include "shell/setupfields.h"
#include "shell/setupfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <limits>
#include <vector>

namespace {

QString writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
    return path;
}

// Every window, every "what was drawn last", every option and lens, and
// doubles that are hard to write: a third, the smallest and largest, -0.
// Each row changes the one before it.
std::deque<std::pair<const char*, shell::Setup>> roundTripRows() {
    using L = windows::WorkbenchPicture::Base;
    using R = windows::WaveRecordContents::Kind;
    using D = windows::SahlPicture::Drawing;
    using E = shell::ElSahlSetup;
    std::deque<std::pair<const char*, shell::Setup>> rows;
    const auto bars = [](windows::LentoiSetup& l, int windows::BarDesign::*end) {
        l = {};
        for (const auto& row : windows::kLentoiBars)
            l.*row.value = row.design.*end;
    };
    shell::Setup s;
    rows.emplace_back("start values", s);
    bars(s.lentoi, &windows::BarDesign::min);
    s.lentoi.Check2 = 1;
    s.lentoi.line1BorderColor = 250;
    s.lentoi.picture.base = L::Lens;
    rows.emplace_back("lentoi lens, bars at Min", s);
    bars(s.lentoi, &windows::BarDesign::max);
    s.lentoi.Check1 = 1;
    s.lentoi.Line1 = {0.1, 1.0 / 3};
    s.lentoi.Line2 = {-std::numeric_limits<double>::max(), 5e-324};
    s.lentoi.bundleAngleDeg = -37.5;
    s.lentoi.picture.base = L::ParallelBundle;
    rows.emplace_back("lentoi bundle, bars at Max", s);
    s.lentoi.pigi = {-123.456, 1e-7};
    s.lentoi.picture.fans = {{-123.456, 1e-7}, {0, -0.0}, {1e300, -1e300}};
    s.lentoi.recorded = {R::Fan, {-123.456, 1e-7}};
    s.lentoi.picture.object = windows::FanSource{1e300, -0.5};
    s.lentoi.aktina2Moved = true;
    rows.emplace_back("lentoi fans over the bundle", s);
    s.lentoi.picture.base = L::FanWaves;
    s.lentoi.picture.animationSteps = 240;
    s.lentoi.picture.fans.clear();
    s.lentoi.view = {3, {-12.5, 7}};
    rows.emplace_back("lentoi fan waves, zoomed and panned", s);
    s.lentoi.picture.base = L::BundleWaves;
    s.lentoi.picture.animationSteps = 17;
    s.lentoi.picture.indexChanges = {{5, 40}, {12, 250}};
    s.lentoi.recorded.kind = R::Bundle;
    rows.emplace_back("lentoi bundle waves", s);
    s.lentoi.waveField = windows::WaveFieldMode::Wave;
    s.lentoi.waveFieldWavelength = windows::kLentoiWavelengths[3];
    rows.emplace_back("lentoi wave field at the shortest wavelength", s);
    s.front = shell::FrontWindow::Moniaktina;
    rows.emplace_back("moniaktina outline", s);
    s.moniaktina = {500,
                    0,
                    40,
                    500,
                    shell::SetupPoint{-0.0, 2.5},
                    true,
                    {windows::SingleRayPicture::Kind::Ray, 0, 0, 1e21, -1e-5},
                    {16, {0.5, -1e-7}},
                    true};
    rows.emplace_back("moniaktina ray", s);
    s.front = shell::FrontWindow::ElSahl;
    s.elSahl.option = E::Option::kymataYESNO;
    rows.emplace_back("ElSahl nothing, only waves", s);
    s.elSahl = {E::Option::onlyrays,
                {-7, 0.7},
                {-7, -0.7},
                {1e300, -2},
                {},
                false,
                windows::WaveFieldMode::Off,
                windows::kElSahlWavelengths[0],
                {-8, {-1e3, 0.25}}};
    s.elSahl.picture.biconvex = true;
    s.elSahl.picture.drawing = D::PointSource;
    s.elSahl.picture.index = 2.25;
    rows.emplace_back("ElSahl biconvex source, only rays", s);
    s.elSahl.picture.beamAngleDeg = 89.999;
    s.elSahl.picture.drawing = D::Beam;
    rows.emplace_back("ElSahl beam", s);
    s.elSahl.waveField = windows::WaveFieldMode::Intensity;
    s.elSahl.waveFieldWavelength = windows::kElSahlWavelengths[2];
    rows.emplace_back("ElSahl field intensity", s);
    s.eisagogiko.deiktissahl = 100;
    s.elSahl.picture.waves = true;
    s.elSahl.picture.wavesIndex = 1;
    rows.emplace_back("ElSahl waves over the beam", s);
    return rows;
}

} // namespace

TEST(SetupFile, RoundTripGivesTheSameValueAndTheSameBytes) {
    QTemporaryDir dir;
    for (const auto& [name, setup] : roundTripRows()) {
        const QString path = dir.filePath("setup.fakoi");
        EXPECT_FALSE(shell::writeSetupFile(path, setup)) << name;
        const shell::SetupReading reading = shell::readSetupFile(path);
        ASSERT_TRUE(reading.setup) << name << ": " << reading.error.toStdString();
        EXPECT_EQ(*reading.setup, setup) << name;
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(shell::setupToJson(*reading.setup).toStdString(), saved.readAll().toStdString())
            << name;
    }
}

// A missing field keeps its start value; unknown fields are ignored; a
// number out of a control's range is held in it and rounded as the control
// would; coordinates and angles take any finite number. Each row: a text,
// and a text it reads the same as.
TEST(SetupFile, MissingUnknownAndClampedFields) {
    const auto read = [](const char* text) {
        const shell::SetupReading reading = shell::setupFromJson(text, "a.fakoi");
        EXPECT_TRUE(reading.setup) << text << ": " << reading.error.toStdString();
        return reading.setup.value_or(shell::Setup{});
    };
    EXPECT_EQ(read(R"({"format": 1})"), shell::Setup{});
    const std::pair<const char*, const char*> rows[] = {
        {R"({"format": 1.0, "colour": "blue", "lentoi": {"aktina1": 120, "x": [1]}})",
         R"({"format": 1, "lentoi": {"aktina1": 120}})"},
        {R"({"format": 1, "lentoi": {"aktina1": 1e9}})",
         R"({"format": 1, "lentoi": {"aktina1": 500}})"},
        {R"({"format": 1, "lentoi": {"aktina1": -1e300}})",
         R"({"format": 1, "lentoi": {"aktina1": 50}})"},
        {R"({"format": 1, "lentoi": {"kentrokykloy2": 7}})",
         R"({"format": 1, "lentoi": {"kentrokykloy2": 0}})"},
        {R"({"format": 1, "lentoi": {"desmi1": 20.5}})",
         R"({"format": 1, "lentoi": {"desmi1": 21}})"},
        {R"({"format": 1, "lentoi": {"Check1": 5, "Check2": -0.4}})",
         R"({"format": 1, "lentoi": {"Check1": 1, "Check2": 0}})"},
        {R"({"format": 1, "lentoi": {"Line1": {"BorderColor": -3}}})",
         R"({"format": 1, "lentoi": {"Line1": {"BorderColor": 0}}})"},
        {R"({"format": 1, "moniaktina": {"aktina2": -1}})",
         R"({"format": 1, "moniaktina": {"aktina2": 0}})"},
        {R"({"format": 1, "eisagogiko": {"deiktissahl": 99.4}})",
         R"({"format": 1, "eisagogiko": {"deiktissahl": 100}})"},
        {R"({"format": 1, "lentoi": {"waveSteps": 1e6, "fans": [{"x": 1, "y": 2, "z": 3}]}})",
         R"({"format": 1, "lentoi": {"waveSteps": 240, "fans": [{"y": 2, "x": 1}]}})"},
        // A file from before the values a drawing was made with were kept
        // draws with the controls' values.
        {R"({"format": 1, "lentoi": {"desmi1": 140, "Check1": 1, "fans": [{"x": 1, "y": 2}]}})",
         R"({"format": 1, "lentoi": {"desmi1": 140, "Check1": 1, "fans": [{"x": 1, "y": 2,
             "drawnWith": {"deiktisdiathlasis": 150, "desmi1": 140, "Check1": true}}]}})"},
        {R"({"format": 1, "ElSahl": {"option": "onlyrays", "drawn": "beam", "waves": true}})",
         R"({"format": 1, "ElSahl": {"option": "onlyrays", "drawn": "beam", "waves": true,
             "drawnWith": "onlyrays", "wavesDrawnWith": "onlyrays"}})"},
        {R"({"format": 1, "eisagogiko": {"deiktissahl": 180},
             "ElSahl": {"drawn": "beam", "waves": true, "wavesDrawnWithIndex": 9}})",
         R"({"format": 1, "eisagogiko": {"deiktissahl": 180}, "ElSahl": {"drawn": "beam",
             "drawnWithIndex": 1.8, "waves": true, "wavesDrawnWithIndex": 2.5}})"},
    };
    for (const auto& [given, same] : rows)
        EXPECT_EQ(read(given), read(same)) << given;
    const shell::Setup far = read(R"({"format": 1, "lentoi": {"pigi": {"x": -1e300}}})");
    EXPECT_EQ(far.lentoi.pigi.x, -1e300);
}

TEST(SetupFile, RefusedTextsNameTheFileAndTheFault) {
    const std::pair<const char*, const char*> rows[] = {
        {"fakoi set-up", "it is not JSON"},
        {"", "it is empty"},
        {" \n\t ", "it is empty"},
        {"[1, 2]", "it holds no JSON object"},
        {R"({"front": "lentoi"})", "it has no \"format\" field"},
        {R"({"format": 2})", "its format 2 is newer than format 1"},
        {R"({"format": 0.5})", "its format 0.5 does not exist"},
        {R"({"format": "1"})", "the field \"format\" must be a finite number"},
        {R"({"format": 1, "front": 3})", "\"front\" must be one of \"lentoi\", \"moniaktina\""},
        {R"({"format": 1, "front": "eisagogiko"})", "\"front\" must be one of"},
        {R"({"format": 1, "lentoi": []})", "\"lentoi\" must be an object"},
        {R"({"format": 1, "lentoi": {"aktina1": "100"}})", "\"lentoi.aktina1\" must be a finite"},
        {R"({"format": 1, "lentoi": {"Check1": true}})", "\"lentoi.Check1\" must be a finite"},
        {R"({"format": 1, "lentoi": {"Line1": 5}})", "\"lentoi.Line1\" must be an object"},
        {R"({"format": 1, "lentoi": {"Line1": {"Y2": null}}})", "\"lentoi.Line1.Y2\" must be"},
        {R"({"format": 1, "lentoi": {"Line1": {"BorderColor": "red"}}})", "BorderColor\" must be"},
        {R"({"format": 1, "lentoi": {"pigi": {"x": "NaN"}}})",
         "\"lentoi.pigi.x\" must be a finite"},
        {R"({"format": 1, "lentoi": {"bundleAngle": "Infinity"}})", "\"lentoi.bundleAngle\" must"},
        {R"({"format": 1, "ElSahl": {"beamAngle": "-Infinity"}})", "\"ElSahl.beamAngle\" must"},
        {R"({"format": 1, "lentoi": {"bundleAngle": 90}})", "must be a number between −90 and 90"},
        {R"({"format": 1, "ElSahl": {"beamAngle": -90.5}})", "must be a number between −90 and 90"},
        {R"({"format": 1, "moniaktina": {"fos": {"x": 1}}})", "with the numbers x and y"},
        {R"({"format": 1, "moniaktina": {"drawn": "all"}})", "\"moniaktina.drawn\" must be one of"},
        {R"({"format": 1, "ElSahl": {"option": 1}})", "\"ElSahl.option\" must be one of"},
        {R"({"format": 1, "ElSahl": {"waves": 1}})", "\"ElSahl.waves\" must be true or false"},
        {R"({"format": 1, "lentoi": {"fans": {"x": 1, "y": 2}}})",
         "\"lentoi.fans\" must be a list"},
        {R"({"format": 1, "lentoi": {"fans": [{"x": 1}]}})", "objects with the numbers x and y"},
        {R"({"format": 1, "lentoi": {"fans": [{"x": 1, "y": 2}, {"x": "1", "y": 2}]}})",
         "\"lentoi.fans[1].x\" must be a finite number"},
        {R"({"format": 1, "lentoi": {"waveRecord": {"of": "bundles"}}})",
         "\"lentoi.waveRecord.of\" must be one of \"nothing\", \"fan\", \"bundle\""},
        {R"({"format": 1, "ElSahl": {"lens": "concave"}})", "\"plano-convex\", \"biconvex\""},
        {R"({"format": 1, "lentoi": {"waveField": true}})", "\"off\", \"intensity\", \"wave\""},
        {R"({"format": 1, "ElSahl": {"waveFieldWavelength": 15}})", "\"15\", \"7.5\", \"3.75\""},
        {R"({"format": 1, "lentoi": {"waveFieldWavelength": "15"}})", "\"25\", \"12.5\""},
        {R"({"format": 1, "eisagogiko": {"deiktissahl": {}}})", "\"eisagogiko.deiktissahl\" must"},
        {R"({"format": 1, "lentoi": {"aktina1": NaN}})", "is not a finite number within the"},
        {R"({"format": 1, "lentoi": {"aktina1": 1e400}})", "is not a finite number within the"},
        {R"({"format": 1, "lentoi": {"aktina1": -1e400}})", "is not a finite number within the"},
        {R"({"format": 1, "lentoi": {"aktina1": 1e-400}})", "is not a finite number within the"},
        {"{\"format\": 1,\n \"lentoi\":\n {\"aktina1\": 1e999999999999}}", "near line 3, column"},
    };
    for (const auto& [text, fault] : rows) {
        const shell::SetupReading reading = shell::setupFromJson(text, "lesson.fakoi");
        EXPECT_FALSE(reading.setup) << text;
        const std::string error = reading.error.toStdString();
        EXPECT_NE(error.find("Το αρχείο ρυθμίσεων «lesson.fakoi» δεν διαβάστηκε: "),
                  std::string::npos)
            << error;
        EXPECT_NE(error.find("The set-up file \"lesson.fakoi\" was not read: "), std::string::npos)
            << error;
        EXPECT_NE(error.find(fault), std::string::npos) << text << " gave " << error;
    }
}

// Each fan is drawn again when the set-up is opened: the list is bounded.
TEST(SetupFile, AtMostSoManyFans) {
    const auto fans = [](int count) {
        QByteArray text = R"({"format": 1, "lentoi": {"fans": [)";
        for (int i = 0; i < count; ++i)
            text += QByteArray(i ? "," : "") + R"({"x": 1, "y": 2})";
        return text + "]}}";
    };
    const shell::SetupReading most = shell::setupFromJson(fans(shell::kMostFans), "a.fakoi");
    ASSERT_TRUE(most.setup) << most.error.toStdString();
    EXPECT_EQ(most.setup->lentoi.picture.fans.size(), std::size_t(shell::kMostFans));
    const shell::SetupReading more = shell::setupFromJson(fans(shell::kMostFans + 1), "a.fakoi");
    EXPECT_FALSE(more.setup);
    EXPECT_TRUE(more.error.contains("a list [ ] of at most 1000 objects"))
        << more.error.toStdString();
}

TEST(SetupFile, FilesThatCannotBeSetUps) {
    QTemporaryDir dir;
    QByteArray rubbish(10 << 20, '\0');
    for (int i = 0; i < rubbish.size(); ++i)
        rubbish[i] = char(std::uint64_t(i) * 7919 % 251);
    const std::pair<QString, const char*> rows[] = {
        {writeFile(dir.filePath("big.fakoi"), rubbish), "it is larger than 1024 KiB"},
        {writeFile(dir.filePath("rubbish.fakoi"), rubbish.left(1 << 19)), "it is not JSON"},
        {dir.filePath("missing.fakoi"), "it cannot be read (No such file"},
        {dir.path(), "it is not a regular file"},
        {"/dev/zero", "it is not a regular file"},
    };
    for (const auto& [path, fault] : rows) {
        const shell::SetupReading reading = shell::readSetupFile(path);
        EXPECT_FALSE(reading.setup) << fault;
        EXPECT_TRUE(reading.error.contains(path)) << reading.error.toStdString();
        EXPECT_TRUE(reading.error.contains(fault)) << reading.error.toStdString();
    }
}

TEST(SetupFile, AFailedWriteSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/setup.fakoi");
    const std::optional<QString> error = shell::writeSetupFile(path, shell::Setup{});
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains("The set-up file \"" + path + "\" was not written"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// JSON has no NaN or infinity: what the windows could never hand over still
// gives a file that reads.
TEST(SetupFile, NumbersJsonCannotHoldAreWrittenReadably) {
    shell::Setup setup;
    setup.lentoi.bundleAngleDeg = std::numeric_limits<double>::quiet_NaN();
    setup.lentoi.pigi = {std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()};
    const shell::SetupReading reading = shell::setupFromJson(shell::setupToJson(setup), "x");
    ASSERT_TRUE(reading.setup) << reading.error.toStdString();
    EXPECT_EQ(reading.setup->lentoi.bundleAngleDeg, 0);
    EXPECT_EQ(reading.setup->lentoi.pigi.x, std::numeric_limits<double>::max());
    EXPECT_EQ(reading.setup->lentoi.pigi.y, -std::numeric_limits<double>::max());
}

// The example in docs/ reads, says what it was written to say, and is
// written exactly as the program writes it.
TEST(SetupFile, TheExampleReadsAndIsCanonical) {
    const QString path = FAKOI_SOURCE_DIR "/docs/example.fakoi";
    const shell::SetupReading reading = shell::readSetupFile(path);
    ASSERT_TRUE(reading.setup) << reading.error.toStdString();
    EXPECT_EQ(reading.setup->lentoi.picture.base, windows::WorkbenchPicture::Base::Lens);
    // Its fan was drawn with the controls' values: its ray count and waves.
    EXPECT_EQ(reading.setup->lentoi.picture.fans,
              (std::vector<windows::FanSource>{{-300, 40, {150, 140, 30, true, false}}}));
    EXPECT_EQ(reading.setup->moniaktina.fos, (shell::SetupPoint{-300, 120}));
    EXPECT_TRUE(reading.setup->elSahl.picture.biconvex);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(shell::setupToJson(*reading.setup).toStdString(), file.readAll().toStdString());
}
