#include "windows/single_ray/moniaktina.h"

#include "windows/common/controls.h"
#include "windows/common/numbers.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/lens_data/lensdatatext.h"

#include <tuple>

namespace windows {

namespace {

const QString kRadius1Label = "Ακτίνα 1 =";
const QString kRadius2Label = "Ακτίνα 2 =";
const QString kCentreLabel = "Κέντρο δεξιά=";

} // namespace

Moniaktina::Moniaktina(Host& host, optics::spherical::Poreiaaktinon& state)
    : FormWindow(host), fos(canvasWidget().addShape()), state_(state) {
    setWindowTitle("ΜΙΑ ΑΚΤΙΝΑ");
    surface().BackColor = canvas::colors::white;
    // The designer's client area, in the default scale of twips from the
    // top left corner, y down; the source mark sits there in twips.
    setClientSizeTwips(6630, 3225);
    setOwnScale(0, 0, clientWidthTwips(), clientHeightTwips());
    fos.Left = kMarkLeftTwips; // twips, as the scale is for now
    fos.Top = kMarkTopTwips;
    fos.Width = kMarkSizeTwips;
    fos.Height = kMarkSizeTwips;
    fos.BorderColor = canvas::RGB(255, 0, 0);
    fos.FillColor = canvas::RGB(255, 128, 0);
    fos.Filled = true;
    createScrollBars();
    createTexts();
    Command1 = new QPushButton("Πίσω");
    place(Command1, 4200, 120, 1335, 495);
    setTabIndexes(
        {Text6, aktina1, Text5, aktina2, Text2, deiktisdiathlasis, Command1, Text7, kentrokykloy});
    nameControls();
    connectHandlers();
    addPictureShortcuts("moniaktina");
    addHistoryShortcuts();
    addZoom();
    createAnglesPanel();
}

void Moniaktina::createAnglesPanel() {
    addLensDataPanel(
        *this, [this] { return rayAnglesContent(drawnIndex_, drawnRay_); }, kRayAnglesCaption);
}

void Moniaktina::setDrawn(std::optional<optics::spherical::SingleRayPath> ray, double n) {
    drawnIndex_ = n;
    drawnRay_ = std::move(ray);
    lensDataPanel(*this)->invalidate();
}

void Moniaktina::createScrollBars() {
    const auto create = [this](const BarDesign& design) {
        QScrollBar* bar = makeScrollBar(Qt::Horizontal, design);
        place(bar, design.left, design.top, design.width, design.height);
        return bar;
    };
    aktina1 = create(moniaktina_bars::aktina1);
    aktina2 = create(moniaktina_bars::aktina2);
    deiktisdiathlasis = create(moniaktina_bars::deiktisdiathlasis);
    kentrokykloy = create(moniaktina_bars::kentrokykloy);
}

void Moniaktina::createTexts() {
    Text2 = new QLineEdit("Text2");
    Text5 = new QLineEdit("Text5");
    Text6 = new QLineEdit("Text6");
    Text7 = new QLineEdit("Text7");
    Text7->setFont(designerFont("Arial Greek", 8.25));
    place(Text6, 2760, 360, 1335, 375);
    place(Text5, 2760, 0, 1335, 375);
    place(Text2, 2520, 720, 2175, 375);
    place(Text7, 2520, 1080, 3135, 375);
}

// A scroll bar is called what the box beside it says, the box likewise.
void Moniaktina::nameControls() {
    for (auto [bar, box, name, valueText] :
         {std::tuple{aktina1, Text6, kRadius1Label, BarValueText(wholeNumber)},
          std::tuple{aktina2, Text5, kRadius2Label, BarValueText(wholeNumber)},
          std::tuple{deiktisdiathlasis, Text2, QString("Index of Refraction n ="),
                     BarValueText(hundredths)},
          std::tuple{kentrokykloy, Text7, kCentreLabel, BarValueText(wholeNumber)}}) {
        nameScrollBar(bar, name.chopped(1).trimmed(), valueText);
        box->setAccessibleName(name.chopped(1).trimmed());
    }
    nameObjects({{aktina1, "aktina1"},
                 {aktina2, "aktina2"},
                 {deiktisdiathlasis, "deiktisdiathlasis"},
                 {kentrokykloy, "kentrokykloy"},
                 {Text2, "Text2"},
                 {Text5, "Text5"},
                 {Text6, "Text6"},
                 {Text7, "Text7"},
                 {Command1, "Command1"}});
}

void Moniaktina::connectHandlers() {
    onChange(aktina1, [this] { aktina1_Change(); });
    onChange(aktina2, [this] { aktina2_Change(); });
    onChange(kentrokykloy, [this] { kentrokykloy_Change(); });
    onChange(deiktisdiathlasis, [this] { deiktisdiathlasis_Change(); });
    namespace bars = moniaktina_bars;
    for (auto [box, bar, design] :
         {std::tuple{Text6, aktina1, bars::aktina1}, std::tuple{Text5, aktina2, bars::aktina2},
          std::tuple{Text2, deiktisdiathlasis, bars::deiktisdiathlasis},
          std::tuple{Text7, kentrokykloy, bars::kentrokykloy}})
        takeTypedValues(box, bar, design, host().dialogs());
    connect(Command1, &QPushButton::clicked, this, &Moniaktina::Command1_Click);
    canvas::CanvasWidget& view = canvasWidget();
    connect(&view, &canvas::CanvasWidget::mouseDown, this, &Moniaktina::Form_MouseDown);
    connect(&view, &canvas::CanvasWidget::mouseUp, this, &Moniaktina::Form_MouseUp);
}

void Moniaktina::Form_Load() {
    writeLensTexts();
    writeIndex(false);
    // AutoRedraw: the surface already is the window's persistent image.
    redrawOutline();
    aimFirstRay();
}

// The first ray aims at the point halfway between the scale's origin and
// the mark's corner.
void Moniaktina::aimFirstRay() {
    aimAt(fos.Left / 2, fos.Top / 2, deiktisdiathlasis->value());
}

void Moniaktina::writeLensTexts() {
    Text5->setText(kRadius2Label + formatWhole(aktina2->value()));
    Text6->setText(kRadius1Label + formatWhole(aktina1->value()));
    Text7->setText(kCentreLabel + formatWhole(kentrokykloy->value()));
}

void Moniaktina::showControlValues(bool indexMoved) {
    writeLensTexts();
    state_.deiktis = index();
    writeIndex(indexMoved);
}

// The load writes "Index of Refraction n = 1.50", the bar's handler
// "Index of refraction n= 1.50".
void Moniaktina::writeIndex(bool moved) {
    indexMoved_ = moved;
    Text2->setText((moved ? "Index of refraction n= " : "Index of Refraction n = ") +
                   formatTwoDecimals(index()));
}

void Moniaktina::aktina1_Change() {
    Text6->setText(kRadius1Label + formatWhole(aktina1->value()));
    redrawOutline();
}

void Moniaktina::aktina2_Change() {
    Text5->setText(kRadius2Label + formatWhole(aktina2->value()));
    redrawOutline();
}

void Moniaktina::kentrokykloy_Change() {
    Text7->setText(kCentreLabel + formatWhole(kentrokykloy->value()));
    redrawOutline();
}

// The ray is not drawn again: the new lens shows without one until the next
// aim.
void Moniaktina::redrawOutline() {
    redrawOutline(deiktisdiathlasis->value());
}

void Moniaktina::redrawOutline(int indexValue) {
    sxediasifakoy(aktina1->value(), aktina2->value(), 0, kentrokykloy->value(), indexValue);
}

// Nothing is redrawn: the new index bends the next ray.
void Moniaktina::deiktisdiathlasis_Change() {
    state_.deiktis = index();
    writeIndex(true);
}

void Moniaktina::Form_MouseDown(int /*button*/, int shift, double x, double y) {
    // Shift alone, whatever the button: with Ctrl or Alt as well it is
    // another gesture.
    if (shift != canvas::ShiftKey)
        return;
    fos.Left = x;
    fos.Top = y;
    canvasWidget().Refresh();
}

void Moniaktina::Form_MouseUp(int /*button*/, int shift, double x, double y) {
    if (shift != canvas::ShiftKey)
        return;
    aimAt(x, y, deiktisdiathlasis->value());
}

void Moniaktina::drawPicture(const SingleRayPicture& picture) {
    if (picture.kind == SingleRayPicture::Kind::Outline) {
        redrawOutline(picture.deiktisdiathlasis);
        return;
    }
    fos.Left = picture.sourceX;
    fos.Top = picture.sourceY;
    aimAt(picture.aimX, picture.aimY, picture.deiktisdiathlasis);
}

std::array<QScrollBar*, std::size(kMoniaktinaBars)> Moniaktina::bars() const {
    return {aktina1, aktina2, deiktisdiathlasis, kentrokykloy};
}

// A ray starts at the mark as it was when the ray was aimed.
MoniaktinaSetup Moniaktina::setup() const {
    MoniaktinaSetup s;
    const auto controls = bars();
    for (std::size_t i = 0; i < controls.size(); ++i)
        s.*kMoniaktinaBars[i].value = controls[i]->value();
    const bool ray = picture_.kind == SingleRayPicture::Kind::Ray;
    const SetupPoint mark =
        ray ? SetupPoint{picture_.sourceX, picture_.sourceY} : SetupPoint{fos.Left, fos.Top};
    if (!isLayoutPlace(mark.x, mark.y))
        s.fos = mark;
    s.deiktisdiathlasisMoved = indexMoved_;
    if (ray)
        s.picture = {SingleRayPicture::Kind::Ray, 0, 0, picture_.aimX, picture_.aimY};
    s.picture.deiktisdiathlasis = picture_.deiktisdiathlasis;
    s.view = zoomView();
    s.lensData = lensDataPanel(*this)->shown();
    return s;
}

// The window as "AKTINA RAY" sizes it; the mark at the set-up's place, or
// at the layout's.
void Moniaktina::apply(const MoniaktinaSetup& s) {
    takeZoomView(s.view);
    sizeToScreen();
    const auto controls = bars();
    for (std::size_t i = 0; i < controls.size(); ++i)
        setQuietly(controls[i], s.*kMoniaktinaBars[i].value);
    showControlValues(s.deiktisdiathlasisMoved);
    if (s.fos) {
        fos.Left = s.fos->x;
        fos.Top = s.fos->y;
        fos.Width = fos.Height = markSidePx() / surface().ScaleX(1);
    } else {
        placeSourceAtLayout();
    }
    SingleRayPicture picture;
    if (s.picture.kind == SingleRayPicture::Kind::Ray)
        picture = {SingleRayPicture::Kind::Ray, fos.Left, fos.Top, s.picture.aimX, s.picture.aimY};
    picture.deiktisdiathlasis = s.picture.deiktisdiathlasis;
    drawPicture(picture);
    lensDataPanel(*this)->setShown(s.lensData);
}

void Moniaktina::Command1_Click() {
    hide();
    host().backToWorkbench();
}

} // namespace windows
