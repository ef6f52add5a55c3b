#include "cooling_reports.h"
#include "model.h"

#include <algorithm>
#include <cmath>

#include "numfmt.h"

namespace {

// The search behind the source ends this far back (cm).
constexpr double rear_search_length = 8000;

const Text5 speed_text{"The welding speed must be positive: v=%g",
                       "Скорость сварки должна быть положительной: v=%g",
                       "Швидкість зварювання повинна бути додатною: v=%g",
                       "Die Schweissgeschwindigkeit muss positiv sein: v=%g",
                       "La vitesse de soudure doit être positive: v=%g"};
const Text5 power_text{"The source power must be positive: q=%g",
                       "Мощность источника должна быть положительной: q=%g",
                       "Потужність джерела повинна бути додатною: q=%g",
                       "Die Leistung der Quelle muss positiv sein: q=%g",
                       "La puissance de la source doit être positive: q=%g"};
const Text5 not_finite_text{"The temperature at the point (y=%.5g z=%.5g [cm]) is not a finite number",
                            "Температура в точке (y=%.5g z=%.5g [cm]) не является конечным числом",
                            "Температура в точці (y=%.5g z=%.5g [cm]) не є скінченним числом",
                            "Die Temperatur im Punkt (y=%.5g z=%.5g [cm]) ist keine endliche Zahl",
                            "La température au point (y=%.5g z=%.5g [cm]) n'est pas un nombre fini"};
const char* const peak_text = "Maximum temperature=%g at y=%.5g z=%.5g [cm]";
const Text5 not_cooled_text{
    "The point (y=%.5g z=%.5g [cm]) does not cool to %g [C deg.] within %g cm behind the source",
    "Точка (y=%.5g z=%.5g [cm]) не остывает до %g [C deg.] на расстоянии %g см за источником",
    "Точка (y=%.5g z=%.5g [cm]) не охолоджується до %g [C deg.] на відстані %g см за джерелом",
    "Der Punkt (y=%.5g z=%.5g [cm]) kühlt nicht auf %g [C deg.] ab (gesucht bis %g cm hinter der Quelle)",
    "Le point (y=%.5g z=%.5g [cm]) ne refroidit pas jusqu'à %g [C deg.] à moins de %g cm derrière la source"};
const Text5 unresolved_text{
    "The temperatures %g and %g [C deg.] are passed at the same place x=%g [cm]",
    "Температуры %g и %g [C deg.] достигаются в одном и том же месте x=%g [cm]",
    "Температури %g і %g [C deg.] досягаються в одному й тому самому місці x=%g [cm]",
    "Die Temperaturen %g und %g [C deg.] werden an derselben Stelle x=%g [cm] erreicht",
    "Les températures %g et %g [C deg.] sont atteintes au même endroit x=%g [cm]"};

// The reasons of the note, each with at most one "%g".
const Text5 gap_peak{"peak below %g °C", "максимальная температура ниже %g °C",
                     "максимальна температура нижче %g °C", "Höchsttemperatur unter %g °C",
                     "température maximale inférieure à %g °C"};
const Text5 gap_not_cooled{"no cooling to %g °C", "нет охлаждения до %g °C", "немає охолодження до %g °C",
                           "keine Abkühlung auf %g °C", "pas de refroidissement jusqu'à %g °C"};
const Text5 gap_speed{"welding speed not positive", "скорость сварки не положительна",
                      "швидкість зварювання не додатна", "Schweißgeschwindigkeit nicht positiv",
                      "vitesse de soudage non positive"};
const Text5 gap_power{"power not positive", "мощность не положительна", "потужність не додатна",
                      "Leistung nicht positiv", "puissance non positive"};
const Text5 gap_not_finite{"temperature not a finite number", "температура не является конечным числом",
                           "температура не є скінченним числом", "Temperatur keine endliche Zahl",
                           "température non finie"};
const Text5 gap_unresolved{"cooling interval too narrow to resolve", "интервал охлаждения слишком узок",
                           "інтервал охолодження занадто вузький", "Abkühlintervall zu schmal",
                           "intervalle de refroidissement trop étroit"};

// The lead of the note and the count of one reason (reason, count, points).
const Text5 gap_lead{"Not plotted: ", "Не построено: ", "Не побудовано: ", "Nicht dargestellt: ",
                     "Non tracé : "};
const Text5 gap_count{"%s at %d of %d points", "%s (точек: %d из %d)", "%s (точок: %d з %d)",
                      "%s bei %d von %d Punkten", "%s pour %d des %d points"};

const Text5 thickness_text{
    "The heat-source scheme is a body without a plate thickness: the dependence on plate thickness "
    "cannot be drawn",
    "Схема источника тепла — тело без толщины пластины: зависимость от толщины пластины не строится",
    "Схема джерела тепла — тіло без товщини пластини: залежність від товщини пластини не будується",
    "Das Wärmequellenschema ist ein Körper ohne Plattendicke: die Abhängigkeit von der Plattendicke "
    "kann nicht dargestellt werden",
    "Le schéma de la source de chaleur est un corps sans épaisseur de plaque : la dépendance de "
    "l'épaisseur de la plaque ne peut pas être tracée"};

}  // namespace

std::string cooling_failure_text(const CoolingTime& c, double y, double z)
{
    switch (c.status) {
    case CoolingStatus::reached: return {};
    case CoolingStatus::speed_not_positive: return cformat(pick(speed_text), c.v);
    case CoolingStatus::power_not_positive: return cformat(pick(power_text), c.q);
    case CoolingStatus::not_finite: return cformat(pick(not_finite_text), y, z);
    case CoolingStatus::peak_below: return cformat(peak_text, c.t_max, y, z);
    case CoolingStatus::not_cooled:
        return cformat(pick(not_cooled_text), y, z, c.not_cooled_to, rear_search_length);
    case CoolingStatus::interval_unresolved:
        return cformat(pick(unresolved_text), c.T_from, c.T_to, c.x_from);
    }
    return {};
}

void SweepGaps::leave_out(const CoolingTime& c)
{
    switch (c.status) {
    case CoolingStatus::reached: return;
    case CoolingStatus::speed_not_positive: leave_out(gap_speed); return;
    case CoolingStatus::power_not_positive: leave_out(gap_power); return;
    case CoolingStatus::not_finite: leave_out(gap_not_finite); return;
    case CoolingStatus::peak_below: leave_out(gap_peak, std::max(c.T_from, c.T_to)); return;
    case CoolingStatus::not_cooled: leave_out(gap_not_cooled, c.not_cooled_to); return;
    case CoolingStatus::interval_unresolved: leave_out(gap_unresolved); return;
    }
}

void SweepGaps::leave_out(const Text5& reason, double value)
{
    for (Reason& r : reasons_) {
        if (r.text == &reason && (r.value == value || (std::isnan(r.value) && std::isnan(value)))) {
            ++r.count;
            return;
        }
    }
    reasons_.push_back(Reason{&reason, value, 1});
}

int SweepGaps::left_out() const
{
    int n = 0;
    for (const Reason& r : reasons_) n += r.count;
    return n;
}

std::string SweepGaps::note() const
{
    if (reasons_.empty()) return {};
    std::string line = pick(gap_lead);
    for (std::size_t i = 0; i < reasons_.size(); ++i) {
        const Reason& r = reasons_[i];
        if (i > 0) line += "; ";
        const std::string reason = cformat(pick(*r.text), r.value);
        line += cformat(pick(gap_count), reason.c_str(), r.count, points_);
    }
    return line;
}

int draw_sweep_gap_note(Canvas& dc, const SweepGaps& gaps, int left, int right, int y)
{
    const std::string line = gaps.note();
    if (line.empty()) return y;
    const Size size = dc.text_extent(line);
    dc.text_out(left + std::max(0, (right - left - size.cx) / 2), y, line);
    return y + size.cy;
}

bool scheme_has_thickness()
{
    if (current_model.thickness == nullptr) return false;
    const double d = current_model.thickness();
    return std::isfinite(d) && d > 0;
}

const char* no_thickness_text() { return pick(thickness_text); }

const char* welding_speed_text() { return pick(speed_text); }
