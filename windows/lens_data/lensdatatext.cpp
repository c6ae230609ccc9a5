#include "windows/lens_data/lensdatatext.h"

#include "windows/common/numbers.h"

#include <QLocale>

#include <cmath>
#include <numbers>

namespace windows {

namespace ld = optics::lensdata;

namespace {

const QString kNone = QStringLiteral("—");

// Two decimals; what rounds to zero shows as 0,00, not as −0,00.
QString number(double value) {
    if (!std::isfinite(value))
        return kNone;
    return formatTwoDecimals(std::abs(value) < 0.005 ? 0.0 : value);
}

// A point as (x; y) where the locale writes decimals with a comma, else as
// (x, y), so that the separator never reads as a decimal one.
QString point(double x, double y) {
    const QString separator = QLocale().decimalPoint() == QStringLiteral(",") ? "; " : ", ";
    return "(" + number(x) + separator + number(y) + ")";
}

QString waves(double value) {
    return number(value) + " λ";
}

// What the rays of the light are and how many of them left the lens; the
// numbers of the light describe the lens it went through.
void addLight(LensDataContent& content, const ld::Light& light, const ld::BeamData& beam,
              SinceLight since) {
    if (since == SinceLight::LensChanged)
        content.rows.push_back(
            {"Φως πριν αλλάξει ο φακός  Light sent before the lens changed", QString()});
    if (const auto* source = std::get_if<ld::PointSource>(&light)) {
        content.rows.push_back({"Σημειακή πηγή  Point source", point(source->x, source->y)});
    } else {
        const auto& parallel = std::get<ld::ParallelBeam>(light);
        // The angle with the horizontal, as both windows ask for it.
        const double degrees = std::atan(parallel.dy / parallel.dx) * 180 / std::numbers::pi;
        content.rows.push_back({"Παράλληλη δέσμη  Parallel beam", number(degrees) + "°"});
    }
    content.rows.push_back({"Ακτίνες  Rays", formatWhole(beam.rays)});
}

void addAxialFoci(LensDataContent& content, const ld::AxialFoci& foci) {
    const auto shown = [](const std::optional<double>& value) {
        return value ? number(*value) : kNone;
    };
    content.rows.push_back({"Παραξονική εστία  Paraxial focus", shown(foci.paraxialFocus)});
    content.rows.push_back({"Περιθωριακή εστία M  Marginal focus M", shown(foci.marginalFocus)});
    content.rows.push_back(
        {"Σφαιρική εκτροπή  Spherical aberration", shown(foci.sphericalAberration)});
    if (foci.marginalFocus)
        content.marks.push_back({LensDataMark::Kind::AxisTick, *foci.marginalFocus, 0, 0, "M"});
}

void addSpot(LensDataContent& content, const std::optional<ld::Spot>& spot) {
    if (!spot) {
        content.rows.push_back({"Ελάχιστη κηλίδα  Smallest spot", kNone});
        return;
    }
    QString place = point(spot->x, spot->y);
    if (spot->kind == ld::SpotKind::Virtual)
        place = "φανταστική virtual " + place;
    else if (spot->kind == ld::SpotKind::AtInfinity)
        place = "στο άπειρο at infinity";
    content.rows.push_back({"Ελάχιστη κηλίδα  Smallest spot", place});
    content.rows.push_back({"Διάμετρος κηλίδας  Spot diameter", number(spot->diameter)});
    if (spot->kind != ld::SpotKind::AtInfinity)
        content.marks.push_back(
            {LensDataMark::Kind::SpotRing, spot->x, spot->y, spot->diameter, QString()});
}

void addWavefront(LensDataContent& content, const std::optional<ld::WavefrontError>& error,
                  double wavelength) {
    content.rows.push_back({"Μήκος κύματος  Wavelength λ", number(wavelength)});
    if (!error) {
        content.rows.push_back({"Σφάλμα μετώπου  Wave-front error", kNone});
        return;
    }
    content.rows.push_back(
        {"Σφάλμα μετώπου P-V  Wave-front error P-V", waves(error->peakToValley)});
    content.rows.push_back({"Σφάλμα μετώπου RMS  Wave-front error RMS", waves(error->rms)});
    content.rows.push_back(
        {"Κριτήριο Rayleigh  Rayleigh's criterion",
         error->withinQuarterWave ? "εντός λ/4 within λ/4" : "εκτός λ/4 beyond λ/4"});
}

void addThickLens(LensDataContent& content, const ld::ThickLens& lens) {
    content.rows.push_back({"Πάχος  Thickness", number(lens.thickness)});
    if (!lens.foci) {
        content.rows.push_back({"Χωρίς ισχύ, χωρίς εστίες  No power, no foci", QString()});
        return;
    }
    const ld::ThickLens::Foci& foci = *lens.foci;
    content.rows.push_back({"Εστιακή απόσταση  Focal length f", number(foci.focalLength)});
    content.rows.push_back(
        {"Πίσω εστιακή απόσταση  Back focal length", number(foci.backFocalLength)});
    content.rows.push_back(
        {"Εμπρός εστιακή απόσταση  Front focal length", number(foci.frontFocalLength)});
    content.rows.push_back({"Κύριο επίπεδο H  Principal plane H", number(foci.frontPrincipal)});
    content.rows.push_back({"Κύριο επίπεδο H′  Principal plane H′", number(foci.backPrincipal)});
    content.marks.push_back({LensDataMark::Kind::AxisTick, foci.frontFocus, 0, 0, "F"});
    content.marks.push_back({LensDataMark::Kind::AxisTick, foci.backFocus, 0, 0, "F′"});
}

const LensDataRow kRule;
const LensDataRow kNoLens{"Δεν υπάρχει φακός  No lens", QString()};

} // namespace

LensDataContent sphericalLensDataContent(const ld::SphericalLensData& data,
                                         const std::optional<ld::Light>& light, SinceLight since,
                                         double wavelength) {
    LensDataContent content;
    if (!data.lens) {
        content.rows.push_back(kNoLens);
        return content;
    }
    addThickLens(content, *data.lens);
    const auto& thin = data.thinLensFocalLength;
    content.rows.push_back({"Λεπτός φακός f  Thin-lens f", thin ? number(*thin) : kNone});
    content.rows.push_back(kRule);
    if (!light) {
        content.rows.push_back({"Δεν στάλθηκε φως  No light sent through", QString()});
        return content;
    }
    addLight(content, *light, data.beam, since);
    if (data.axialFoci)
        addAxialFoci(content, *data.axialFoci);
    addSpot(content, data.beam.spot);
    const auto& image = data.idealImage;
    content.rows.push_back(
        {"Ιδανικό είδωλο  Ideal image", image ? point(image->x, image->y) : kNone});
    addWavefront(content, data.beam.wavefront, wavelength);
    return content;
}

void addObjectContent(LensDataContent& content, optics::Point tip,
                      const std::optional<ld::ObjectImage>& image,
                      const std::optional<ld::Spot>& spot) {
    using Kind = ld::ObjectImage::Kind;
    content.rows.push_back(kRule);
    content.rows.push_back({"Αντικείμενο  Object", point(tip.x, tip.y)});
    if (!image || image->kind == Kind::NoFoci) {
        content.rows.push_back({"Χωρίς εστίες, χωρίς είδωλο  No foci, no image", QString()});
    } else if (image->kind == Kind::InLens) {
        content.rows.push_back(
            {"Το αντικείμενο είναι μέσα στο γυαλί  The object is inside the glass", QString()});
    } else {
        content.rows.push_back(
            {"Απόσταση αντικειμένου s  Object distance s", number(image->objectDistance)});
        if (image->kind == Kind::AtInfinity) {
            content.rows.push_back(
                {"Απόσταση ειδώλου s′  Image distance s′", "στο άπειρο at infinity"});
            content.rows.push_back({"Μεγέθυνση m  Magnification m", kNone});
        } else {
            content.rows.push_back(
                {"Απόσταση ειδώλου s′  Image distance s′", number(image->imageDistance)});
            content.rows.push_back({"Μεγέθυνση m  Magnification m", number(image->magnification)});
            const QString kind =
                image->kind == Kind::Real ? "πραγματικό real " : "φανταστικό virtual ";
            content.rows.push_back(
                {"Είδωλο  Image", kind + point(image->imageTip.x, image->imageTip.y)});
        }
    }
    if (!spot || spot->kind == ld::SpotKind::AtInfinity) {
        content.rows.push_back(
            {"Οι ακτίνες συναντώνται  The rays meet", spot ? "στο άπειρο at infinity" : kNone});
        return;
    }
    const QString place = point(spot->x, spot->y);
    content.rows.push_back(
        {"Οι ακτίνες συναντώνται  The rays meet",
         spot->kind == ld::SpotKind::Virtual ? "φανταστικά virtual " + place : place});
    content.rows.push_back({"Διάμετρος εκεί  Diameter there", number(spot->diameter)});
    content.marks.push_back(
        {LensDataMark::Kind::SpotRing, spot->x, spot->y, spot->diameter, QString()});
}

namespace {

QString angle(double degrees) {
    return number(degrees) + "°";
}

// The crossing's number ties its rows to its mark on the drawing.
void addCrossing(LensDataContent& content, int index, const optics::spherical::FaceCrossing& c) {
    const QString label = c.intoGlass
                              ? QStringLiteral("Έδρα %1, αέρας → γυαλί  Face %1, air → glass")
                              : QStringLiteral("Έδρα %1, γυαλί → αέρας  Face %1, glass → air");
    content.rows.push_back({QString::number(index) + ". " + label.arg(c.face), point(c.x, c.y)});
    content.rows.push_back({"Γωνία πρόσπτωσης  Angle of incidence", angle(c.incidenceDeg)});
    content.rows.push_back(
        {"Γωνία διάθλασης  Angle of refraction",
         c.refractionDeg ? angle(*c.refractionDeg)
                         : QStringLiteral("ολική εσωτερική ανάκλαση  total internal reflection")});
    content.marks.push_back(
        {LensDataMark::Kind::Normal, c.x, c.y, 0, QString::number(index), c.normalX, c.normalY});
}

} // namespace

LensDataContent rayAnglesContent(double n,
                                 const std::optional<optics::spherical::SingleRayPath>& ray) {
    LensDataContent content;
    content.rows.push_back({"Δείκτης διάθλασης  Index of refraction n", number(n)});
    const std::optional<double> critical = optics::spherical::criticalAngleDeg(n);
    content.rows.push_back({"Κρίσιμη γωνία  Critical angle", critical ? angle(*critical) : kNone});
    content.rows.push_back(kRule);
    if (!ray) {
        content.rows.push_back({"Δεν σχεδιάστηκε ακτίνα  No ray drawn", QString()});
        return content;
    }
    if (ray->crossings.empty())
        content.rows.push_back(
            {"Η ακτίνα δεν συναντά τον φακό  The ray does not meet the lens", QString()});
    for (std::size_t i = 0; i < ray->crossings.size(); ++i) {
        if (i > 0)
            content.rows.push_back(kRule);
        addCrossing(content, static_cast<int>(i) + 1, ray->crossings[i]);
    }
    return content;
}

LensDataContent sahlLensDataContent(const ld::BeamData& data, const std::optional<ld::Light>& light,
                                    SinceLight since, double wavelength) {
    LensDataContent content;
    if (!light) {
        content.rows.push_back(kNoLens);
        return content;
    }
    addLight(content, *light, data, since);
    addSpot(content, data.spot);
    addWavefront(content, data.wavefront, wavelength);
    return content;
}

} // namespace windows
