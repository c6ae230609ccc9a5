#include "shell/eisagogiko.h"

#include "optics/hyperbolic/protosfakos.h"
#include "shell/application.h"
#include "windows/common/controls.h"
#include "windows/common/numbers.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/workbench/lentoi.h"

namespace shell {

namespace {

QPushButton* button(const QString& caption) {
    auto* command = new windows::WrappedButton(caption);
    command->setFont(windows::FormWindow::designerFont("Times New Roman", 7.5));
    return command;
}

} // namespace

Eisagogiko::Eisagogiko(Application& app) : FormWindow(app), app_(app) {
    setWindowTitle("CHOOSE  LENS");
    Command1 = button("Αμφίκυρτος ΥΠΕΡΒΟΛΙΚΟΣ BICONVEX HYPERBOLIC ");
    Command2 = button("Επιπεδόκυρτος ΥΠΕΡΒΟΛΙΚΟΣ PLANE CONVEX HYPERBOLIC");
    Command3 = button("ΣΦΑΙΡΙΚΟΙ ΦΑΚΟι SPHERICAL LENSES");
    deiktissahl = windows::makeScrollBar(Qt::Horizontal, kDeiktissahlBar);
    Label1 = windows::makeLabel("", designerFont("Arial", 8.25));
    windows::nameObjects({{Command1, "Command1"},
                          {Command2, "Command2"},
                          {Command3, "Command3"},
                          {deiktissahl, "deiktissahl"},
                          {Label1, "Label1"}});
    place(Command1, 120, 600, 2220, 855);
    place(Command2, 2280, 600, 2295, 855);
    place(Command3, 4680, 600, 2175, 855);
    place(deiktissahl, kDeiktissahlBar.left, kDeiktissahlBar.top, kDeiktissahlBar.width,
          kDeiktissahlBar.height);
    place(Label1, 3120, 2160, 1575, 735);
    setClientSizeTwips(7485, 5520);
    // Label1 has a TabIndex too, but a label never takes the focus.
    setTabIndexes({Command1, Command2, deiktissahl, Command3});
    windows::nameScrollBar(deiktissahl, "INDEX OF REFRACTION Δείκτης Διάθλασης",
                           windows::hundredths);
    onChange(deiktissahl, [this] { deiktissahl_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Eisagogiko::Form_Load() {
    app_.hyperbolic().nsahl = index();
    Label1->setText("INDEX OF REFRACTION Δείκτης Διάθλασης= " +
                    windows::formatTwoDecimals(index()));
}

void Eisagogiko::prepareAtStartup() {
    indexMoved_ = false;
    app_.hyperbolic().nsahl = index();
    Label1->setText("Index of Refraction n=" + windows::formatTwoDecimals(app_.hyperbolic().nsahl));
    app_.hyperbolic().nsahl = index();
}

void Eisagogiko::apply(const EisagogikoSetup& setup) {
    windows::setQuietly(deiktissahl, setup.deiktissahl);
    if (setup.deiktissahlMoved)
        deiktissahl_Change();
    else
        prepareAtStartup();
}

void Eisagogiko::deiktissahl_Change() {
    indexMoved_ = true;
    Label1->setText("INDEX  OF REFRACTION Δείκτης Διάθλασης= " +
                    windows::formatTwoDecimals(index()));
    app_.hyperbolic().nsahl = index();
    // The light Ibn Sahl's window shows went through the lens before.
    lensDataPanel(app_.elSahl())->renew();
}

void Eisagogiko::Command1_Click() {
    chooseLens(true);
}

void Eisagogiko::Command2_Click() {
    chooseLens(false);
}

void Eisagogiko::Command3_Click() {
    hide();
    app_.lentoi().Show();
}

void Eisagogiko::chooseLens(bool biconvex) {
    optics::hyperbolic::Protosfakos& lens = app_.hyperbolic();
    windows::ElSahl& window = app_.elSahl();
    window.sizeForLensChoice();
    window.Show();
    lens.monokymata = false;
    // An index of 1 gives a lens of no height (b = 0), as useless as one
    // below 1: both are refused with the same message.
    const std::optional<double> b = optics::hyperbolic::semiConjugateAxis(lens.nsahl);
    if (!b) {
        app_.dialogs().message(windows::ElSahl::invalidIndex());
        return;
    }
    lens.shared.pigiX = 9 * optics::hyperbolic::kSemiTransverse;
    lens.shared.pigiY = 25;
    // A new choice starts a new picture, whatever the window held before.
    window.showPointSource(biconvex, lens.shared.pigiX, lens.shared.pigiY);
    lens.amfikyrtos = biconvex;
}

} // namespace shell
