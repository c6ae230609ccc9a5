#include "tests/support/program.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <cmath>
#include <functional>
#include <limits>

// Zoom and pan round trips on every window that zooms: in and out again
// gives the very same picture, the point under the pointer stays put, the
// zoom stops at a quarter and at sixteen times, Ctrl+0 brings back the
// window's own scale.

namespace {

using testing_support::wheel;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void key(windows::FormWindow& w, QKeyCombination keys) {
    for (QAction* action : w.actions())
        if (action->shortcut() == QKeySequence(keys))
            return action->trigger();
    FAIL() << "no action for " << QKeySequence(keys).toString().toStdString();
}

void middleDrag(windows::FormWindow& w, QPointF from, QPointF to) {
    const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, w.canvasWidget().mapToGlobal(at), Qt::MiddleButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&w.canvasWidget(), &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::MiddleButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::MiddleButton);
    send(QEvent::MouseMove, to, Qt::MiddleButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// Seen now, a ray from source through aim, which misses the lens, runs on to
// the drawing's left edge, where that line meets it.
void expectRayAtLeftEdge(const canvas::Surface& view, canvas::UserPoint source,
                         canvas::UserPoint aim) {
    const double x = view.toUser(1.5, 0).x;
    const double y = source.y + (x - source.x) * (aim.y - source.y) / (aim.x - source.x);
    const int row = static_cast<int>(view.toPixelY(y));
    int red = 0;
    for (int r = row - 1; r <= row + 1; ++r)
        red += view.pixel(1, r) == canvas::RGB(255, 0, 0);
    EXPECT_GT(red, 0) << "no ray at row " << row << " of the left edge";
}

struct Row {
    const char* name;
    const char* window;
    // Away from the start view and, when back is given, back to it.
    std::function<void(windows::FormWindow&, QPointF pointer)> away;
    std::function<void(windows::FormWindow&, QPointF pointer)> back;
    double zoomAway;              // the zoom after away
    bool aboutThePointer = false; // the point under the pointer stays put
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.window << ": " << row.name;
}

class ZoomTest : public testing_support::ProgramFixture<testing_support::Start::Main,
                                                        ::testing::TestWithParam<Row>> {};

TEST_P(ZoomTest, GoesAwayAndComesBackToTheSamePicture) {
    const Row& row = GetParam();
    windows::FormWindow& w = open(row.window);
    const QPointF pointer(w.canvasWidget().width() * 0.3, w.canvasWidget().height() * 0.7);
    const canvas::UserPoint under = w.surface().toUser(pointer.x(), pointer.y());
    const QImage start = w.drawingImage();

    row.away(w, pointer);
    EXPECT_DOUBLE_EQ(w.zoomView().zoom(), row.zoomAway);
    EXPECT_NE(w.drawingImage(), start);
    if (row.aboutThePointer) {
        const canvas::UserPoint now = w.surface().toUser(pointer.x(), pointer.y());
        EXPECT_NEAR(now.x, under.x, 1e-9 * std::abs(w.surface().ScaleWidth()));
        EXPECT_NEAR(now.y, under.y, 1e-9 * std::abs(w.surface().ScaleHeight()));
    }
    row.back(w, pointer);
    EXPECT_EQ(w.zoomView(), canvas::View{});
    EXPECT_TRUE(w.drawingImage() == start) << "the picture differs after coming back";
}

const auto wheelIn = [](windows::FormWindow& w, QPointF p) { wheel(w, 3 * 120, p); };
const auto wheelOut = [](windows::FormWindow& w, QPointF p) { wheel(w, -3 * 120, p); };
const auto ctrl0 = [](windows::FormWindow& w, QPointF) { key(w, Qt::CTRL | Qt::Key_0); };

std::vector<Row> rows() {
    std::vector<Row> table;
    for (const char* window : {"lentoi", "moniaktina", "ElSahl"}) {
        table.push_back({"wheel in, out again", window, wheelIn, wheelOut, std::exp2(0.75), true});
        table.push_back({"wheel in by half notches", window,
                         [](windows::FormWindow& w, QPointF p) {
                             for (int i = 0; i < 8; ++i)
                                 wheel(w, 60, p);
                         },
                         [](windows::FormWindow& w, QPointF p) { wheel(w, -4 * 120, p); }, 2,
                         true});
        table.push_back({"out to a quarter, clamped; in to one", window,
                         [](windows::FormWindow& w, QPointF p) { wheel(w, -1000 * 120, p); },
                         [](windows::FormWindow& w, QPointF p) { wheel(w, 8 * 120, p); }, 0.25,
                         true});
        if (window == std::string_view("moniaktina"))
            table.push_back(
                {"a ray past the lens, out to a quarter; in to one", window,
                 [](windows::FormWindow& w, QPointF p) {
                     auto& m = dynamic_cast<windows::Moniaktina&>(w);
                     const canvas::UserPoint s = m.sourceCentre(), aim{s.x - 30, s.y + 10};
                     m.Form_MouseUp(1, canvas::ShiftKey, aim.x, aim.y);
                     wheel(w, -8 * 120, p);
                     expectRayAtLeftEdge(w.surface(), s, aim);
                 },
                 [](windows::FormWindow& w, QPointF p) {
                     wheel(w, 8 * 120, p);
                     dynamic_cast<windows::Moniaktina&>(w).redrawOutline();
                 },
                 0.25, true});
        table.push_back({"in to sixteen, clamped, at a pointer that is no number", window,
                         [](windows::FormWindow& w, QPointF) {
                             w.zoomAbout(std::numeric_limits<long long>::max(), kNaN, kNaN);
                         },
                         ctrl0, 16});
        table.push_back({"Ctrl+= and Ctrl+-", window,
                         [](windows::FormWindow& w, QPointF) {
                             key(w, Qt::CTRL | Qt::Key_Equal);
                             key(w, Qt::CTRL | Qt::Key_Equal);
                         },
                         [](windows::FormWindow& w, QPointF) {
                             key(w, Qt::CTRL | Qt::Key_Minus);
                             key(w, Qt::CTRL | Qt::Key_Minus);
                         },
                         std::exp2(0.5)});
        table.push_back({"zoomed and dragged, Ctrl+0", window,
                         [](windows::FormWindow& w, QPointF p) {
                             wheelIn(w, p);
                             middleDrag(w, p, p + QPointF(57, -31));
                             w.panBy(1e300, kNaN);
                         },
                         ctrl0, std::exp2(0.75)});
        table.push_back(
            {"dragged there and back", window,
             [](windows::FormWindow& w, QPointF p) { middleDrag(w, p, p + QPointF(64, 32)); },
             [](windows::FormWindow& w, QPointF p) { middleDrag(w, p + QPointF(64, 32), p); }, 1});
    }
    return table;
}

INSTANTIATE_TEST_SUITE_P(Views, ZoomTest, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
