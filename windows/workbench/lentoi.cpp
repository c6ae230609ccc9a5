#include "windows/workbench/lentoi.h"

#include "windows/common/controls.h"
#include "windows/common/numbers.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QAction>

#include <cmath>
#include <numbers>
#include <tuple>

namespace windows {

namespace {

QLineEdit* textBox(const QString& text, const QString& family, double points) {
    auto* box = new QLineEdit(text);
    box->setFont(FormWindow::designerFont(family, points));
    return box;
}

} // namespace

Lentoi::Lentoi(Host& host, optics::spherical::Poreiaaktinon& state)
    : FormWindow(host), pigi(canvasWidget().addShape()), Shape1(canvasWidget().addShape()),
      Shape2(canvasWidget().addShape()), Line1(canvasWidget().addLine()),
      Line2(canvasWidget().addLine()), Timer1([this] { Timer1_Timer(); }, this),
      Timer2([this] { Timer2_Timer(); }, this), state_(state) {
    setWindowTitle("SPHERICAL  LENSES");
    createControls();
    createMenus();
    nameControls();
    connectHandlers();
    addPictureShortcuts("lentoi");
    addHistoryShortcuts();
    addZoom();
    createLensData();
    createWaveField();
    Timer1.setEnabled(true);
}

// A scroll bar is called what the box or label it writes says; a bar that
// writes none, for what it moves.
void Lentoi::nameControls() {
    const auto inUnits = [this](double (Lentoi::*place)(int) const) -> BarValueText {
        return [this, place](int value) { return formatWhole((this->*place)(value)); };
    };
    const std::tuple<QString, QScrollBar*, BarValueText, QLineEdit*> names[] = {
        {"Number of Rays Αριθμός ακτινών", desmi1,
         [this](int value) { return formatTwoDecimals(rayCount(anglestepFor(value))); }, Text1},
        {"Index of Refraction Δείκτης Διάθλασης", deiktisdiathlasis, hundredths, Text2},
        {"Ακτίνα2", aktina2, wholeNumber, Text5},
        {"Ακτίνα1", aktina1, wholeNumber, Text6},
        {"Κέντρο δεξί κύκλου", kentrokykloy, wholeNumber, Text7},
        {"Κέντρο αριστερού κύκλου  Left circle centre", kentrokykloy2, wholeNumber, nullptr},
        {"Πολλαπλασιαστής ακτίνων", arvimaton, wholeNumber, nullptr},
        {"Θέση διαφραγμάτων DIAPHRAGM POSITION", HScroll1, inUnits(&Lentoi::bladeX), nullptr},
        {"Πάνω διάφραγμα UPPER DIAPHRAGM", VScroll1, inUnits(&Lentoi::upperTipY), nullptr},
        {"Κάτω διάφραγμα LOWER DIAPHRAGM", VScroll2, inUnits(&Lentoi::lowerTipY), nullptr},
    };
    for (const auto& [name, bar, valueText, box] : names) {
        nameScrollBar(bar, name, valueText);
        if (box)
            box->setAccessibleName(name);
    }
    Text3->setAccessibleName("Text3");
    Text4->setAccessibleName("Text4");
    nameObjects({{desmi1, "desmi1"},
                 {deiktisdiathlasis, "deiktisdiathlasis"},
                 {aktina2, "aktina2"},
                 {aktina1, "aktina1"},
                 {kentrokykloy, "kentrokykloy"},
                 {kentrokykloy2, "kentrokykloy2"},
                 {arvimaton, "arvimaton"},
                 {HScroll1, "HScroll1"},
                 {VScroll1, "VScroll1"},
                 {VScroll2, "VScroll2"},
                 {Text1, "Text1"},
                 {Text2, "Text2"},
                 {Text3, "Text3"},
                 {Text4, "Text4"},
                 {Text5, "Text5"},
                 {Text6, "Text6"},
                 {Text7, "Text7"},
                 {Check1, "Check1"},
                 {Check2, "Check2"},
                 {Label1, "Label1"},
                 {Label2, "Label2"},
                 {Label3, "Label3"},
                 {&Timer1, "Timer1"},
                 {&Timer2, "Timer2"},
                 {singleray, "singleray"},
                 {EPANALIPSI, "EPANALIPSI"},
                 {SAHLIC, "SAHLIC"},
                 {parallilakymata, "parallilakymata"},
                 {kymatachronika, "kymatachronika"},
                 {TELIOMA, "TELIOMA"}});
}

void Lentoi::createControls() {
    createScrollBars();
    createTexts();
    Check1 = new QCheckBox("SHOW WAVES AND RAYS");
    Check2 = new QCheckBox("SHOW ONLY WAVES");
    const QFont small = designerFont("Times New Roman", 7.5);
    Check1->setFont(small);
    Check2->setFont(small);
    Label1 = makeLabel("ΜΠΟΡΕΙΣ ΝΑ ΔΗΜΙΟΥΡΓΗΣΕΙΣ ΜΙΑ ΔΕΣΜΗ ΑΚΤΙΝΩΝ ΠΑΤΩΝΤΑΣ ΤΟ SHIFT KAI ΤΟ "
                       "ΑΡΙΣΤΕΡΟ ΠΛΗΚΤΡΟ ΤΟΥ ΠΟΝΤΙΚΟΥ PRESS SHIFT AND MOUSE TO HAVE A BUNDLE OF "
                       "RAYS",
                       small);
    Label2 = makeLabel("ΜΠΟΡΕΙΣ ΝΑ ΜΕΤΑΚΙΝΗΣΕΙΣ ΤΑ ΔΙΑΦΡΑΓΜΑΤΑ ΚΑΙ ΤΑ ΚΕΝΤΡΑ ΤΩΝ ΚΥΚΛΩΝ ΜΕ "
                       "ΤΟ ΠΟΝΤΙΚΙ MOVE  THE DIAPHRAGM WITH MOUSE",
                       designerFont("Times New Roman", 9));
    Label3 = makeLabel("Label3", small);
    place(Check1, 8040, 720, 2175, 375);
    place(Check2, 8040, 1080, 2175, 375);
    place(Label1, 0, 720, 4935, 735);
    place(Label2, 4920, 720, 3015, 1215);
    place(Label3, 9120, 1560, 1215, 495);
    Shape1.FillColor = canvas::RGB(255, 192, 128);
    Shape2.FillColor = canvas::RGB(255, 128, 128);
    for (canvas::ShapeControl* marker : {&Shape1, &Shape2}) {
        marker->Filled = true;
        marker->Visible = false;
    }
}

void Lentoi::createScrollBars() {
    const auto create = [this](Qt::Orientation orientation, const BarDesign& design) {
        QScrollBar* bar = makeScrollBar(orientation, design);
        place(bar, design.left, design.top, design.width, design.height);
        return bar;
    };
    namespace bars = lentoi_bars;
    desmi1 = create(Qt::Horizontal, bars::desmi1);
    deiktisdiathlasis = create(Qt::Horizontal, bars::deiktisdiathlasis);
    aktina2 = create(Qt::Horizontal, bars::aktina2);
    aktina1 = create(Qt::Horizontal, bars::aktina1);
    kentrokykloy = create(Qt::Horizontal, bars::kentrokykloy);
    kentrokykloy2 = create(Qt::Horizontal, bars::kentrokykloy2);
    arvimaton = create(Qt::Horizontal, bars::arvimaton);
    HScroll1 = create(Qt::Horizontal, bars::HScroll1);
    VScroll1 = create(Qt::Vertical, bars::VScroll1);
    VScroll2 = create(Qt::Vertical, bars::VScroll2);
}

void Lentoi::createTexts() {
    Text1 = textBox("Text1", "Arial", 7.5);
    Text2 = textBox("Text2", "Arial", 7.5);
    Text3 = textBox("Text3", "Arial", 7.5);
    Text4 = textBox("Text4", "Arial", 7.5);
    Text5 = textBox("Text5", "Times New Roman", 7.5);
    Text6 = textBox("Text6", "Times New Roman", 7.5);
    Text7 = textBox("Text7", "Arial", 8.25);
    place(Text1, 4440, 0, 2775, 375);
    place(Text2, 4440, 360, 5055, 375);
    placePlaceholder(Text3, 6600, 360, 3615, 285);
    placePlaceholder(Text4, 7200, 1080, 3495, 375);
    place(Text5, 0, 0, 1335, 375);
    place(Text6, 0, 360, 1335, 375);
    place(Text7, 7200, 0, 3135, 375);
}

void Lentoi::createMenus() {
    singleray = addMenu("AKTINA RAY");
    EPANALIPSI = addMenu("// BUNDLE  DESMH");
    SAHLIC = addMenu("IBN SAHL");
    parallilakymata = addMenu("// WAVES  KYMATA");
    kymatachronika = addMenu("WAVES IN  TIME  XPONIKA");
    TELIOMA = addMenu("END");
    parallilakymata->setEnabled(false);
    kymatachronika->setEnabled(false);
}

void Lentoi::connectHandlers() {
    onChange(aktina1, [this] { aktina1_Change(); });
    onChange(aktina2, [this] { aktina2_Change(); });
    onChange(kentrokykloy, [this] { kentrokykloy_Change(); });
    onChange(kentrokykloy2, [this] { kentrokykloy2_Change(); });
    onChange(deiktisdiathlasis, [this] { deiktisdiathlasis_Change(); });
    onChange(desmi1, [this] { desmi1_Change(); });
    onChange(arvimaton, [this] { arvimaton_Change(); });
    onChange(HScroll1, [this] { HScroll1_Change(); });
    onChange(VScroll1, [this] { VScroll1_Change(); });
    onChange(VScroll2, [this] { VScroll2_Change(); });
    namespace bars = lentoi_bars;
    for (auto [box, bar, design] :
         {std::tuple{Text2, deiktisdiathlasis, bars::deiktisdiathlasis},
          std::tuple{Text5, aktina2, bars::aktina2}, std::tuple{Text6, aktina1, bars::aktina1},
          std::tuple{Text7, kentrokykloy, bars::kentrokykloy}})
        takeTypedValues(box, bar, design, host().dialogs());
    // A check box's Click runs whenever its value changes, by hand or by code.
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(singleray, &QAction::triggered, this, [this] { host().openSingleRay(); });
    connect(EPANALIPSI, &QAction::triggered, this, [this] { EPANALIPSI_Click(); });
    connect(SAHLIC, &QAction::triggered, this, [this] { host().openLensChoice(); });
    connect(parallilakymata, &QAction::triggered, this, [this] { parallilakymata_Click(); });
    connect(kymatachronika, &QAction::triggered, this, [this] { kymatachronika_Click(); });
    connect(TELIOMA, &QAction::triggered, this, [this] { host().endProgram(); });
    canvas::CanvasWidget& view = canvasWidget();
    connect(&view, &canvas::CanvasWidget::mouseDown, this, &Lentoi::Form_MouseDown);
    connect(&view, &canvas::CanvasWidget::mouseMove, this, &Lentoi::Form_MouseMove);
    connect(&view, &canvas::CanvasWidget::mouseUp, this, &Lentoi::Form_MouseUp);
    connect(&view, &canvas::CanvasWidget::clicked, this, &Lentoi::Form_Click);
}

void Lentoi::Form_Load() {
    fillAvailableArea();
    setCentredScale();
    for (QLineEdit* box : {Text1, Text2})
        box->setFont(designerFont("Times New Roman Greek", 7.5));
    state_.anglestep = std::numbers::pi * arvimaton->value() / desmi1->value();
    writeRayCount();
    setBoxText(Text2, "Index of Refraction Δείκτης Διάθλασης= " + formatTwoDecimals(index()));
    for (QLineEdit* box : {Text3, Text4})
        box->setFont(designerFont("Times New Roman Greek", 7.5));
    sizeShapes();
    pigi.Left = state_.shared.pigiX = LentoiSetup{}.pigi.x;
    pigi.Top = state_.shared.pigiY = LentoiSetup{}.pigi.y;
    placeDiaphragm();
    Label3->setText("Πολλαπλασιαστής ακτίνων" + formatWhole(arvimaton->value()));
    writeRadius2(false);
    writeRadius1(false);
    setBoxText(Text7, "Κέντρο δεξί κύκλου=" + formatWhole(kentrokykloy->value()));
    arxinizo();
    sxediasidesmis(0, controlValues());
    canvasWidget().Refresh();
}

// The marks keep their designer size in twips whatever the scale.
void Lentoi::sizeShapes() {
    const canvas::Surface& view = surface();
    const double unitsPerTwipX = 1.0 / view.ScaleX(1) / screen().twipsPerPixel();
    const double unitsPerTwipY = 1.0 / view.ScaleY(1) / screen().twipsPerPixel();
    const auto size = [&](canvas::ShapeControl& shape, int widthTwips, int heightTwips) {
        shape.Width = widthTwips * unitsPerTwipX;
        shape.Height = heightTwips * unitsPerTwipY;
    };
    size(pigi, 135, 45);
    size(Shape1, 135, 135);
    size(Shape2, 135, 135);
}

// A new client area gets the scale for its size; the lens, the source and
// the blades' tips keep their places in the scale, the blades still reach
// the edges, and the picture is drawn again to match them.
void Lentoi::redrawPicture() {
    setCentredScale();
    sizeShapes();
    const canvas::Surface& view = surface();
    Line1.Y1 = view.ViewTop();
    Line2.Y1 = view.ViewTop() + view.ViewHeight();
    drawPicture(picture_);
}

void Lentoi::placeDiaphragm() {
    const canvas::Surface& view = surface();
    for (canvas::LineControl* blade : {&Line1, &Line2}) {
        blade->BorderColor = canvas::RGB(100, 100, 0);
        blade->BorderWidth = 4;
        blade->X1 = blade->X2 = bladeX(0);
    }
    Line1.Y1 = view.ViewTop();
    Line1.Y2 = upperTipY(VScroll1->value());
    Line2.Y1 = view.ViewTop() + view.ViewHeight();
    Line2.Y2 = lowerTipY(VScroll2->value());
}

// The scroll bars' places of the blades, in the window's own scale for its
// size now: a zoom moves the view, not the blades.
double Lentoi::bladeX(int value) const {
    const canvas::ScaleRect& own = ownScale();
    const double w = own.x2 - own.x1;
    return own.x1 + w / 2 + (w / 2) * value / 100;
}

double Lentoi::upperTipY(int value) const {
    const canvas::ScaleRect& own = ownScale();
    const double h = own.y2 - own.y1;
    return own.y1 + h / 2 + (h / 2) * value / 100;
}

// The lower blade's scale is twice the upper one's.
double Lentoi::lowerTipY(int value) const {
    const canvas::ScaleRect& own = ownScale();
    const double h = own.y2 - own.y1;
    return own.y1 + h / 2 + h * value / 100;
}

void Lentoi::writeRayCount() {
    setBoxText(Text1,
               "Number of Rays Αριθμός ακτινών= " + formatTwoDecimals(rayCount(state_.anglestep)));
}

// Int(360 / anglestep): the whole number of directions in a full turn.
double Lentoi::rayCount(double anglestep) {
    return std::floor(360 / anglestep);
}

double Lentoi::anglestepFor(int rays) const {
    return anglestep(rays, arvimaton->value());
}

// The quotient of the two whole numbers is taken first, then π is divided by it.
double Lentoi::anglestep(int rays, int multiplier) {
    return std::numbers::pi / (static_cast<double>(rays) / multiplier);
}

WorkbenchDrawing Lentoi::controlValues() const {
    return {deiktisdiathlasis->value(), desmi1->value(), arvimaton->value(), Check1->isChecked(),
            Check2->isChecked()};
}

void Lentoi::copyGeometry() {
    state_.radius1 = aktina1->value();
    state_.radius2 = aktina2->value();
    state_.xb = kentrokykloy->value();
    state_.xa = kentrokykloy2->value();
}

// The lens picture alone, as a lens change or a plain click leaves it. It is
// the picture from here on, unless drawing the lens moves a blade, whose
// handler then draws the bundle as well.
void Lentoi::showLens(const WorkbenchDrawing& drawnWith) {
    picture_ = WorkbenchPicture::lens(drawnWith);
    surface().Cls();
    arxinizo(indexFor(drawnWith.deiktisdiathlasis));
    setPictureLight(std::nullopt);
    canvasWidget().Refresh();
}

void Lentoi::redrawLens() {
    copyGeometry();
    showLens(controlValues());
}

void Lentoi::Form_Click() {
    // A Shift-press has just drawn its fan; clearing the picture on release
    // would take away what the user asked for.
    if (fanDrawn_)
        return;
    showLens(controlValues());
}

void Lentoi::aktina1_Change() {
    writeRadius1(true);
    redrawLens();
}

void Lentoi::aktina2_Change() {
    writeRadius2(true);
    redrawLens();
}

void Lentoi::kentrokykloy_Change() {
    writeCentre2();
    redrawLens();
}

// The load writes "Ακτίνα1=100", the bar's handler "Ακτίνα1 =100".
void Lentoi::writeRadius1(bool moved) {
    aktina1Moved_ = moved;
    Text6->setFont(designerFont("Times New Roman", 7.5));
    setBoxText(Text6, (moved ? "Ακτίνα1 =" : "Ακτίνα1=") + formatWhole(aktina1->value()));
}

void Lentoi::writeRadius2(bool moved) {
    aktina2Moved_ = moved;
    setBoxText(Text5, (moved ? "Ακτίνα2 =" : "Ακτίνα2=") + formatWhole(aktina2->value()));
}

void Lentoi::writeCentre2() {
    setBoxText(Text7, "Κέντρο δεξί κύκλου=" + formatWhole(kentrokykloy->value()));
}

void Lentoi::showControlValues(bool aktina1Moved, bool aktina2Moved) {
    writeRadius1(aktina1Moved);
    writeRadius2(aktina2Moved);
    writeCentre2();
    copyGeometry();
    // These three handlers draw nothing.
    deiktisdiathlasis_Change();
    desmi1_Change();
    arvimaton_Change();
}

void Lentoi::kentrokykloy2_Change() {
    redrawLens();
}

void Lentoi::deiktisdiathlasis_Change() {
    state_.deiktis = index();
    Text2->setFont(designerFont("Times New Roman Greek", 7.5));
    setBoxText(Text2,
               "Index of Refraction Δείκτης Διάθλασης= " + formatTwoDecimals(state_.deiktis));
    // Nothing is drawn again, but the lens is another one.
    if (LensDataPanel* panel = lensDataPanel(*this))
        panel->renew();
}

void Lentoi::desmi1_Change() {
    state_.anglestep = anglestepFor(desmi1->value());
    Text1->setFont(designerFont("Times New Roman Greek", 7.5));
    writeRayCount();
}

void Lentoi::arvimaton_Change() {
    state_.anglestep = anglestepFor(desmi1->value());
    Label3->setText("Πολλαπλασιαστής ακτίνων" + formatWhole(arvimaton->value()));
}

void Lentoi::HScroll1_Change() {
    Line1.X1 = bladeX(HScroll1->value());
    Line1.X2 = Line2.X1 = Line2.X2 = Line1.X1;
    // Moving the diaphragm sideways changes what the bundle meets, so the
    // bundle is drawn again as after the vertical moves.
    redrawWithBundle();
}

// The bundle's drawing clears the picture and draws the lens first: the
// lens drawn before it would only be cleared, but what drawing it does to
// the blades must happen before the bundle is drawn.
void Lentoi::redrawWithBundle() {
    takeLensValues(index());
    sxediasidesmis(goniadesmis, controlValues());
    canvasWidget().Refresh();
}

void Lentoi::VScroll1_Change() {
    Line1.BorderColor = canvas::RGB(250, 0, 0);
    Line1.BorderWidth = 4;
    Line1.Y1 = surface().ViewTop();
    Line1.Y2 = upperTipY(VScroll1->value());
    redrawWithBundle();
}

void Lentoi::VScroll2_Change() {
    const canvas::Surface& view = surface();
    Line2.Y1 = view.ViewTop() + view.ViewHeight();
    Line2.Y2 = lowerTipY(VScroll2->value());
    redrawWithBundle();
}

void Lentoi::Check1_Click() {
    Check2->setChecked(false);
    desmi1->setValue(140);
}

void Lentoi::Check2_Click() {
    showLens(controlValues());
    Check1->setChecked(false);
    desmi1->setValue(100);
}

optics::spherical::Diaphragm Lentoi::diaphragm() const {
    return {Line1.X1, Line1.Y2, Line2.Y2};
}

} // namespace windows
