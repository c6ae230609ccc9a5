#pragma once

#include "optics/spherical/state.h"
#include "windows/common/controls.h"
#include "windows/common/formwindow.h"
#include "windows/common/timer.h"
#include "windows/lens_data/lensdatacontent.h"
#include "windows/wavefield/wavefieldlayer.h"
#include "windows/workbench/lentoisetup.h"
#include "windows/workbench/sentlight.h"
#include "windows/workbench/waveanimation.h"
#include "windows/workbench/workbenchpicture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <array>
#include <vector>

namespace windows {

// The glass's fill, which the wave field shows through.
inline constexpr canvas::Color kLensFill = canvas::RGB(220, 220, 195);

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

    // What the window shows, and the way to show a picture anew: each part
    // with the values it was drawn with, the lens and the diaphragm as the
    // controls have them now. A wave animation is drawn up to its steps at
    // once, without a timer.
    const WorkbenchPicture& picture() const { return picture_; }
    void drawPicture(const WorkbenchPicture& picture);

    // The window's state as one value, and the window set to one: its
    // controls take the values without running their handlers, and the
    // picture is drawn once, its wave record made anew (a set-up opened in
    // a program that never drew that record). Any animation stops, and the
    // wave menu that moves the record is the one enabled, as after the
    // drawing that recorded it.
    LentoiSetup setup() const;
    void apply(const LentoiSetup& setup);

    // The bundle's angle in degrees as typed; goniadesmis is that in radians.
    double bundleAngleDeg() const { return bundleAngleDeg_; }

    // The rays the workbench's wave record holds: its own count, whatever
    // the hyperbolic lenses have done to the shared counter since.
    int recordedRays() const { return recordedRays_; }

    // The tick work of the two timers; the platform timers call these, and
    // so may tests.
    void Timer1_Timer();
    void Timer2_Timer();
    // What one drawing tick at step k draws with the index n: the fronts of
    // every recorded ray and the lens faces over them.
    void drawAnimationStep(int k, double n);

    // Menu commands.
    void EPANALIPSI_Click();
    void parallilakymata_Click();
    void kymatachronika_Click();

    // Mouse events in the window's scale.
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void Form_Click();

    // The handles a press has taken, until its release drops them.
    struct Grips {
        bool diafragma1, diafragma2, kentro1, kentro2, koryfi1, koryfi2, desmipigis;
        bool operator==(const Grips&) const = default;
    };
    Grips grips() const {
        return {diafragma1, diafragma2, kentro1, kentro2, koryfi1, koryfi2, desmipigis};
    }
    // The bundle's direction in radians, as the bundle is drawn.
    double bundleAngle() const { return goniadesmis; }
    // The canvas controls the mouse moves: the blades, the source mark and
    // the left centre's mark.
    const canvas::LineControl& upperBlade() const { return Line1; }
    const canvas::LineControl& lowerBlade() const { return Line2; }
    const canvas::ShapeControl& sourceMark() const { return pigi; }
    const canvas::ShapeControl& leftCentreMark() const { return Shape1; }

    // The pointer shape the last mouse move asked for (Screen.MousePointer).
    int mousePointer() const { return mousePointer_; }

    // The wave animation: the places of the wave points and its step counters.
    const WaveAnimation& waveAnimation() const { return waves_; }
    int timer1Step() const { return waves_.step(WaveAnimation::Run::Fan); }
    int timer2Step() const { return waves_.step(WaveAnimation::Run::Bundle); }

    // The wave field behind the picture (F3).
    WaveFieldLayer& waveField() { return *waveField_; }
    const WaveFieldLayer& waveField() const { return *waveField_; }

  protected:
    // Closing the workbench ends the program, as its "END" does.
    void closeRequested() override { host().endProgram(); }
    void redrawPicture() override;
    // A hidden workbench animates nothing: leaving it stops its animation.
    void hideEvent(QHideEvent* event) override;

  private:
    // The controls, each named as on the form.
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

    void createWaveField();
    // The light the picture sent through the lens, as the wave field takes it.
    std::optional<optics::wavefield::Setup> waveFieldSetup() const;
    WaveFieldLayer* waveField_ = nullptr;

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

    // The scroll bars in the order of kLentoiBars.
    std::array<QScrollBar*, std::size(kLentoiBars)> bars() const;
    // Writes every text box and label from its scroll bar, and the lens
    // values that the bars' Change handlers set, for bars given their
    // values with their signals blocked.
    void showControlValues(bool aktina1Moved, bool aktina2Moved);
    void setBundleAngleDeg(double degrees);
    void placeBlades(const LentoiSetup& setup);
    void restorePicture(const WorkbenchPicture& picture, const WaveRecordContents& recorded);
    // What a drawing asked for now reads: the controls' values.
    WorkbenchDrawing controlValues() const;

    void sizeShapes();
    void writeRadius1(bool moved);
    void writeRadius2(bool moved);
    void writeCentre2();
    void copyGeometry();
    void showLens(const WorkbenchDrawing& drawnWith);
    void redrawLens();
    void redrawWithBundle();
    void writeRayCount();
    static double rayCount(double anglestep);
    double anglestepFor(int rays) const;
    static double anglestep(int rays, int multiplier);
    void placeDiaphragm();
    double bladeX(int value) const;
    double upperTipY(int value) const;
    double lowerTipY(int value) const;
    // The drawings, each with the values it is drawn with.
    void arxinizo(double n);
    void aktinaideal(double x00, double y00, double xa, double xb, double radius1, double radius2,
                     double n);
    void sxediasifakoy11(double n);
    void sxediasidesmis(double angle, const WorkbenchDrawing& drawing,
                        Recording recording = Recording::Kept);
    void traceBundleRay(double x0, double y0, double dx, double dy,
                        const optics::spherical::Diaphragm& stop, const WorkbenchDrawing& drawing);
    void drawFocalMarks(double f);
    void drawLensCircles();
    void fillLensBody();
    // What drawing the lens does besides drawing: the lens values from the
    // bars, and the blades pulled out of the glass (whose bars' handlers
    // draw the bundle).
    void takeLensValues(double n);
    void clampBlades();
    void drawLensFaces();
    void startFan(double x, double y);
    // The object arrow: placed or moved to its tip at (x, y), drawn over the
    // picture with its fan and image, and the lens data of it.
    void placeObject(double x, double y);
    void showObject(const FanSource& tip);
    bool onObjectTip(double x, double y) const;
    void addObjectData(LensDataContent& content) const;
    void drawFan(double x, double y, const WorkbenchDrawing& drawing);
    void record(const WaveRecordContents& recorded);
    void armAnimationMenus();
    void replayAnimation(const WorkbenchPicture& animation);
    void stopAnimation();
    void armPointAnimation();
    void dropHandle(double x, double y);
    void dropUpperBlade(double x, double y);
    void barsFollowBlades();
    void tick(FormTimer& timer, WaveAnimation::Run run, WorkbenchPicture::Base animation);
    optics::spherical::Diaphragm diaphragm() const;
    double index() const { return indexFor(deiktisdiathlasis->value()); }
    static double indexFor(int value) { return inUnits(value, lentoi_bars::deiktisdiathlasis); }

    // The lens data: the lens as last drawn and the light last sent.
    void createLensData();
    optics::spherical::SphericalLens currentLens() const;
    optics::spherical::SphericalLens lensWith(double n) const;
    void setDrawnLens();
    SentLight makeSentLight(const optics::lensdata::Light& light, int firstRecorded, int recordEnd,
                            std::vector<optics::lensdata::RayStart> starts, double n) const;
    void setPictureLight(std::optional<SentLight> light, Recording recording = Recording::Kept);
    void showRecordLight();
    std::vector<optics::lensdata::RayStart> fanStarts(double x, double y, double anglestep) const;

    optics::spherical::Poreiaaktinon& state_;
    int mousePointer_ = 0;
    bool fanDrawn_ = false;                // the last press drew a fan, which its click keeps
    bool objectDrag_ = false;              // the press took the object's tip
    std::optional<SentLight> objectLight_; // the fan from the object's tip
    int recordedRays_ = 0;
    WaveRecordContents recordContents_;
    double bundleAngleDeg_ = 0;
    bool aktina1Moved_ = false; // the bar's handler has written its text box
    bool aktina2Moved_ = false;
    WorkbenchPicture picture_;
    WorkbenchLensData lensData_;
    WaveAnimation waves_;
};

} // namespace windows
