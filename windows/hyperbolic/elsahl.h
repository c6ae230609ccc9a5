#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/hyperbolic/view.h"
#include "optics/lensdata/light.h"
#include "windows/common/formwindow.h"
#include "windows/hyperbolic/elsahlsetup.h"
#include "windows/hyperbolic/sahlpicture.h"
#include "windows/wavefield/wavefieldlayer.h"

#include <QRadioButton>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace windows {

// The window on which Ibn Sahl's lenses are drawn: a point source placed by
// clicking, an aperture stop of two blades, and parallel beams.
class ElSahl : public FormWindow {
    Q_OBJECT
  public:
    ElSahl(Host& host, optics::hyperbolic::Protosfakos& state);

    void Form_Load();
    // Main's preparation before the workbench is shown.
    void prepareAtStartup();

    // The lens choice's steps on this window: the square window at the top
    // left corner, its scale, and the stop back at x = 130.
    void sizeForLensChoice();
    // The chosen lens with the fan of a point source at (x, y), on a cleared
    // picture; nothing when the index makes no lens.
    void showPointSource(bool biconvex, double x, double y);

    // What the window shows, and the way to show a picture anew from the
    // index and the stop as they are now, each drawing with its own option.
    const SahlPicture& picture() const { return picture_; }
    void drawPicture(const SahlPicture& picture);

    // The window's own point source: where its last fan started. The source
    // the program shares with the workbench may have moved since.
    canvas::UserPoint source() const { return source_; }

    // The window's state as one value, and the window set to one, sized as
    // a lens choice sizes it: the option buttons run their handlers, which
    // draw nothing, and the picture is drawn once. The source the program
    // shares becomes the set-up's.
    ElSahlSetup setup() const;
    void apply(const ElSahlSetup& setup);

    // The window as the optics module sees it, filled from the controls now,
    // or with the option a drawing was made with.
    optics::hyperbolic::SahlView view();
    optics::hyperbolic::SahlView view(SahlOption option);

    // What the lens choice and a beam say to an index that makes no lens.
    static QString invalidIndex();

    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void kymataYESNO_Click();
    void RAYSANDWAVES_Click();
    void parallilidesmifotos_Click();
    void kymatikosahl_Click();

    // The blades the mouse moves, and whether a press has taken either,
    // until its release drops it.
    const canvas::LineControl& upperBlade() const { return Line1; }
    const canvas::LineControl& lowerBlade() const { return Line2; }
    bool draggingUpper() const { return dragLine1; }
    bool draggingLower() const { return dragLine2; }

    int mousePointer() const { return mousePointer_; }

    // The wave field behind the picture (F3).
    WaveFieldLayer& waveField() { return *waveField_; }

  protected:
    // The close button does what "BACK TO MENU" does: the window is cleared
    // and hidden and the lens choice comes back, so the program keeps a
    // visible window.
    void closeRequested() override { host().backToLensChoice(); }
    void redrawPicture() override;
    void viewChanged() override;

  private:
    void bladesReachEdges();
    // The controls, each named as on the form.
    QRadioButton* onlyrays;
    QRadioButton* RAYSANDWAVES;
    QRadioButton* kymataYESNO;
    canvas::LineControl& Line1;
    canvas::LineControl& Line2;
    QAction* parallilidesmifotos;
    QAction* TELOS;
    QAction* kymatikosahl;
    QAction* BACKFAKO;

    bool dragLine1 = false;
    bool dragLine2 = false;

    // The option buttons with the option each chooses.
    std::array<std::pair<QRadioButton*, ElSahlSetup::Option>, 3> optionButtons() const;
    SahlOption chosenOption() const;

    void createWaveField();
    // The light the picture sent through the lens, as the wave field takes it.
    std::optional<optics::wavefield::Setup> waveFieldSetup() const;
    WaveFieldLayer* waveField_ = nullptr;

    void createControls();
    void createMenus();
    void connectHandlers();
    void placeStop(double x);
    // The scale every lens is drawn in: x from −120 to 150, y from 120 down
    // to −120.
    void setSahlScale();
    // The point-source drawing of the lens over the picture.
    void drawPointSource(bool biconvex, double b, double x, double y, SahlOption option);
    void drawBeam(double b, double degrees, SahlOption option);
    // "WAVES" over the picture: the fan from (x, y) and its fronts.
    void drawWaves(double b, double x, double y, SahlOption option);

    // The lens's semi-conjugate axis for the current index; empty, after
    // the guard's message, when the index makes no lens.
    std::optional<double> guardedAxis(const QString& refusal);
    static constexpr const char* kIndexRefusal = "δώσε μεγαλύτερο δείκτη";
    bool onLine1(double x, double y) const;
    bool onLine2(double x, double y) const;
    void dropUpperBlade(double x, double y);
    void dropLowerBlade(double x, double y);
    void showPointer(int shape);
    // The slope of a beam at that angle to the horizontal.
    static double beamSlope(double degrees);

    // The lens data: the light of the picture and the rays it sent out.
    void createLensData();
    static std::optional<optics::lensdata::Light> lightOf(const SahlPicture& picture);
    void keepLight(const std::optional<optics::lensdata::Light>& light);

    optics::hyperbolic::Protosfakos& state_;
    int mousePointer_ = 1;
    SahlPicture picture_;
    canvas::UserPoint source_{108, 25}; // where every lens choice puts it
    std::optional<optics::lensdata::Light> light_;
    double lightIndex_ = 0; // the index of the lens light_ went through
    std::vector<optics::lensdata::ExitRay> exitRays_;
    // A picture drawn again shows no message: it showed when first drawn.
    bool redrawing_ = false;
};

} // namespace windows
