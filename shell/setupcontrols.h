#pragma once

// What the set-up's fields are on the windows: shared by the capture and the
// application of a set-up, so that the two cannot drift apart.

#include "shell/setup.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <utility>

namespace shell::controls {

template <class Window, class Control, class Values> struct Field {
    Control* Window::*control;
    int Values::*value;
};

inline constexpr Field<windows::Lentoi, QScrollBar, LentoiSetup> kLentoiBars[] = {
    {&windows::Lentoi::desmi1, &LentoiSetup::desmi1},
    {&windows::Lentoi::deiktisdiathlasis, &LentoiSetup::deiktisdiathlasis},
    {&windows::Lentoi::aktina2, &LentoiSetup::aktina2},
    {&windows::Lentoi::aktina1, &LentoiSetup::aktina1},
    {&windows::Lentoi::kentrokykloy, &LentoiSetup::kentrokykloy},
    {&windows::Lentoi::kentrokykloy2, &LentoiSetup::kentrokykloy2},
    {&windows::Lentoi::arvimaton, &LentoiSetup::arvimaton},
    {&windows::Lentoi::HScroll1, &LentoiSetup::HScroll1},
    {&windows::Lentoi::VScroll1, &LentoiSetup::VScroll1},
    {&windows::Lentoi::VScroll2, &LentoiSetup::VScroll2},
};

inline constexpr Field<windows::Lentoi, QCheckBox, LentoiSetup> kLentoiChecks[] = {
    {&windows::Lentoi::Check1, &LentoiSetup::Check1},
    {&windows::Lentoi::Check2, &LentoiSetup::Check2},
};

inline constexpr Field<windows::Moniaktina, QScrollBar, MoniaktinaSetup> kMoniaktinaBars[] = {
    {&windows::Moniaktina::aktina1, &MoniaktinaSetup::aktina1},
    {&windows::Moniaktina::aktina2, &MoniaktinaSetup::aktina2},
    {&windows::Moniaktina::deiktisdiathlasis, &MoniaktinaSetup::deiktisdiathlasis},
    {&windows::Moniaktina::kentrokykloy, &MoniaktinaSetup::kentrokykloy},
};

inline constexpr std::pair<QRadioButton * windows::ElSahl::*, ElSahlSetup::Option>
    kElSahlOptions[] = {
        {&windows::ElSahl::kymataYESNO, ElSahlSetup::Option::kymataYESNO},
        {&windows::ElSahl::RAYSANDWAVES, ElSahlSetup::Option::RAYSANDWAVES},
        {&windows::ElSahl::onlyrays, ElSahlSetup::Option::onlyrays},
};

// The same choice as the window and as the set-up name it.
template <class InWindow, class InSetup> struct Same {
    InWindow window;
    InSetup setup;
};

inline constexpr Same<windows::WorkbenchPicture::Base, LentoiSetup::Drawing> kWorkbenchBases[] = {
    {windows::WorkbenchPicture::Base::Lens, LentoiSetup::Drawing::Lens},
    {windows::WorkbenchPicture::Base::ParallelBundle, LentoiSetup::Drawing::Bundle},
    {windows::WorkbenchPicture::Base::FanWaves, LentoiSetup::Drawing::FanWaves},
    {windows::WorkbenchPicture::Base::BundleWaves, LentoiSetup::Drawing::BundleWaves},
};

inline constexpr Same<windows::RecordedWaves::Kind, LentoiSetup::Recorded> kRecords[] = {
    {windows::RecordedWaves::Kind::Nothing, LentoiSetup::Recorded::Nothing},
    {windows::RecordedWaves::Kind::Fan, LentoiSetup::Recorded::Fan},
    {windows::RecordedWaves::Kind::Bundle, LentoiSetup::Recorded::Bundle},
};

inline constexpr Same<windows::SahlPicture::Drawing, ElSahlSetup::Drawing> kSahlDrawings[] = {
    {windows::SahlPicture::Drawing::Nothing, ElSahlSetup::Drawing::Nothing},
    {windows::SahlPicture::Drawing::PointSource, ElSahlSetup::Drawing::Source},
    {windows::SahlPicture::Drawing::Beam, ElSahlSetup::Drawing::Beam},
};

// Every table holds every value of both enumerations (the round-trip tests
// see to it), so the first row is never the answer by default.
template <class W, class S, std::size_t N> S inSetup(W value, const Same<W, S> (&table)[N]) {
    for (const Same<W, S>& row : table)
        if (row.window == value)
            return row.setup;
    return table[0].setup;
}

template <class W, class S, std::size_t N> W inWindow(S value, const Same<W, S> (&table)[N]) {
    for (const Same<W, S>& row : table)
        if (row.setup == value)
            return row.window;
    return table[0].window;
}

} // namespace shell::controls
