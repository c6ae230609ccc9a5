#include "windows/hyperbolic/elsahl.h"

#include "optics/hyperbolic/protosfakos.h"
#include "windows/common/controls.h"

#include <QAction>
#include <QButtonGroup>

namespace windows {

namespace sahl = optics::hyperbolic;

ElSahl::ElSahl(Host& host, sahl::Protosfakos& state)
    : FormWindow(host), Line1(canvasWidget().addLine()), Line2(canvasWidget().addLine()),
      state_(state) {
    setWindowTitle("Φακός Ιμπν Σαχλ 2 υπεροβλές");
    surface().BackColor = canvas::colors::white;
    createControls();
    createMenus();
    connectHandlers();
    addPictureShortcuts("ElSahl");
    addHistoryShortcuts();
    addZoom();
    createLensData();
    createWaveField();
}

void ElSahl::createControls() {
    onlyrays = new QRadioButton("Only Rays");
    RAYSANDWAVES = new QRadioButton("RAYS WAVES");
    kymataYESNO = new QRadioButton("ONLY WAVES");
    auto* options = new QButtonGroup(this);
    options->setExclusive(true);
    for (QRadioButton* option : {kymataYESNO, RAYSANDWAVES, onlyrays})
        options->addButton(option);
    RAYSANDWAVES->setChecked(true);
    place(kymataYESNO, 120, 0, 1455, 375);
    place(RAYSANDWAVES, 1560, 0, 1335, 375);
    place(onlyrays, 2880, 0, 1215, 375);
    setTabIndexes({kymataYESNO, RAYSANDWAVES, onlyrays});
    // Form_Load puts the blades at their places in the window's scale.
    for (canvas::LineControl* blade : {&Line1, &Line2}) {
        blade->BorderColor = canvas::RGB(0, 0, 192);
        blade->BorderWidth = 3;
    }
}

void ElSahl::createMenus() {
    parallilidesmifotos = addMenu("PARALLILI  DESMH");
    TELOS = addMenu("END");
    kymatikosahl = addMenu("WAVES");
    BACKFAKO = addMenu("BACK TO MENU");
    nameObjects({{onlyrays, "onlyrays"},
                 {RAYSANDWAVES, "RAYSANDWAVES"},
                 {kymataYESNO, "kymataYESNO"},
                 {parallilidesmifotos, "parallilidesmifotos"},
                 {TELOS, "TELOS"},
                 {kymatikosahl, "kymatikosahl"},
                 {BACKFAKO, "BACKFAKO"}});
}

void ElSahl::connectHandlers() {
    // An option button's Click runs when it becomes the chosen one, by hand
    // or by code.
    const auto onChosen = [this](QRadioButton* option, void (ElSahl::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool chosen) {
            if (chosen)
                (this->*handler)();
        });
    };
    onChosen(kymataYESNO, &ElSahl::kymataYESNO_Click);
    onChosen(RAYSANDWAVES, &ElSahl::RAYSANDWAVES_Click);
    connect(parallilidesmifotos, &QAction::triggered, this,
            [this] { parallilidesmifotos_Click(); });
    connect(TELOS, &QAction::triggered, this, [this] { host().endProgram(); });
    connect(kymatikosahl, &QAction::triggered, this, [this] { kymatikosahl_Click(); });
    connect(BACKFAKO, &QAction::triggered, this, [this] { host().backToLensChoice(); });
    canvas::CanvasWidget& client = canvasWidget();
    connect(&client, &canvas::CanvasWidget::mouseDown, this, &ElSahl::Form_MouseDown);
    connect(&client, &canvas::CanvasWidget::mouseMove, this, &ElSahl::Form_MouseMove);
    connect(&client, &canvas::CanvasWidget::mouseUp, this, &ElSahl::Form_MouseUp);
}

void ElSahl::Form_Load() {
    placeStop(130);
}

void ElSahl::prepareAtStartup() {
    placeStop(200);
}

void ElSahl::placeStop(double x) {
    Line1.X1 = Line1.X2 = x;
    Line1.Y1 = 200;
    Line1.Y2 = 10;
    Line2.X1 = Line2.X2 = x;
    Line2.Y1 = -200;
    Line2.Y2 = -10;
}

void ElSahl::setSahlScale() {
    setOwnScale(-120, 120, 150, -120);
}

// A square two thirds of the screen wide at the screen's top left corner, but
// no larger, frame included, than the screen's free area: the lens and the
// rays below it stay on the screen.
void ElSahl::sizeForLensChoice() {
    const ScreenArea area = screen().available();
    const int side =
        std::min({screen().toPixels(screen().widthTwips() / 1.5), area.width, area.height});
    setFrameRect({area.left, area.top, side, side});
    setSahlScale();
    placeStop(130);
    canvasWidget().Refresh();
}

void ElSahl::showPointSource(bool biconvex, double x, double y) {
    const std::optional<double> b = sahl::semiConjugateAxis(state_.nsahl);
    SahlPicture picture;
    if (b) {
        picture.drawing = SahlPicture::Drawing::PointSource;
        picture.biconvex = biconvex;
        picture.sourceX = x;
        picture.sourceY = y;
        picture.drawnWith = chosenOption();
        picture.index = state_.nsahl;
    }
    drawPicture(picture);
}

void ElSahl::drawPointSource(bool biconvex, double b, double x, double y, SahlOption option) {
    source_ = {x, y};
    sahl::SahlView window = view(option);
    if (biconvex)
        sahl::amfikyrtosPigi(state_, window, sahl::kSemiTransverse, b, x, y);
    else
        sahl::epipedokyrtosPigi(state_, window, sahl::kSemiTransverse, b, x, y);
}

sahl::SahlView ElSahl::view() {
    return view(chosenOption());
}

sahl::SahlView ElSahl::view(SahlOption option) {
    const sahl::SahlControls controls{option == SahlOption::kymataYESNO,
                                      option == SahlOption::onlyrays, Line1.X1, Line1.Y2, Line2.Y2};
    return {surface(), controls,
            [this](const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); },
            [this](const std::string& text) {
                if (!redrawing_)
                    host().dialogs().message(QString::fromStdString(text));
            }};
}

void ElSahl::kymataYESNO_Click() {
    state_.monokymata = true;
    kymataYESNO->setChecked(true);
    RAYSANDWAVES->setChecked(false);
}

void ElSahl::RAYSANDWAVES_Click() {
    state_.monokymata = false;
    kymataYESNO->setChecked(false);
    RAYSANDWAVES->setChecked(true);
}

} // namespace windows
