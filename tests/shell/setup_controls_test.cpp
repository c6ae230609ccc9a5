#include "shell/setupfields.h"
#include "shell/setupwindows.h"
#include "tests/support/program.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

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
    void number(const char*, double, double = 0, double = 0) {}
    void angle(const char*, double) {}
    template <class E, std::size_t N>
    void choice(const char*, E, const shell::SetupChoice<E> (&)[N]) {}
    template <class Body> void object(const char* name, Body&& body) {
        const std::string outer = prefix_;
        prefix_ += std::string(name) + '.';
        body();
        prefix_ = outer;
    }
    template <class P, class F> void optionalPoint(const char*, const std::optional<P>&, F&&) {}
    void boolean(const char*, bool) {}
    template <class P, class F> void points(const char*, const std::vector<P>&, int, F&&) {}
    template <class T, class F> void objects(const char*, const std::vector<T>&, int, F&&) {}
    template <class T, class Body> void defaultsTo(const T&, const T&, Body&&) {}

  private:
    std::string prefix_;
};

} // namespace

// Every window's scroll bars are built from its table of designs, and the
// set-up's integer fields take their ranges and start values from it, so a
// set-up file means what the windows show.
class SetupControlsTest : public ProgramTest {
  protected:
    // Each bar's set-up field, the control and its design.
    using DesignedBar = std::tuple<std::string, QScrollBar*, windows::BarDesign>;
    std::vector<DesignedBar> designedBars() {
        std::vector<DesignedBar> bars;
        for (const auto& row : windows::kLentoiBars)
            bars.push_back(
                {std::string("lentoi.") + row.name, scrollBar(lentoi(), row.name), row.design});
        for (const auto& row : windows::kMoniaktinaBars)
            bars.push_back({std::string("moniaktina.") + row.name,
                            scrollBar(app->moniaktina(), row.name), row.design});
        bars.emplace_back("eisagogiko.deiktissahl", scrollBar(choice(), "deiktissahl"),
                          shell::kDeiktissahlBar);
        return bars;
    }
};

TEST_F(SetupControlsTest, EveryBarAndItsFieldAsDesigned) {
    RangeCollector collected;
    const shell::Setup start;
    shell::visitSetup(collected, start);
    const std::vector<DesignedBar> bars = designedBars();
    const windows::ScreenInfo s = screen();
    for (const auto& [field, bar, d] : bars) {
        EXPECT_EQ(collected.fields.at(field), (Ranged{d.min, d.max, d.value})) << field;
        EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()),
                  std::tuple(d.min, d.max, d.smallChange, d.largeChange))
            << field;
        EXPECT_EQ(bar->geometry(), QRect(s.toPixels(d.left), s.toPixels(d.top), s.toPixels(d.width),
                                         s.toPixels(d.height)))
            << field;
        // The start picture pulls the blade tips out of the glass through
        // VScroll1 and VScroll2 (which turns the upper blade red); the
        // set-up keeps the values the window had before it drew.
        if (field != "lentoi.VScroll1" && field != "lentoi.VScroll2") {
            EXPECT_EQ(bar->value(), d.value) << field;
        }
    }
    EXPECT_EQ(collected.fields.at("lentoi.Check1"),
              (Ranged{0, 1, checkBox(lentoi(), "Check1")->isChecked()}));
    EXPECT_EQ(collected.fields.at("lentoi.Check2"),
              (Ranged{0, 1, checkBox(lentoi(), "Check2")->isChecked()}));
    EXPECT_EQ(collected.fields.at("lentoi.Line1.BorderColor").start,
              int(lentoi().lowerBlade().BorderColor));
    EXPECT_EQ(collected.fields.at("lentoi.waveSteps"),
              (Ranged{0, windows::WorkbenchPicture::kAnimationSteps, 0}));
    // Every window starts at its own scale and zooms within the view's range.
    for (const char* window : {"lentoi", "moniaktina", "ElSahl"})
        EXPECT_EQ(collected.fields.at(std::string(window) + ".view.zoomStep"),
                  (Ranged{canvas::View::kLeastStep, canvas::View::kMostStep, 0}));
    EXPECT_EQ(collected.fields.size(), bars.size() + 7) << "an integer field not checked here";
    // Each bar a step off its start: the windows' set-ups name each value
    // after its own bar.
    for (const auto& [field, bar, d] : bars)
        bar->setValue(bar->value() < bar->maximum() ? bar->value() + 1 : bar->value() - 1);
    RangeCollector captured;
    const shell::Setup now = shell::captureSetup(*app, shell::FrontWindow::Lentoi);
    shell::visitSetup(captured, now);
    for (const auto& [field, bar, d] : bars)
        EXPECT_EQ(captured.fields.at(field).start, bar->value()) << field;
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
