#pragma once

#include "optics/spherical/state.h"
#include "windows/common/formwindow.h"
#include "windows/common/timer.h"
#include "windows/workbench/sentlight.h"
#include "windows/workbench/workbenchpicture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <vector>

namespace windows {

// The spherical-lens workbench: the full-screen main window with the lens,
// the diaphragm, the source, the bundles and the wave animation.
class Lentoi : public FormWindow {
    Q_OBJECT
  public:
    Lentoi(Host& host, optics::spherical::Poreiaaktinon& state);

    void Form_Load();

    // Public operations other code calls on the workbench.
    void arxinizo();
    void aktinaideal(double x00, double y00, double xa, double xb, double radius1, double radius2);
    void sxediasifakoy11();

    // What the window shows, and the way to show a picture anew from the
    // controls' current values. A wave animation is drawn up to its steps
    // at once, without a timer.
    const WorkbenchPicture& picture() const { return picture_; }
    void drawPicture(const WorkbenchPicture& picture);

    // What the wave record holds, and a picture drawn with its record made
    // anew: a set-up opened in a program that never drew that record. Any
    // animation stops, and the wave menu that moves the record is the one
    // enabled, as after the drawing that recorded it.
    const RecordedWaves& recordedWaves() const { return recordedWaves_; }
    void restorePicture(const WorkbenchPicture& picture, const RecordedWaves& recorded);

    // The bundle's angle in degrees as typed; goniadesmis is that in radians.
    double bundleAngleDeg() const { return bundleAngleDeg_; }
    void setBundleAngleDeg(double degrees);

    // Writes every text box and label from its scroll bar, and the lens
    // values that the bars' Change handlers set, for bars given their
    // values with their signals blocked.
    void showControlValues();

    // The rays the workbench's wave record holds: its own count, whatever
    // the hyperbolic lenses have done to the shared counter since.
    int recordedRays() const { return recordedRays_; }

    // The tick work of the two timers; the platform timers call these, and
    // so may tests.
    void Timer1_Timer();
    void Timer2_Timer();
    // What one drawing tick at step k draws: the fronts of every recorded ray
    // and the lens faces over them.
    void drawAnimationStep(int k);

    // Menu commands.
    void EPANALIPSI_Click();
    void parallilakymata_Click();
    void kymatachronika_Click();

    // Mouse events in the window's scale.
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void Form_Click();

    // Controls, public as on any form.
    QScrollBar* desmi1;
    QScrollBar* deiktisdiathlasis;
    QScrollBar* aktina2;
    QScrollBar* aktina1;
    QScrollBar* kentrokykloy;
    QScrollBar* kentrokykloy2;
    QScrollBar* arvimaton;
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    QScrollBar* VScroll2;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    canvas::ShapeControl& pigi;
    canvas::ShapeControl& Shape1;
    canvas::ShapeControl& Shape2;
    canvas::LineControl& Line1;
    canvas::LineControl& Line2;
    FormTimer Timer1;
    FormTimer Timer2;
    QAction* singleray;
    QAction* EPANALIPSI;
    QAction* SAHLIC;
    QAction* parallilakymata;
    QAction* kymatachronika;
    QAction* TELIOMA;

    // Form-level state.
    double goniadesmis = 0; // direction of the parallel bundle, radians
    bool diafragma1 = false;
    bool diafragma2 = false;
    bool kentro1 = false;
    bool kentro2 = false;
    bool koryfi1 = false;
    bool koryfi2 = false;
    bool desmipigis = false;

    // The pointer shape the last mouse move asked for (Screen.MousePointer).
    int mousePointer() const { return mousePointer_; }

    // Where the wave point of ray i was after step k of the animation.
    static constexpr std::size_t kStepSlots = 1201; // steps 0..1200
    static std::size_t position(int i, int k) { return std::size_t(i) * kStepSlots + k; }
    std::vector<double> thesiX;
    std::vector<double> thesiY;
    int timer1Step() const { return timer1Step_; }
    int timer2Step() const { return timer2Step_; }

  protected:
    // Closing the workbench ends the program, as its "END" does.
    void closeRequested() override { host().endProgram(); }
    void redrawPicture() override;
    // A hidden workbench animates nothing: leaving it stops its animation.
    void hideEvent(QHideEvent* event) override;

  private:
    void createControls();
    void createScrollBars();
    void createTexts();
    void createMenus();
    void nameControls();
    void connectHandlers();

    void aktina1_Change();
    void aktina2_Change();
    void kentrokykloy_Change();
    void kentrokykloy2_Change();
    void deiktisdiathlasis_Change();
    void desmi1_Change();
    void arvimaton_Change();
    void HScroll1_Change();
    void VScroll1_Change();
    void VScroll2_Change();
    void Check1_Click();
    void Check2_Click();

    void sizeShapes();
    void writeRadius1();
    void writeRadius2();
    void writeCentre2();
    void writeIndex();
    void writeAngleStep();
    void copyGeometry();
    void showLens();
    void redrawLens();
    void redrawWithBundle();
    void writeRayCount();
    void placeDiaphragm();
    void sxediasidesmis(double angle);
    void traceBundleRay(double x0, double y0, double dx, double dy,
                        const optics::spherical::Diaphragm& stop);
    void drawFocalMarks(double f);
    void drawLensCircles();
    void fillLensBody();
    void clampBlades();
    void drawLensFaces();
    void startFan(double x, double y);
    void drawFan(double x, double y);
    void record(const RecordedWaves& recorded);
    void armAnimationMenus();
    void replayAnimation(WorkbenchPicture::Base animation, int steps);
    void stopAnimation();
    void armPointAnimation();
    void dropHandle(double x, double y);
    void dropUpperBlade(double x, double y);
    void tick(FormTimer& timer, int& step, WorkbenchPicture::Base animation);
    void advanceWaves(int k);
    void drawFront(int i, int step, canvas::Color color);
    optics::spherical::Diaphragm diaphragm() const;
    double index() const { return deiktisdiathlasis->value() / 100.0; }

    // The lens data: the lens as last drawn and the light last sent.
    void createLensData();
    optics::spherical::SphericalLens currentLens() const;
    void setDrawnLens();
    SentLight lightSent(const optics::lensdata::Light& light, int firstRecorded,
                        std::vector<optics::lensdata::RayStart> starts) const;
    void sendLight(std::optional<SentLight> light);
    std::vector<optics::lensdata::RayStart> fanStarts(double x, double y) const;

    optics::spherical::Poreiaaktinon& state_;
    int mousePointer_ = 0;
    bool fanDrawn_ = false; // the last press drew a fan, which its click keeps
    int recordedRays_ = 0;
    RecordedWaves recordedWaves_;
    double bundleAngleDeg_ = 0;
    WorkbenchPicture picture_;
    optics::spherical::SphericalLens drawnLens_;
    std::optional<SentLight> sentLight_;   // the light of the picture; none: the lens alone
    std::optional<SentLight> recordLight_; // the light whose waves the record holds
    int timer1Step_ = 0;                   // the step counters that survive between ticks
    int timer2Step_ = 0;
};

} // namespace windows
