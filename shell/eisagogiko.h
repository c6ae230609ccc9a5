#pragma once

#include "shell/eisagogikosetup.h"
#include "windows/common/formwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace shell {

class Application;

// The lens choice: the index of Ibn Sahl's lens and the way to either
// hyperbolic lens or back to the spherical workbench. It draws nothing.
class Eisagogiko : public windows::FormWindow {
    Q_OBJECT
  public:
    explicit Eisagogiko(Application& app);

    void Form_Load();
    // Main's preparation once the workbench is shown.
    void prepareAtStartup();

    // The index as one value, and the index set to one, its label as the
    // start or the bar's handler writes it.
    EisagogikoSetup setup() const { return {deiktissahl->value(), indexMoved_}; }
    void apply(const EisagogikoSetup& setup);

    void deiktissahl_Change();
    void Command1_Click(); // "BICONVEX HYPERBOLIC"
    void Command2_Click(); // "PLANE CONVEX HYPERBOLIC"
    void Command3_Click(); // "SPHERICAL LENSES"

  protected:
    void closeRequested() override { Command3_Click(); }

  private:
    // The controls, each named as on the form.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QScrollBar* deiktissahl;
    QLabel* Label1;

    void chooseLens(bool biconvex);
    double index() const { return sahlIndex(deiktissahl->value()); }

    Application& app_;
    bool indexMoved_ = false; // the bar's handler has written Label1
};

} // namespace shell
