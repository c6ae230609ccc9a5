#include "windows/common/lensdatapanel.h"

#include "canvas/qt/canvaswidget.h"

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
constexpr int kRuleHeightPx = 7;
constexpr int kTickHalfPx = 6;
constexpr double kSmallestRingPx = 6;
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

LensDataPanel::LensDataPanel(canvas::CanvasWidget& canvas, std::function<LensDataContent()> content)
    : QWidget(&canvas), canvas_(canvas), compute_(std::move(content)) {
    hide();
    setAccessibleName(kLensDataCaption);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas.installEventFilter(this);
    canvas.setOverlay([this](QPainter& painter) { paintMarks(painter); });
    connect(&canvas, &canvas::CanvasWidget::refreshed, this, [this] {
        if (shown() && stale_)
            refresh();
    });
}

void LensDataPanel::toggle() {
    if (shown()) {
        hide();
    } else {
        if (stale_)
            refresh();
        show();
    }
    canvas_.update(); // the marks come and go with the panel
}

void LensDataPanel::refresh() {
    content_ = compute_();
    stale_ = false;
    // What a screen reader reads out: the lines as the panel shows them.
    QStringList lines;
    for (const LensDataRow& row : content_.rows)
        if (!isRule(row))
            lines << (row.value.isEmpty() ? row.label : row.label + ": " + row.value);
    setAccessibleDescription(lines.join('\n'));
    resize(contentSize());
    placeInCorner();
    update();
    canvas_.update();
}

QSize LensDataPanel::contentSize() const {
    const QFontMetrics metrics(panelFont());
    int labels = QFontMetrics(panelFont(true)).horizontalAdvance(kLensDataCaption);
    int values = 0;
    int height = metrics.lineSpacing();
    for (const LensDataRow& row : content_.rows) {
        labels = std::max(labels, metrics.horizontalAdvance(row.label));
        values = std::max(values, metrics.horizontalAdvance(row.value));
        height += isRule(row) ? kRuleHeightPx : metrics.lineSpacing();
    }
    return {2 * kPaddingPx + labels + kColumnGapPx + values, 2 * kPaddingPx + height};
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
    paint(painter);
}

void LensDataPanel::paint(QPainter& painter) const {
    const QRect frame(0, 0, width(), height());
    painter.fillRect(frame, kBackground);
    painter.setPen(kFrame);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(panelFont());
    const int inner = width() - 2 * kPaddingPx;
    int y = kPaddingPx;
    painter.setPen(kText);
    painter.setFont(panelFont(true));
    painter.drawText(QRect(kPaddingPx, y, inner, metrics.lineSpacing()), Qt::AlignLeft,
                     kLensDataCaption);
    y += metrics.lineSpacing();
    painter.setFont(panelFont());
    for (const LensDataRow& row : content_.rows) {
        if (isRule(row)) {
            painter.setPen(kFrame);
            painter.drawLine(kPaddingPx, y + kRuleHeightPx / 2, width() - kPaddingPx,
                             y + kRuleHeightPx / 2);
            painter.setPen(kText);
            y += kRuleHeightPx;
            continue;
        }
        const QRect line(kPaddingPx, y, inner, metrics.lineSpacing());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.label);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += metrics.lineSpacing();
    }
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
        } else {
            painter.drawLine(QPointF(px, py - kTickHalfPx), QPointF(px, py + kTickHalfPx));
            painter.drawText(QPointF(px + 3, py - kTickHalfPx - 2), mark.name);
        }
    }
}

void LensDataPanel::paintAtPlace(QPainter& painter) const {
    if (!shown())
        return;
    painter.save();
    paintMarks(painter);
    painter.restore();
    painter.save();
    painter.translate(pos());
    paint(painter);
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

} // namespace windows
