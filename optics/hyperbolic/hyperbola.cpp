#include "optics/hyperbolic/hyperbola.h"

#include <cmath>
#include <numbers>

namespace optics::hyperbolic {

namespace {

struct Roots {
    double larger;
    double smaller;
};

// Substituting y = m·x + q into x²/a² − y²/b² = 1 and multiplying by −b² gives
// A·x² + 2·B·x + K = 0 with A = m² − b²/a², B = m·q, K = q² + b², whose
// reduced discriminant B² − A·K simplifies to b²·((q² + b²)/a² − m²).
//
// (−B ± √D)/A loses every digit of the root that stays finite as A goes to 0
// (a line nearly parallel to an asymptote): −B and √D then cancel. Taking
// t = −B − sign(B)·√D, which adds two numbers of one sign, the roots are t/A
// and K/t, both to full precision. At A = 0 exactly (or when t/A lies beyond
// the doubles) the line meets the curve once, at K/t = −K/(2B).
std::optional<Roots> lineCrossings(double m, double q, double b, double a) {
    if (a == 0 || std::isnan(a)) {
        return std::nullopt;
    }
    const double A = m * m - b * b / (a * a);
    const double B = m * q;
    const double K = q * q + b * b;
    const double D = b * b * ((q * q + b * b) / (a * a) - m * m);
    if (!(D >= 0) || !std::isfinite(A) || !std::isfinite(B) || !std::isfinite(D)) {
        return std::nullopt;
    }
    const double t = B > 0 ? -B - std::sqrt(D) : -B + std::sqrt(D);
    if (t == 0) {
        return std::nullopt; // B = D = 0: the asymptote itself, which never meets its curve
    }
    const double near = K / t;
    const double far = t / A;
    if (!std::isfinite(near)) {
        return std::nullopt;
    }
    if (!std::isfinite(far)) {
        return Roots{near, near};
    }
    return near > far ? Roots{near, far} : Roots{far, near};
}

} // namespace

std::optional<double> semiConjugateAxis(double n) {
    if (!(12 * n > 12) || !std::isfinite(n)) {
        return std::nullopt;
    }
    return 12 * std::sqrt(n * n - 1);
}

double focalDistance(double a, double b) {
    return std::sqrt(a * a + b * b);
}

double edgeHeight(double b) {
    return std::sqrt(15.0) * b;
}

std::optional<double> toksoSahl(double s) {
    if (s > -1 && s < 1) {
        return std::atan(s / std::sqrt(1 - s * s));
    }
    if (s == 1 || s == -1) {
        return s * std::numbers::pi / 2;
    }
    return std::nullopt;
}

double apostasiSahl(double x1, double y1, double x2, double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

std::optional<double> tomiMegali(double m, double q, double b, double a) {
    const auto roots = lineCrossings(m, q, b, a);
    if (!roots) {
        return std::nullopt;
    }
    return roots->larger;
}

std::optional<double> tomiMikri(double m, double q, double b, double a) {
    const auto roots = lineCrossings(m, q, b, a);
    if (!roots) {
        return std::nullopt;
    }
    return roots->smaller;
}

double branchHeight(double x, double a, double b) {
    const double root = x * x / (a * a) - 1;
    return root > 0 ? b * std::sqrt(root) : 0.0;
}

double branchX(double y, double a, double b) {
    if (y == 0) {
        return a;
    }
    return a * std::sqrt(1 + (y / b) * (y / b));
}

std::optional<double> branchSlope(double x, double y, double a, double b) {
    const double root = x * x / (a * a) - 1;
    if (!(root > 0)) {
        return std::nullopt;
    }
    const double s = b * x / (a * a * std::sqrt(root));
    return y > 0 ? s : -s;
}

} // namespace optics::hyperbolic
