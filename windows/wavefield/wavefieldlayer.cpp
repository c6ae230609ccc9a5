#include "windows/wavefield/wavefieldlayer.h"

#include "canvas/qt/canvaswidget.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QShortcut>
#include <QtConcurrentMap>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>

namespace windows {

namespace wf = optics::wavefield;

namespace {

constexpr int kFrameMs = 40;        // the wave's animation frame
constexpr double kShortest = 0.125; // of the dots' wavelength
// The amplitude the colours run up to is exceeded by this share of the
// points only: the large-kr sum spikes within a wavelength of a boundary.
constexpr double kPeakShare = 0.002;
constexpr int kLevels = 256;
// The preview has at most about this many points, whatever the screen:
// computed well within a frame of a drag.
constexpr double kPreviewPoints = 1 << 16;

// Pixels across and down to each point of the preview: four at least.
int previewStep(const wf::Grid& grid) {
    const double points = static_cast<double>(grid.columns) * grid.rows;
    return std::max(4, static_cast<int>(std::ceil(std::sqrt(points / kPreviewPoints))));
}

// Every step-th point of grid across and down, each in the middle of the
// step × step points it stands for.
wf::Grid coarser(const wf::Grid& grid, int step) {
    const double middle = (step - 1) / 2.0;
    return {grid.x0 + grid.dx * middle,
            grid.y0 + grid.dy * middle,
            grid.dx * step,
            grid.dy * step,
            (grid.columns + step - 1) / step,
            (grid.rows + step - 1) / step};
}

// The rank-th smallest of values, none negative: nth_element's answer, but
// in two straight passes over millions of points. A float that is not
// negative orders as its bits do, so its upper 16 bits give its bucket; the
// rank lies in one bucket, whose few values are sorted.
float ranked(const std::vector<float>& values, std::size_t rank) {
    constexpr int kShift = 16;
    std::vector<std::size_t> count(std::size_t{1} << kShift);
    for (const float v : values)
        ++count[std::bit_cast<std::uint32_t>(v) >> kShift];
    std::size_t below = 0, bucket = 0;
    while (below + count[bucket] <= rank)
        below += count[bucket++];
    std::vector<float> in;
    in.reserve(count[bucket]);
    for (const float v : values)
        if (std::bit_cast<std::uint32_t>(v) >> kShift == bucket)
            in.push_back(v);
    std::nth_element(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(rank - below), in.end());
    return in[rank - below];
}

// The field of one request, computed on a worker.
ComputedField computeField(const wf::Field& field, const wf::Grid& grid,
                           const std::atomic<bool>* cancel) {
    ComputedField out;
    out.grid = grid;
    if (!field.error().empty()) {
        out.error = field.error();
        return out;
    }
    std::optional<std::vector<wf::ComplexF>> values = wf::computeGrid(field, grid, 2, cancel);
    if (!values) {
        out.error = "cancelled";
        return out;
    }
    // |u| in double, rounded once, in chunks that vectorise: millions of
    // points, and a newer picture may be waiting for the worker.
    std::vector<float> amplitude(values->size());
    constexpr std::size_t kChunk = 1 << 16;
    for (std::size_t begin = 0; begin < amplitude.size(); begin += kChunk) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            out.error = "cancelled";
            return out;
        }
        const std::size_t end = std::min(amplitude.size(), begin + kChunk);
        for (std::size_t i = begin; i < end; ++i) {
            const double re = (*values)[i].real(), im = (*values)[i].imag();
            const auto a = static_cast<float>(std::sqrt(re * re + im * im));
            amplitude[i] = std::isfinite(a) ? a : 0.f;
        }
    }
    if (!amplitude.empty()) {
        const auto rank = static_cast<std::ptrdiff_t>(static_cast<double>(amplitude.size() - 1) *
                                                      (1 - kPeakShare));
        out.peak = ranked(amplitude, static_cast<std::size_t>(rank));
    }
    out.values = std::move(*values);
    return out;
}

using ScaleTable = std::array<QRgb, kLevels>;

ScaleTable scaleTable(canvas::Color (*scale)(double)) {
    ScaleTable table{};
    for (int i = 0; i < kLevels; ++i)
        table[static_cast<std::size_t>(i)] = canvas::toPixel(scale(i / double(kLevels - 1)));
    return table;
}

// A value outside 0..1 takes the nearer end; NaN, which has no place on the
// scale, the lowest colour. Without branches or calls, so that a row's loop
// vectorises: the level is never negative, where adding a half and cutting
// off rounds to the nearest as lround would.
inline int level(float t) {
    const float inside = t > 0 ? std::min(t, 1.0f) : 0.0f;
    return static_cast<int>(inside * (kLevels - 1) + 0.5f); // NOLINT(bugprone-incorrect-roundings)
}

// The levels of a row of the wave at a phase (its real part there, turn
// holding the phase and the scale), and of its amplitude: loops of
// arithmetic alone, which vectorise; the colours come after.
void waveLevels(const wf::ComplexF* value, int count, wf::ComplexF turn, int* levels) {
    for (int i = 0; i < count; ++i)
        levels[i] =
            level(0.5f + 0.5f * (value[i].real() * turn.real() - value[i].imag() * turn.imag()));
}

// The intensity scale runs in amplitude, so that the faint light away from a
// focus still shows.
void amplitudeLevels(const wf::ComplexF* value, int count, float inverse, int* levels) {
    for (int i = 0; i < count; ++i)
        levels[i] = level(std::sqrt(std::norm(value[i])) * inverse);
}

// Rows 0..rows − 1 in blocks, done by the global thread pool: a frame of the
// wave at twice the screen's resolution takes millions of pixels.
template <class Work> void inRowBlocks(int rows, Work work) {
    constexpr int kBlocksPerThread = 4; // evens out a busy core
    const int blocks = std::clamp(
        QThreadPool::globalInstance()->maxThreadCount() * kBlocksPerThread, 1, std::max(rows, 1));
    std::vector<std::pair<int, int>> parts;
    parts.reserve(static_cast<std::size_t>(blocks));
    for (int b = 0; b < blocks; ++b)
        parts.emplace_back(rows * b / blocks, rows * (b + 1) / blocks);
    QtConcurrent::blockingMap(
        parts, [&work](const std::pair<int, int>& part) { work(part.first, part.second); });
}

// A shown field's colours at one phase, a row at a time: made while the
// frame is composited, so that the frame passes over memory once.
struct FieldColours {
    const wf::ComplexF* values;
    int columns, rows;
    int step; // logical pixels across and down to each point
    bool waves;
    wf::ComplexF turn; // the phase and the scale, for the wave
    float inverse;     // the scale, for the intensity

    void row(int j, int* levels, QRgb* colours) const {
        static const ScaleTable intensity = scaleTable(intensityColour);
        static const ScaleTable wave = scaleTable(waveColour);
        const wf::ComplexF* value = values + std::ptrdiff_t{j} * columns;
        if (waves)
            waveLevels(value, columns, turn, levels);
        else
            amplitudeLevels(value, columns, inverse, levels);
        const ScaleTable& scale = waves ? wave : intensity;
        // The count in a local: a colour stored could otherwise be the
        // member, which the loop would read again at every pixel.
        for (int i = 0, count = columns; i < count; ++i)
            colours[i] = scale[static_cast<std::size_t>(levels[i])];
    }
};

// The pixels of the colours behind take the field's; the rest stay.
void replaceBehind(const QRgb* from, QRgb* into, const QRgb* field, int count, QRgb first,
                   QRgb second) {
    for (int x = 0; x < count; ++x) {
        const QRgb p = from[x], f = field[x];
        into[x] = ((p == first) | (p == second)) ? f : p;
    }
}

// from's pixels into into, in its own memory when they fit there.
void copyPixels(const QImage& from, QImage& into) {
    if (into.size() != from.size() || into.format() != from.format()) {
        into = from.copy();
        return;
    }
    const auto bytes = static_cast<std::size_t>(std::min(from.bytesPerLine(), into.bytesPerLine()));
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(into.scanLine(y), from.constScanLine(y), bytes);
}

// Each colour over factor pixels side by side: a loop the compiler unrolls
// and vectorises for a factor it knows.
template <int factor> void spreadBy(const QRgb* colours, int count, QRgb* spread) {
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < factor; ++k)
            spread[i * factor + k] = colours[i];
}

// Which of the image's columns each column of the field covers, a pixel
// showing the field's point of the logical pixel under it: first[i] is the
// image's first column of the field's column i, first[columns] its width;
// factor, how many each covers when all cover as many (1 at ratio 1 with
// the full field, 2 at ratio 2), else 0.
struct Columns {
    std::vector<int> first;
    int factor = 0;

    Columns(int width, int columns, std::int64_t across, int step)
        : first(static_cast<std::size_t>(columns) + 1, width) {
        int i = 0;
        for (int x = 0; x < width; ++x) {
            const int under = std::min(columns - 1, static_cast<int>(x * across / width / step));
            for (; i <= under; ++i)
                first[static_cast<std::size_t>(i)] = x;
        }
        const int each = width / columns;
        bool even = true;
        for (std::size_t c = 0; c < first.size(); ++c)
            even = even && first[c] == static_cast<int>(c) * each;
        factor = even ? each : 0;
    }

    // A row of the field's colours spread to the image's width; colours
    // itself where each covers one pixel.
    const QRgb* spread(const std::vector<QRgb>& colours, std::vector<QRgb>& out) const {
        const int count = static_cast<int>(colours.size());
        switch (factor) {
        case 1: return colours.data();
        case 2: spreadBy<2>(colours.data(), count, out.data()); break;
        default:
            for (std::size_t i = 0; i < colours.size(); ++i)
                std::fill(out.begin() + first[i], out.begin() + first[i + 1], colours[i]);
        }
        return out.data();
    }
};

// from with the field's colours where it has the colours behind, written to
// into, of its size. across × down: the logical pixels of the picture, the
// field's grid one point every step of them.
void compositeField(const QImage& from, QImage& into, const FieldColours& field,
                    std::int64_t across, std::int64_t down, std::pair<QRgb, QRgb> behind) {
    const int width = from.width(), height = from.height();
    const Columns columns(width, field.columns, across, field.step);
    uchar* const bits = into.bits();
    const qsizetype stride = into.bytesPerLine();
    inRowBlocks(height, [&](int begin, int end) {
        // A row of the field coloured and spread to the image's width, for
        // as many rows of the image as it covers.
        std::vector<int> levels(static_cast<std::size_t>(field.columns));
        std::vector<QRgb> colours(static_cast<std::size_t>(field.columns));
        std::vector<QRgb> spread(static_cast<std::size_t>(width));
        const QRgb* row = nullptr;
        int shownRow = -1;
        for (int y = begin; y < end; ++y) {
            const int fieldRow =
                std::min(field.rows - 1, static_cast<int>(y * down / height / field.step));
            if (fieldRow != shownRow) {
                field.row(fieldRow, levels.data(), colours.data());
                row = columns.spread(colours, spread);
                shownRow = fieldRow;
            }
            replaceBehind(reinterpret_cast<const QRgb*>(from.constScanLine(y)),
                          reinterpret_cast<QRgb*>(bits + y * stride), row, width, behind.first,
                          behind.second);
        }
    });
}

} // namespace

std::optional<wf::Screen> screenOnTheWay(double fromX, double lensX, const wf::Screen& screen) {
    if ((screen.x - fromX) * (lensX - fromX) > 0)
        return screen;
    return std::nullopt;
}

WaveFieldLayer::WaveFieldLayer(QWidget& window, canvas::CanvasWidget& canvas, double dotsWavelength,
                               std::function<std::optional<wf::Setup>()> setup,
                               std::function<std::vector<canvas::Color>()> behind)
    : QObject(&window), canvas_(canvas), setup_(std::move(setup)), behind_(std::move(behind)),
      dotsWavelength_(dotsWavelength), wavelength_(dotsWavelength) {
    pool_.setMaxThreadCount(1);
    const std::pair<Qt::Key, void (WaveFieldLayer::*)()> keys[] = {
        {Qt::Key_F3, &WaveFieldLayer::cycle},
        {Qt::Key_BracketLeft, &WaveFieldLayer::halveWavelength},
        {Qt::Key_BracketRight, &WaveFieldLayer::doubleWavelength},
    };
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        connect(shortcut, &QShortcut::activated, this, handler);
    }
    connect(&canvas, &canvas::CanvasWidget::refreshed, this, &WaveFieldLayer::request);
    canvas.setUnderlay([this](const QImage& from, QImage& into) { return composite(from, into); });
    animation_.setInterval(kFrameMs);
    connect(&animation_, &QTimer::timeout, this, &WaveFieldLayer::tick);
}

WaveFieldLayer::~WaveFieldLayer() {
    if (cancel_)
        *cancel_ = true;
    pool_.waitForDone();
}

void WaveFieldLayer::setMode(WaveFieldMode mode) {
    mode_ = mode;
    if (mode == WaveFieldMode::Wave)
        animation_.start();
    else
        animation_.stop();
    if (mode == WaveFieldMode::Off) {
        if (cancel_)
            *cancel_ = true;
        ++generation_;
        requested_.reset();
        shown_.reset();
        emit changed();
    } else {
        request();
    }
    canvas_.update();
}

void WaveFieldLayer::cycle() {
    switch (mode_) {
    case WaveFieldMode::Off: setMode(WaveFieldMode::Intensity); break;
    case WaveFieldMode::Intensity: setMode(WaveFieldMode::Wave); break;
    case WaveFieldMode::Wave: setMode(WaveFieldMode::Off); break;
    }
}

void WaveFieldLayer::setWavelength(double wavelength) {
    if (!std::isfinite(wavelength))
        return;
    wavelength = std::clamp(wavelength, dotsWavelength_ * kShortest, dotsWavelength_);
    if (wavelength == wavelength_)
        return;
    wavelength_ = wavelength;
    request();
    emit changed(); // the lens data measures in the field's wavelength
    canvas_.update();
}

void WaveFieldLayer::request() {
    if (mode_ == WaveFieldMode::Off)
        return;
    const canvas::Surface& view = canvas_.surface();
    const canvas::UserPoint first = view.toUser(0.5, 0.5), next = view.toUser(1.5, 1.5);
    const wf::Grid grid{first.x,          first.y,        next.x - first.x,
                        next.y - first.y, view.widthPx(), view.heightPx()};
    std::optional<wf::Setup> setup = setup_();
    std::optional<std::pair<wf::Setup, wf::Grid>> wanted;
    if (setup) {
        setup->wavelength = wavelength_;
        const double x1 = grid.x0 - grid.dx / 2, x2 = x1 + grid.dx * grid.columns;
        const double y1 = grid.y0 - grid.dy / 2, y2 = y1 + grid.dy * grid.rows;
        setup->region = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
        wanted.emplace(*setup, grid);
    }
    if (wanted && wanted == requested_)
        return;
    // What is shown or on its way belongs to another picture.
    if (cancel_)
        *cancel_ = true;
    const std::uint64_t generation = ++generation_;
    requested_ = wanted;
    shown_.reset();
    canvas_.update();
    if (!setup)
        return;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    pool_.start([this, s = *setup, grid, cancel = cancel_, generation] {
        const wf::Field computed(s);
        // A coarse field first, shown while the full one is computed: while
        // a drag asks for a new picture at every move, the full field never
        // comes, the preview always does.
        for (const int step : {previewStep(grid), 1}) {
            auto field = std::make_shared<ComputedField>(
                computeField(computed, coarser(grid, step), cancel.get()));
            field->generation = generation;
            field->step = step;
            if (*cancel)
                return;
            QMetaObject::invokeMethod(
                this, [this, field] { deliver(*field); }, Qt::QueuedConnection);
            if (!field->error.empty())
                return;
        }
        // The focus comes after the picture: the lens data waits for it, the
        // picture need not.
        auto focus = std::make_shared<std::optional<wf::Focus>>(
            wf::findFocus(computed, s.region, 64, 101, cancel.get()));
        if (!*cancel)
            QMetaObject::invokeMethod(
                this, [this, focus, generation] { deliverFocus(generation, *focus); },
                Qt::QueuedConnection);
    });
}

void WaveFieldLayer::deliver(const ComputedField& field) {
    if (field.generation != generation_ || mode_ == WaveFieldMode::Off)
        return;
    shown_ = field;
    emit changed();
    canvas_.update();
}

void WaveFieldLayer::deliverFocus(std::uint64_t generation, const std::optional<wf::Focus>& focus) {
    if (generation != generation_ || !shown_)
        return;
    shown_->focus = focus;
    emit changed();
}

void WaveFieldLayer::waitForField() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void WaveFieldLayer::setPhase(double turns) {
    phase_ = std::isfinite(turns) ? turns - std::floor(turns) : 0;
    if (mode_ != WaveFieldMode::Wave)
        return; // the intensity stands still
    canvas_.update();
}

void WaveFieldLayer::tick() {
    // A hidden window's wave waits where it stands.
    if (!canvas_.isVisible())
        return;
    setPhase(phase_ + kFrameMs / 1000.0);
}

bool WaveFieldLayer::composite(const QImage& from, QImage& into) const {
    if (mode_ == WaveFieldMode::Off)
        return false;
    // At most two colours lie behind a picture: compared directly, the
    // loop stays cheap enough for every frame of the wave.
    const std::vector<canvas::Color> behind = behind_();
    const bool coloured = shown_ && !shown_->values.empty() && shown_->peak > 0 &&
                          !behind.empty() && behind.size() <= 2 &&
                          from.format() == QImage::Format_RGB32 && into.format() == from.format() &&
                          into.size() == from.size();
    if (coloured) {
        const float inverse = 1.0f / shown_->peak;
        const FieldColours field{
            shown_->values.data(),
            shown_->grid.columns,
            shown_->grid.rows,
            shown_->step,
            mode_ == WaveFieldMode::Wave,
            std::polar(inverse, static_cast<float>(-2 * std::numbers::pi * phase_)),
            inverse};
        compositeField(from, into, field, canvas_.surface().widthPx(), canvas_.surface().heightPx(),
                       {canvas::toPixel(behind.front()), canvas::toPixel(behind.back())});
    } else {
        copyPixels(from, into);
    }
    paintLegend(into);
    return true;
}

// In the top right corner: the lens-data panel takes the bottom left.
void WaveFieldLayer::paintLegend(QImage& image) const {
    const bool waves = mode_ == WaveFieldMode::Wave;
    const QLocale locale;
    QString title = waves ? "Κύμα Wave" : "Ένταση Intensity";
    title += "  λ = " + locale.toString(wavelength_, 'g', 6);
    if (wavelength_ != dotsWavelength_)
        title += "  (κουκκίδες dots: " + locale.toString(dotsWavelength_, 'g', 6) + ")";
    QString low = waves ? "−" : "0", high = waves ? "+" : "I max";
    if (shown_ && !shown_->error.empty())
        low = QString::fromStdString(shown_->error), high.clear();
    else if (!shown_)
        low = "…", high.clear();

    QPainter painter(&image);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height(), bar = 10, margin = 6;
    const int width =
        std::max({metrics.horizontalAdvance(title),
                  metrics.horizontalAdvance(low) + metrics.horizontalAdvance(high) + margin, 128}) +
        2 * margin;
    const int height = 2 * line + bar + 2 * margin;
    const double logicalWidth = image.width() / image.devicePixelRatio();
    const QRect box(static_cast<int>(logicalWidth) - width - 8, 8, width, height);
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box.left() + margin, box.top() + margin + metrics.ascent(), title);
    const int barTop = box.top() + margin + line, barWidth = box.width() - 2 * margin;
    for (int i = 0; i < barWidth; ++i) {
        const double t = i / double(std::max(1, barWidth - 1));
        painter.setPen(QColor(canvas::toPixel(waves ? waveColour(t) : intensityColour(t))));
        painter.drawLine(box.left() + margin + i, barTop, box.left() + margin + i,
                         barTop + bar - 1);
    }
    painter.setPen(Qt::black);
    const int textY = barTop + bar + metrics.ascent();
    painter.drawText(box.left() + margin, textY, low);
    painter.drawText(box.right() - margin - metrics.horizontalAdvance(high), textY, high);
}

} // namespace windows
