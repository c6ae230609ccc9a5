#include "windows/workbench/lentoi.h"

#include "windows/common/controls.h"
#include "windows/common/numbers.h"

#include <QAction>

#include <cmath>
#include <numbers>

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
      Line2(canvasWidget().addLine()), Timer1([this] { Timer1_Timer(); }),
      Timer2([this] { Timer2_Timer(); }),
      thesiX(std::size_t(optics::spherical::kMaxRecordedRay + 1) * kStepSlots),
      thesiY(thesiX.size()), state_(state) {
    setWindowTitle("SPHERICAL  LENSES");
    createControls();
    createMenus();
    nameControls();
    connectHandlers();
    addPictureShortcuts("lentoi");
    createLensData();
    Timer1.setEnabled(true);
}

// A scroll bar is called what the box or label it writes says; a bar that
// writes none, for what it moves.
void Lentoi::nameControls() {
    const std::pair<QString, std::vector<QWidget*>> names[] = {
        {"Number of Rays Αριθμός ακτινών", {desmi1, Text1}},
        {"Index of Refraction Δείκτης Διάθλασης", {deiktisdiathlasis, Text2}},
        {"Ακτίνα2", {aktina2, Text5}},
        {"Ακτίνα1", {aktina1, Text6}},
        {"Κέντρο δεξί κύκλου", {kentrokykloy, Text7}},
        {"Κέντρο αριστερού κύκλου", {kentrokykloy2}},
        {"Πολλαπλασιαστής ακτίνων", {arvimaton}},
        {"Θέση διαφραγμάτων DIAPHRAGM POSITION", {HScroll1}},
        {"Πάνω διάφραγμα UPPER DIAPHRAGM", {VScroll1}},
        {"Κάτω διάφραγμα LOWER DIAPHRAGM", {VScroll2}},
        {"Text3", {Text3}},
        {"Text4", {Text4}},
    };
    for (const auto& [name, controls] : names)
        for (QWidget* control : controls)
            control->setAccessibleName(name);
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
    desmi1 = makeScrollBar(Qt::Horizontal, 2, 150, 10, 20);
    deiktisdiathlasis = makeScrollBar(Qt::Horizontal, 40, 250, 10, 150);
    aktina2 = makeScrollBar(Qt::Horizontal, 0, 500, 1, 90);
    aktina1 = makeScrollBar(Qt::Horizontal, 50, 500, 40, 100);
    kentrokykloy = makeScrollBar(Qt::Horizontal, 0, 500, 40, 20);
    kentrokykloy2 = makeScrollBar(Qt::Horizontal, -500, 0, 40, -50);
    arvimaton = makeScrollBar(Qt::Horizontal, 5, 150, 1, 30);
    HScroll1 = makeScrollBar(Qt::Horizontal, -100, 100, 5, 0);
    VScroll1 = makeScrollBar(Qt::Vertical, -100, 0, 10, 0);
    VScroll2 = makeScrollBar(Qt::Vertical, 0, 100, 10, 0);
    place(desmi1, 1920, 0, 2415, 375);
    place(deiktisdiathlasis, 1920, 360, 2415, 375);
    place(aktina2, 120, 1320, 2775, 375);
    place(aktina1, 120, 1680, 2775, 375);
    place(kentrokykloy, 4200, 1440, 2655, 375);
    place(kentrokykloy2, 4320, 1800, 2055, 255);
    place(arvimaton, 7320, 1560, 1695, 375);
    place(HScroll1, 120, 3360, 975, 255);
    place(VScroll1, 120, 2280, 255, 1095);
    place(VScroll2, 120, 3600, 255, 1215);
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
    place(Text3, 6600, 360, 3615, 285);
    place(Text4, 7200, 1080, 3495, 375);
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
    setBoxText(Text2, "Index of Refraction Δείκτης Διάθλασης= " + format00(index()));
    for (QLineEdit* box : {Text3, Text4})
        box->setFont(designerFont("Times New Roman Greek", 7.5));
    sizeShapes();
    pigi.Left = -200;
    pigi.Top = 0;
    state_.shared.pigiX = -200;
    state_.shared.pigiY = 0;
    placeDiaphragm();
    Label3->setText("Πολλαπλασιαστής ακτίνων" + format0(arvimaton->value()));
    setBoxText(Text5, "Ακτίνα2=" + format0(aktina2->value()));
    setBoxText(Text6, "Ακτίνα1=" + format0(aktina1->value()));
    setBoxText(Text7, "Κέντρο δεξί κύκλου=" + format0(kentrokykloy->value()));
    arxinizo();
    sxediasidesmis(0);
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
    Line1.Y1 = view.ScaleTop();
    Line2.Y1 = view.ScaleTop() + view.ScaleHeight();
    drawPicture(picture_);
}

void Lentoi::placeDiaphragm() {
    const canvas::Surface& view = surface();
    const double l = view.ScaleLeft(), t = view.ScaleTop();
    const double w = view.ScaleWidth(), h = view.ScaleHeight();
    for (canvas::LineControl* blade : {&Line1, &Line2}) {
        blade->BorderColor = canvas::RGB(100, 100, 0);
        blade->BorderWidth = 4;
        blade->X1 = blade->X2 = l + w / 2;
    }
    Line1.Y1 = t;
    Line1.Y2 = t + h / 2 + (h / 2) * VScroll1->value() / 100;
    Line2.Y1 = t + h;
    Line2.Y2 = t + h / 2 + h * VScroll2->value() / 100.0;
}

void Lentoi::writeRayCount() {
    // Int(360 / anglestep): the whole number of directions in a full turn.
    const double count = std::floor(360 / state_.anglestep);
    setBoxText(Text1, "Number of Rays Αριθμός ακτινών= " + format00(count));
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
void Lentoi::showLens() {
    picture_ = {};
    surface().Cls();
    arxinizo();
    sendLight(std::nullopt);
    canvasWidget().Refresh();
}

void Lentoi::redrawLens() {
    copyGeometry();
    showLens();
}

void Lentoi::Form_Click() {
    // A Shift-press has just drawn its fan; clearing the picture on release
    // would take away what the user asked for.
    if (fanDrawn_)
        return;
    showLens();
}

void Lentoi::aktina1_Change() {
    writeRadius1();
    redrawLens();
}

void Lentoi::aktina2_Change() {
    writeRadius2();
    redrawLens();
}

void Lentoi::kentrokykloy_Change() {
    writeCentre2();
    redrawLens();
}

void Lentoi::writeRadius1() {
    Text6->setFont(designerFont("Times New Roman", 7.5));
    setBoxText(Text6, "Ακτίνα1 =" + format0(aktina1->value()));
}

void Lentoi::writeRadius2() {
    setBoxText(Text5, "Ακτίνα2 =" + format0(aktina2->value()));
}

void Lentoi::writeCentre2() {
    setBoxText(Text7, "Κέντρο δεξί κύκλου=" + format0(kentrokykloy->value()));
}

void Lentoi::showControlValues() {
    writeRadius1();
    writeRadius2();
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
    setBoxText(Text2, "Index of Refraction Δείκτης Διάθλασης= " + format00(state_.deiktis));
}

void Lentoi::desmi1_Change() {
    state_.anglestep =
        std::numbers::pi / (static_cast<double>(desmi1->value()) / arvimaton->value());
    Text1->setFont(designerFont("Times New Roman Greek", 7.5));
    writeRayCount();
}

void Lentoi::arvimaton_Change() {
    state_.anglestep =
        std::numbers::pi / (static_cast<double>(desmi1->value()) / arvimaton->value());
    Label3->setText("Πολλαπλασιαστής ακτίνων" + format0(arvimaton->value()));
}

void Lentoi::HScroll1_Change() {
    const canvas::Surface& view = surface();
    const double w = view.ScaleWidth();
    Line1.X1 = view.ScaleLeft() + w / 2 + (w / 2) * HScroll1->value() / 100;
    Line1.X2 = Line2.X1 = Line2.X2 = Line1.X1;
    // Moving the diaphragm sideways changes what the bundle meets, so the
    // bundle is drawn again as after the vertical moves.
    redrawWithBundle();
}

void Lentoi::redrawWithBundle() {
    surface().Cls();
    arxinizo();
    sxediasidesmis(goniadesmis);
    canvasWidget().Refresh();
}

void Lentoi::VScroll1_Change() {
    const canvas::Surface& view = surface();
    const double t = view.ScaleTop(), h = view.ScaleHeight();
    Line1.BorderColor = canvas::RGB(250, 0, 0);
    Line1.BorderWidth = 4;
    Line1.Y1 = t;
    Line1.Y2 = t + h / 2 + (h / 2) * VScroll1->value() / 100;
    redrawWithBundle();
}

void Lentoi::VScroll2_Change() {
    const canvas::Surface& view = surface();
    const double t = view.ScaleTop(), h = view.ScaleHeight();
    Line2.Y1 = t + h;
    Line2.Y2 = t + h / 2 + h * VScroll2->value() / 100;
    redrawWithBundle();
}

void Lentoi::Check1_Click() {
    Check2->setChecked(false);
    desmi1->setValue(140);
}

void Lentoi::Check2_Click() {
    showLens();
    Check1->setChecked(false);
    desmi1->setValue(100);
}

optics::spherical::Diaphragm Lentoi::diaphragm() const {
    return {Line1.X1, Line1.Y2, Line2.Y2};
}

} // namespace windows
