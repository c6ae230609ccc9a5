#pragma once

#include "optics/spherical/state.h"
#include "optics/spherical/tracer.h"
#include "windows/common/controls.h"
#include "windows/common/formwindow.h"
#include "windows/single_ray/moniaktinasetup.h"
#include "windows/single_ray/singleraypicture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <optional>

namespace windows {

// The single-ray window: one spherical lens whose first circle is centred at
// the origin, and one ray aimed with the mouse.
class Moniaktina : public FormWindow {
    Q_OBJECT
  public:
    Moniaktina(Host& host, optics::spherical::Poreiaaktinon& state);

    void Form_Load();

    // The workbench's "AKTINA RAY", step 1: the window takes the whole screen
    // and the scale centred on it.
    void sizeToScreen();

    // Public operations.
    void sxediasifakoy(double radius1, double radius2, double xa, double xb);
    void miaaktina(double xam1, double yam1, double xam2, double yam2);

    // The lens of the bars' values without a ray, and the ray the window
    // aims when it loads.
    void redrawOutline();
    void aimFirstRay();
    // The same drawn with the index bar at indexValue, the bar left as it is.
    void redrawOutline(int indexValue);
    void sxediasifakoy(double radius1, double radius2, double xa, double xb, int indexValue);
    void miaaktina(double xam1, double yam1, double xam2, double yam2, double n);

    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void Command1_Click();

    // The centre of the source mark, where every ray starts.
    canvas::UserPoint sourceCentre() const;

    // What the window shows, and the way to show a picture anew from the
    // lens's scroll bars' current values and the index it was drawn with.
    const SingleRayPicture& picture() const { return picture_; }
    void drawPicture(const SingleRayPicture& picture);

    // The window's state as one value, and the window set to one: the
    // bars take the values without running their handlers, and the
    // picture is drawn once.
    MoniaktinaSetup setup() const;
    void apply(const MoniaktinaSetup& setup);

    // The source mark the mouse moves.
    const canvas::ShapeControl& sourceMark() const { return fos; }

  protected:
    // Closing the window goes back to the workbench, as "Πίσω" does.
    void closeRequested() override { Command1_Click(); }
    void redrawPicture() override;

  private:
    // The controls, each named as on the form.
    QScrollBar* aktina1;
    QScrollBar* aktina2;
    QScrollBar* deiktisdiathlasis;
    QScrollBar* kentrokykloy;
    QLineEdit* Text2;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QPushButton* Command1;
    canvas::ShapeControl& fos;

    // The source mark on the designer's layout: its corner and its side.
    static constexpr double kMarkLeftTwips = 1080;
    static constexpr double kMarkTopTwips = 2160;
    static constexpr double kMarkSizeTwips = 135;

    // The source mark at its place on the designer's layout, and whether a
    // corner of the mark lies there (to a thousandth of a pixel).
    void placeSourceAtLayout();
    double markSidePx() const;
    bool isLayoutPlace(double left, double top) const;
    // Writes every text box from its scroll bar, as the bars' Change
    // handlers do, for bars given their values with their signals blocked.
    void showControlValues(bool indexMoved);
    void writeIndex(bool moved);
    // The scroll bars in the order of kMoniaktinaBars.
    std::array<QScrollBar*, std::size(kMoniaktinaBars)> bars() const;

    void createScrollBars();
    void createTexts();
    void nameControls();
    void connectHandlers();

    void aktina1_Change();
    void aktina2_Change();
    void kentrokykloy_Change();
    void deiktisdiathlasis_Change();
    void writeLensTexts();

    // Clears the picture, draws the aiming line from the source to (x, y)
    // and the ray that it aims.
    void aimAt(double x, double y, int indexValue);
    void adoptLens(const optics::spherical::SphericalLens& lens);
    void drawFaces(const optics::spherical::SphericalLens& lens, double h);
    void drawFocalMarks(double xr);
    void drawRimMarks(double xr, double h);
    double index() const { return indexFor(deiktisdiathlasis->value()); }
    static double indexFor(int value) { return inUnits(value, moniaktina_bars::deiktisdiathlasis); }

    // F2's panel: the angles of the ray drawn at each face it meets.
    void createAnglesPanel();
    void setDrawn(std::optional<optics::spherical::SingleRayPath> ray, double n);

    optics::spherical::Poreiaaktinon& state_;
    SingleRayPicture picture_;
    // The index the picture was drawn with and the path of its ray, if any.
    double drawnIndex_ = 0;
    std::optional<optics::spherical::SingleRayPath> drawnRay_;
    bool indexMoved_ = false; // the index bar's handler has written Text2
};

} // namespace windows
