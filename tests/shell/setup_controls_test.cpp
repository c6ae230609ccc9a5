#include "shell/setupfields.h"
#include "shell/setupwindows.h"
#include "tests/support/program.h"

#include <map>
#include <string>
#include <tuple>

namespace {

struct Ranged {
    int min, max, start;
    bool operator==(const Ranged&) const = default;
};

// Collects the range and start value of every integer field of a set-up.
class RangeCollector {
  public:
    std::map<std::string, Ranged> fields;

    void integer(const char* name, int value, int min, int max) {
        fields[prefix_ + name] = {min, max, value};
    }
    void number(const char*, double) {}
    template <class E, std::size_t N>
    void choice(const char*, E, const shell::SetupChoice<E> (&)[N]) {}
    template <class Body> void object(const char* name, Body&& body) {
        const std::string outer = prefix_;
        prefix_ += std::string(name) + '.';
        body();
        prefix_ = outer;
    }
    void optionalPoint(const char*, const std::optional<shell::SetupPoint>&) {}
    void boolean(const char*, bool) {}
    template <class P> void points(const char*, const std::vector<P>&, int) {}

  private:
    std::string prefix_;
};

} // namespace

// The set-up's start values and ranges are those of the windows' own
// controls, so a set-up file means what the windows show.
class SetupControlsTest : public ProgramTest {};

TEST_F(SetupControlsTest, IntegerFieldsHaveTheControlsRangesAndStartValues) {
    RangeCollector collected;
    const shell::Setup start;
    shell::visitSetup(collected, start);
    windows::Moniaktina& single = app->moniaktina();
    // The start picture pulls the blade tips out of the glass through
    // VScroll1 and VScroll2 (which turns the upper blade red); their start
    // values are those the window had before it drew.
    const std::tuple<const char*, QScrollBar*, bool> bars[] = {
        {"lentoi.desmi1", scrollBar(lentoi(), "desmi1"), true},
        {"lentoi.deiktisdiathlasis", scrollBar(lentoi(), "deiktisdiathlasis"), true},
        {"lentoi.aktina2", scrollBar(lentoi(), "aktina2"), true},
        {"lentoi.aktina1", scrollBar(lentoi(), "aktina1"), true},
        {"lentoi.kentrokykloy", scrollBar(lentoi(), "kentrokykloy"), true},
        {"lentoi.kentrokykloy2", scrollBar(lentoi(), "kentrokykloy2"), true},
        {"lentoi.arvimaton", scrollBar(lentoi(), "arvimaton"), true},
        {"lentoi.HScroll1", scrollBar(lentoi(), "HScroll1"), true},
        {"lentoi.VScroll1", scrollBar(lentoi(), "VScroll1"), false},
        {"lentoi.VScroll2", scrollBar(lentoi(), "VScroll2"), false},
        {"moniaktina.aktina1", scrollBar(single, "aktina1"), true},
        {"moniaktina.aktina2", scrollBar(single, "aktina2"), true},
        {"moniaktina.deiktisdiathlasis", scrollBar(single, "deiktisdiathlasis"), true},
        {"moniaktina.kentrokykloy", scrollBar(single, "kentrokykloy"), true},
        {"eisagogiko.deiktissahl", scrollBar(choice(), "deiktissahl"), true},
    };
    for (const auto& [name, bar, startShown] : bars) {
        const Ranged field = collected.fields.at(name);
        EXPECT_EQ(field.min, bar->minimum()) << name;
        EXPECT_EQ(field.max, bar->maximum()) << name;
        EXPECT_EQ(field.start, startShown ? bar->value() : 0) << name;
    }
    EXPECT_EQ(collected.fields.at("lentoi.Check1"),
              (Ranged{0, 1, checkBox(lentoi(), "Check1")->isChecked()}));
    EXPECT_EQ(collected.fields.at("lentoi.Check2"),
              (Ranged{0, 1, checkBox(lentoi(), "Check2")->isChecked()}));
    EXPECT_EQ(collected.fields.at("lentoi.Line1.BorderColor").start,
              int(lentoi().lowerBlade().BorderColor));
    EXPECT_EQ(collected.fields.at("lentoi.waveSteps"),
              (Ranged{0, windows::WorkbenchPicture::kAnimationSteps, 0}));
    EXPECT_EQ(collected.fields.size(), std::size(bars) + 4) << "an integer field not checked here";
    // Each bar a step off its start: the windows' set-ups name each value
    // after its own bar.
    for (const auto& [name, bar, startShown] : bars)
        bar->setValue(bar->value() < bar->maximum() ? bar->value() + 1 : bar->value() - 1);
    RangeCollector captured;
    const shell::Setup now = shell::captureSetup(*app, shell::FrontWindow::Lentoi);
    shell::visitSetup(captured, now);
    for (const auto& [name, bar, startShown] : bars)
        EXPECT_EQ(captured.fields.at(name).start, bar->value()) << name;
}

TEST_F(SetupControlsTest, PositionsStartWhereTheWindowsPutThem) {
    const shell::Setup start;
    EXPECT_EQ(start.lentoi.pigi,
              (shell::SetupPoint{lentoi().sourceMark().Left, lentoi().sourceMark().Top}));
    EXPECT_NEAR(lentoi().upperBlade().X1, start.lentoi.Line1.x, 1e-9);
    EXPECT_NEAR(lentoi().lowerBlade().X1, start.lentoi.Line2.x, 1e-9);
    choice().Command2_Click();
    const auto blade = [](const canvas::LineControl& line) {
        return shell::SetupBlade{line.X1, line.Y2};
    };
    EXPECT_EQ(start.elSahl.Line1, blade(sahl().upperBlade()));
    EXPECT_EQ(start.elSahl.Line2, blade(sahl().lowerBlade()));
    EXPECT_EQ(start.elSahl.source, (shell::SetupPoint{app->source().pigiX, app->source().pigiY}));
    EXPECT_TRUE(optionButton(sahl(), "RAYSANDWAVES")->isChecked());
}
