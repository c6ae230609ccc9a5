#pragma once

#include "shell/setup.h"

namespace shell {

// The fields of a set-up file: their names (the controls' own names), the
// order in which they are written and the ranges of the integer controls.
// The writer and the reader both walk this one description, so the two
// cannot drift apart. A visitor v is called with each field in turn:
//
//   v.integer(name, value, min, max)  a control's integer value, min..max
//   v.number(name, value)             any finite number
//   v.choice(name, value, names)      one of a list of names
//   v.object(name, body)              a nested object; body() visits its fields
//   v.optionalPoint(name, point)      an object {x, y}, or no field at all
//   v.boolean(name, value)            true or false
//   v.points(name, points, most)      a list of at most most objects {x, y}
//
// S is the set-up or one of its parts, const when it is being written.

template <class E> struct SetupChoice {
    E value;
    const char* name;
};

inline constexpr SetupChoice<FrontWindow> kFrontWindows[] = {
    {FrontWindow::Lentoi, "lentoi"},
    {FrontWindow::Moniaktina, "moniaktina"},
    {FrontWindow::ElSahl, "ElSahl"},
};

inline constexpr SetupChoice<LentoiSetup::Drawing> kLentoiDrawings[] = {
    {LentoiSetup::Drawing::Lens, "lens"},
    {LentoiSetup::Drawing::Bundle, "bundle"},
    {LentoiSetup::Drawing::FanWaves, "fan waves"},
    {LentoiSetup::Drawing::BundleWaves, "bundle waves"},
};

inline constexpr SetupChoice<LentoiSetup::Recorded> kLentoiRecords[] = {
    {LentoiSetup::Recorded::Nothing, "nothing"},
    {LentoiSetup::Recorded::Fan, "fan"},
    {LentoiSetup::Recorded::Bundle, "bundle"},
};

inline constexpr SetupChoice<MoniaktinaSetup::Drawing> kMoniaktinaDrawings[] = {
    {MoniaktinaSetup::Drawing::Outline, "outline"},
    {MoniaktinaSetup::Drawing::Ray, "ray"},
};

inline constexpr SetupChoice<ElSahlSetup::Option> kElSahlOptions[] = {
    {ElSahlSetup::Option::kymataYESNO, "kymataYESNO"},
    {ElSahlSetup::Option::RAYSANDWAVES, "RAYSANDWAVES"},
    {ElSahlSetup::Option::onlyrays, "onlyrays"},
};

inline constexpr SetupChoice<ElSahlSetup::Lens> kElSahlLenses[] = {
    {ElSahlSetup::Lens::PlanoConvex, "plano-convex"},
    {ElSahlSetup::Lens::Biconvex, "biconvex"},
};

inline constexpr SetupChoice<ElSahlSetup::Drawing> kElSahlDrawings[] = {
    {ElSahlSetup::Drawing::Nothing, "nothing"},
    {ElSahlSetup::Drawing::Source, "source"},
    {ElSahlSetup::Drawing::Beam, "beam"},
};

// Colours are red + 256 * green + 65536 * blue.
inline constexpr int kLargestColor = 0xFFFFFF;

// Every fan is drawn again when a set-up is opened, a few milliseconds each
// at most: a file cannot ask for more than a few seconds of drawing.
inline constexpr int kMostFans = 1000;

template <class V, class S> void visitPoint(V& v, S& point) {
    v.number("x", point.x);
    v.number("y", point.y);
}

template <class V, class S> void visitBlade(V& v, S& blade) {
    v.number("x", blade.x);
    v.number("Y2", blade.Y2);
}

template <class V, class S> void visitLentoi(V& v, S& s) {
    v.integer("desmi1", s.desmi1, 2, 150);
    v.integer("deiktisdiathlasis", s.deiktisdiathlasis, 40, 250);
    v.integer("aktina2", s.aktina2, 0, 500);
    v.integer("aktina1", s.aktina1, 50, 500);
    v.integer("kentrokykloy", s.kentrokykloy, 0, 500);
    v.integer("kentrokykloy2", s.kentrokykloy2, -500, 0);
    v.integer("arvimaton", s.arvimaton, 5, 150);
    v.integer("HScroll1", s.HScroll1, -100, 100);
    v.integer("VScroll1", s.VScroll1, -100, 0);
    v.integer("VScroll2", s.VScroll2, 0, 100);
    v.integer("Check1", s.Check1, 0, 1);
    v.integer("Check2", s.Check2, 0, 1);
    v.object("Line1", [&] {
        visitBlade(v, s.Line1);
        v.integer("BorderColor", s.line1BorderColor, 0, kLargestColor);
    });
    v.object("Line2", [&] { visitBlade(v, s.Line2); });
    v.object("pigi", [&] { visitPoint(v, s.pigi); });
    v.number("bundleAngle", s.bundleAngleDeg);
    v.choice("drawn", s.drawn, kLentoiDrawings);
    v.integer("waveSteps", s.waveSteps, 0, LentoiSetup::kAnimationSteps);
    v.points("fans", s.fans, kMostFans);
    v.object("waveRecord", [&] {
        v.choice("of", s.recorded, kLentoiRecords);
        visitPoint(v, s.recordedFan);
    });
    v.boolean("lensData", s.lensData);
}

template <class V, class S> void visitMoniaktina(V& v, S& s) {
    v.integer("aktina1", s.aktina1, 50, 500);
    v.integer("aktina2", s.aktina2, 0, 500);
    v.integer("deiktisdiathlasis", s.deiktisdiathlasis, 40, 250);
    v.integer("kentrokykloy", s.kentrokykloy, 0, 500);
    v.optionalPoint("fos", s.fos);
    v.object("aim", [&] { visitPoint(v, s.aim); });
    v.choice("drawn", s.drawn, kMoniaktinaDrawings);
}

template <class V, class S> void visitEisagogiko(V& v, S& s) {
    v.integer("deiktissahl", s.deiktissahl, 100, 250);
}

template <class V, class S> void visitElSahl(V& v, S& s) {
    v.choice("option", s.option, kElSahlOptions);
    v.choice("lens", s.lens, kElSahlLenses);
    v.object("Line1", [&] { visitBlade(v, s.Line1); });
    v.object("Line2", [&] { visitBlade(v, s.Line2); });
    v.object("source", [&] { visitPoint(v, s.source); });
    v.number("beamAngle", s.beamAngleDeg);
    v.choice("drawn", s.drawn, kElSahlDrawings);
    v.boolean("waves", s.waves);
    v.boolean("lensData", s.lensData);
}

// Everything after the "format" field, which the reader checks first.
template <class V, class S> void visitSetup(V& v, S& s) {
    v.choice("front", s.front, kFrontWindows);
    v.object("lentoi", [&] { visitLentoi(v, s.lentoi); });
    v.object("moniaktina", [&] { visitMoniaktina(v, s.moniaktina); });
    v.object("eisagogiko", [&] { visitEisagogiko(v, s.eisagogiko); });
    v.object("ElSahl", [&] { visitElSahl(v, s.elSahl); });
}

} // namespace shell
