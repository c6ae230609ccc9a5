#include "windows/lens_data/lensdatapanel.h"

#include "canvas/qt/canvaswidget.h"
#include "windows/common/formwindow.h"
#include "windows/common/numbers.h"
#include "windows/common/picturefile.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace windows {

namespace {

constexpr int kMarginPx = 6;  // from the corner of the drawing
constexpr int kPaddingPx = 6; // inside the frame
constexpr int kColumnGapPx = 14;
constexpr int kWidthStepPx = 24;
constexpr int kRuleHeightPx = 7;
constexpr int kTickHalfPx = 6;
constexpr double kSmallestRingPx = 6;
constexpr int kPlotLines = 4; // the plot's height in lines, with its scale
constexpr double kNormalHalfPx = 36;
// Devices with more pixels to each of the panel's are painted without the
// frame's image, which would grow as their square.
constexpr double kLargestKeptRatio = 8;
// Marks this far off the drawing are not on it: QPainter need not see them.
constexpr double kFarOffPx = 1e5;

const QColor kBackground(255, 255, 240);
const QColor kFrame(90, 90, 90);
const QColor kText(0, 0, 0);
const QColor kMarks(0, 128, 128);

QFont panelFont(bool bold = false) {
    QFont font("Arial");
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

bool isRule(const LensDataRow& row) {
    return row.label.isEmpty() && row.value.isEmpty();
}

bool onDrawing(double px, double py) {
    return std::abs(px) < kFarOffPx && std::abs(py) < kFarOffPx;
}

} // namespace

LensDataPanel::LensDataPanel(canvas::CanvasWidget& canvas, std::function<LensDataContent()> content,
                             const QString& caption)
    : PictureOverlay(&canvas), canvas_(canvas), compute_(std::move(content)), font_(panelFont()),
      captionFont_(panelFont(true)), caption_(caption),
      lineHeightPx_(QFontMetrics(font_).lineSpacing()) {
    hide();
    setAccessibleName(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
    caption_.setTextFormat(Qt::PlainText);
    caption_.prepare(QTransform(), captionFont_);
    canvas.installEventFilter(this);
    canvas.setOverlay([this](QPainter& painter) { paintMarks(painter); });
    connect(&canvas, &canvas::CanvasWidget::refreshed, this, [this] {
        if (shown() && stale_)
            refresh();
    });
}

void LensDataPanel::setShown(bool shown) {
    if (shown == this->shown())
        return;
    if (shown && stale_)
        refresh();
    setVisible(shown);
    canvas_.update(); // the marks come and go with the panel
}

void LensDataPanel::refresh() {
    stale_ = false;
    LensDataContent content = compute_();
    if (content == content_ && !lines_.empty())
        return;
    content_ = std::move(content);
    // What a screen reader reads out: the lines as the panel shows them.
    QStringList lines;
    for (const LensDataRow& row : content_.rows)
        if (!isRule(row))
            lines << (row.value.isEmpty() ? row.label : row.label + ": " + row.value);
    setAccessibleDescription(lines.join('\n'));
    layOut();
    placeInCorner();
    update();
    canvas_.update();
}

const QStaticText& LensDataPanel::labelText(const QString& label) {
    auto [place, added] = labels_.try_emplace(label, label);
    if (added) {
        place->second.setTextFormat(Qt::PlainText);
        place->second.prepare(QTransform(), font_);
    }
    return place->second;
}

// The texts laid out for the rows, and the panel sized to hold them. The
// frame with its labels is painted again only when they change: new numbers
// alone leave it as it was.
void LensDataPanel::layOut() {
    std::vector<Line> lines;
    lines.reserve(content_.rows.size());
    qreal labels = caption_.size().width(), values = 0;
    int height = lineHeightPx_;
    for (const LensDataRow& row : content_.rows) {
        Line& line = lines.emplace_back();
        if (isRule(row)) {
            height += kRuleHeightPx;
            continue;
        }
        line.label = &labelText(row.label);
        line.value.setText(row.value);
        line.value.setTextFormat(Qt::PlainText);
        line.value.prepare(QTransform(), font_);
        labels = std::max(labels, line.label->size().width());
        values = std::max(values, line.value.size().width());
        height += lineHeightPx_;
    }
    if (content_.plot)
        height += kPlotLines * lineHeightPx_;
    // In whole steps, so that the panel keeps its width as the numbers change.
    const int width = 2 * kPaddingPx + static_cast<int>(std::ceil(labels + values)) + kColumnGapPx;
    const QSize size((width + kWidthStepPx - 1) / kWidthStepPx * kWidthStepPx,
                     2 * kPaddingPx + height);
    const auto sameLabel = [](const Line& a, const Line& b) { return a.label == b.label; };
    if (size != this->size() ||
        !std::equal(lines.begin(), lines.end(), lines_.begin(), lines_.end(), sameLabel))
        frameRatio_ = 0;
    lines_ = std::move(lines);
    resize(size);
}

void LensDataPanel::placeInCorner() {
    move(kMarginPx, canvas_.height() - height() - kMarginPx);
}

bool LensDataPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &canvas_ && event->type() == QEvent::Resize)
        placeInCorner();
    return QWidget::eventFilter(watched, event);
}

void LensDataPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintOnto(painter);
}

// The frame comes from an image in device pixels, copied one to one: the
// labels' hundreds of glyphs are painted once, not at every redraw.
void LensDataPanel::paintOnto(QPainter& painter) {
    // What the painter's device has, which in a picture of the window may
    // differ from the screen's.
    const qreal ratio = painter.deviceTransform().m11();
    if (!(ratio > 0 && ratio <= kLargestKeptRatio)) {
        // A turned, mirrored or vastly magnified picture: no image for that.
        paint(painter);
        return;
    }
    if (frameRatio_ != ratio) {
        frame_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        takeScreenDpi(frame_, *this);
        QPainter framePainter(&frame_);
        framePainter.scale(ratio, ratio);
        paintFrame(framePainter);
        frameRatio_ = ratio;
    }
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawImage(0, 0, frame_);
    painter.restore();
    paintValues(painter);
}

void LensDataPanel::paint(QPainter& painter) const {
    paintFrame(painter);
    paintValues(painter);
}

void LensDataPanel::paintFrame(QPainter& painter) const {
    const QRect frame(0, 0, width(), height());
    painter.fillRect(frame, kBackground);
    painter.setPen(kFrame);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(kText);
    painter.setFont(captionFont_);
    painter.drawStaticText(kPaddingPx, kPaddingPx, caption_);
    painter.setFont(font_);
    int y = kPaddingPx + lineHeightPx_;
    for (const Line& line : lines_) {
        if (line.label) {
            painter.drawStaticText(kPaddingPx, y, *line.label);
            y += lineHeightPx_;
            continue;
        }
        const int middle = y + kRuleHeightPx / 2;
        painter.setPen(kFrame);
        painter.drawLine(kPaddingPx, middle, width() - kPaddingPx, middle);
        painter.setPen(kText);
        y += kRuleHeightPx;
    }
}

// The values, right-aligned beside their labels.
void LensDataPanel::paintValues(QPainter& painter) const {
    painter.setPen(kText);
    painter.setFont(font_);
    int y = kPaddingPx + lineHeightPx_;
    for (const Line& line : lines_) {
        if (!line.label) {
            y += kRuleHeightPx;
            continue;
        }
        const double right = width() - kPaddingPx - line.value.size().width();
        painter.drawStaticText(QPointF(right, y), line.value);
        y += lineHeightPx_;
    }
    paintPlot(painter, y);
}

// The curve over a base line, the marks across it in the colour of the marks
// on the drawing, and the offsets of its ends beneath.
void LensDataPanel::paintPlot(QPainter& painter, int top) const {
    if (!content_.plot || content_.plot->values.size() < 2)
        return;
    const LensDataPlot& plot = *content_.plot;
    const double peak = *std::max_element(plot.values.begin(), plot.values.end());
    const double left = kPaddingPx, across = width() - 2 * kPaddingPx;
    const double bottom = top + (kPlotLines - 1) * lineHeightPx_, high = bottom - top - 2;
    const double span = plot.step * static_cast<double>(plot.values.size() - 1);
    const auto xOf = [&](double offset) {
        return left + (span > 0 ? (offset - plot.from) / span : 0.5) * across;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kFrame);
    painter.drawLine(QPointF(left, bottom), QPointF(left + across, bottom));
    painter.setPen(QPen(kMarks, 1, Qt::DashLine));
    for (const double mark : plot.marks)
        if (std::isfinite(mark))
            painter.drawLine(QPointF(xOf(mark), top), QPointF(xOf(mark), bottom));
    QPolygonF curve;
    for (std::size_t i = 0; i < plot.values.size(); ++i) {
        const double value = std::isfinite(plot.values[i]) && peak > 0 ? plot.values[i] / peak : 0;
        curve << QPointF(xOf(plot.from + plot.step * static_cast<double>(i)),
                         bottom - std::clamp(value, 0.0, 1.0) * high);
    }
    painter.setPen(QPen(kText, 1.5));
    painter.drawPolyline(curve);
    painter.setPen(kText);
    const QFontMetrics metrics(font_);
    const QString from = formatTwoDecimals(plot.from), to = formatTwoDecimals(plot.from + span);
    const double baseline = bottom + metrics.ascent() + 1;
    painter.drawText(QPointF(left, baseline), from);
    painter.drawText(QPointF(left + across - metrics.horizontalAdvance(to), baseline), to);
    painter.restore();
}

void LensDataPanel::paintMarks(QPainter& painter) const {
    if (!shown())
        return;
    const canvas::Surface& view = canvas_.surface();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(panelFont(true));
    for (const LensDataMark& mark : content_.marks) {
        const double px = view.toPixelX(mark.x), py = view.toPixelY(mark.y);
        if (!onDrawing(px, py))
            continue;
        painter.setPen(QPen(kMarks, 2));
        painter.setBrush(Qt::NoBrush);
        if (mark.kind == LensDataMark::Kind::SpotRing) {
            const double radius = std::max(kSmallestRingPx, view.ScaleX(mark.diameter)) / 2;
            painter.drawEllipse(QPointF(px, py), radius, radius);
        } else if (mark.kind == LensDataMark::Kind::Normal) {
            paintNormal(painter, mark, QPointF(px, py));
        } else {
            painter.drawLine(QPointF(px, py - kTickHalfPx), QPointF(px, py + kTickHalfPx));
            painter.drawText(QPointF(px + 3, py - kTickHalfPx - 2), mark.name);
        }
    }
}

// Thin and dashed, not to be taken for a ray: the normal's direction in
// pixels follows the scale's, whatever its units and its sense of y.
void LensDataPanel::paintNormal(QPainter& painter, const LensDataMark& mark, QPointF at) const {
    const canvas::Surface& view = canvas_.surface();
    const QPointF along(view.toPixelX(mark.x + mark.normalX) - at.x(),
                        view.toPixelY(mark.y + mark.normalY) - at.y());
    const double length = std::hypot(along.x(), along.y());
    if (!(length > 0) || !std::isfinite(length))
        return;
    const QPointF half = along * (kNormalHalfPx / length);
    painter.setPen(QPen(kMarks, 1, Qt::DashLine));
    painter.drawLine(at - half, at + half);
    painter.drawText(at + half * 1.1, mark.name);
}

void LensDataPanel::paintAtPlace(QPainter& painter) {
    if (!shown())
        return;
    painter.save();
    painter.translate(pos());
    paintOnto(painter);
    painter.restore();
}

// Like a label, the panel keeps every click to itself: nothing reaches the
// window's handlers beneath it.
void LensDataPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void LensDataPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

LensDataPanel& addLensDataPanel(FormWindow& window, std::function<LensDataContent()> content,
                                const QString& caption) {
    auto* panel = new LensDataPanel(window.canvasWidget(), std::move(content), caption);
    window.addOverlay(panel, QKeySequence(Qt::Key_F2));
    return *panel;
}

LensDataPanel* lensDataPanel(const FormWindow& window) {
    return qobject_cast<LensDataPanel*>(window.overlay());
}

} // namespace windows
