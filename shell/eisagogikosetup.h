#pragma once

#include "windows/common/setupvalues.h"

namespace shell {

// The lens choice's index bar as the designer left it.
inline constexpr windows::BarDesign kDeiktissahlBar{100, 250,  1,    20,  150,
                                                    360, 2280, 2535, 375, 100};

// The index of refraction the bar's value stands for: it holds hundredths.
constexpr double sahlIndex(int deiktissahl) {
    return deiktissahl / 100.0;
}

struct EisagogikoSetup {
    int deiktissahl = kDeiktissahlBar.value;
    // The bar's handler writes Label1 otherwise than the start does: the
    // label shows whether the bar has moved.
    bool deiktissahlMoved = false;

    bool operator==(const EisagogikoSetup&) const = default;
};

} // namespace shell
