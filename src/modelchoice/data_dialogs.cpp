// The fourteen heat-source data dialogs: one family, one procedure and one
// painting, differing only in the table below.
#include "modelchoice.h"

#include "captions.h"
#include "fonts.h"
#include "frame_globals.h"
#include "heatsource.h"
#include "msgbox.h"
#include "numfmt.h"

#include <array>
#include <cstddef>

namespace {

// How the messages name each parameter: its symbol and what it is.
const Text5 n_lambda{"λ, thermal conductivity", "λ, теплопроводность", "λ, теплопровідність",
                     "λ, Wärmeleitfähigkeit", "λ, conductivité thermique"};
const Text5 n_lambda1{"λ1, thermal conductivity of plate 1", "λ1, теплопроводность пластины 1",
                      "λ1, теплопровідність пластини 1", "λ1, Wärmeleitfähigkeit der Platte 1",
                      "λ1, conductivité thermique de la plaque 1"};
const Text5 n_lambda2{"λ2, thermal conductivity of plate 2", "λ2, теплопроводность пластины 2",
                      "λ2, теплопровідність пластини 2", "λ2, Wärmeleitfähigkeit der Platte 2",
                      "λ2, conductivité thermique de la plaque 2"};
const Text5 n_lambda_ph1{"λ1, thermal conductivity of phase 1", "λ1, теплопроводность фазы 1",
                         "λ1, теплопровідність фази 1", "λ1, Wärmeleitfähigkeit der Phase 1",
                         "λ1, conductivité thermique de la phase 1"};
const Text5 n_lambda_ph2{"λ2, thermal conductivity of phase 2", "λ2, теплопроводность фазы 2",
                         "λ2, теплопровідність фази 2", "λ2, Wärmeleitfähigkeit der Phase 2",
                         "λ2, conductivité thermique de la phase 2"};
const Text5 n_c{"c, specific heat", "c, удельная теплоёмкость", "c, питома теплоємність",
                "c, spezifische Wärme", "c, chaleur spécifique"};
const Text5 n_c1{"c1, specific heat of plate 1", "c1, удельная теплоёмкость пластины 1",
                 "c1, питома теплоємність пластини 1", "c1, spezifische Wärme der Platte 1",
                 "c1, chaleur spécifique de la plaque 1"};
const Text5 n_c2{"c2, specific heat of plate 2", "c2, удельная теплоёмкость пластины 2",
                 "c2, питома теплоємність пластини 2", "c2, spezifische Wärme der Platte 2",
                 "c2, chaleur spécifique de la plaque 2"};
const Text5 n_c_ph1{"c1, specific heat of phase 1", "c1, удельная теплоёмкость фазы 1",
                    "c1, питома теплоємність фази 1", "c1, spezifische Wärme der Phase 1",
                    "c1, chaleur spécifique de la phase 1"};
const Text5 n_c_ph2{"c2, specific heat of phase 2", "c2, удельная теплоёмкость фазы 2",
                    "c2, питома теплоємність фази 2", "c2, spezifische Wärme der Phase 2",
                    "c2, chaleur spécifique de la phase 2"};
const Text5 n_gamma{"γ, density", "γ, плотность", "γ, густина", "γ, Dichte", "γ, densité"};
const Text5 n_gamma1{"γ1, density of plate 1", "γ1, плотность пластины 1", "γ1, густина пластини 1",
                     "γ1, Dichte der Platte 1", "γ1, densité de la plaque 1"};
const Text5 n_gamma2{"γ2, density of plate 2", "γ2, плотность пластины 2", "γ2, густина пластини 2",
                     "γ2, Dichte der Platte 2", "γ2, densité de la plaque 2"};
const Text5 n_gamma_ph1{"γ1, density of phase 1", "γ1, плотность фазы 1", "γ1, густина фази 1",
                        "γ1, Dichte der Phase 1", "γ1, densité de la phase 1"};
const Text5 n_gamma_ph2{"γ2, density of phase 2", "γ2, плотность фазы 2", "γ2, густина фази 2",
                        "γ2, Dichte der Phase 2", "γ2, densité de la phase 2"};
const Text5 n_t0{"T0, initial temperature", "T0, начальная температура", "T0, початкова температура",
                 "T0, Anfangstemperatur", "T0, température initiale"};
const Text5 n_v{"v, welding speed", "v, скорость сварки", "v, швидкість зварювання",
                "v, Schweißgeschwindigkeit", "v, vitesse de soudage"};
const Text5 n_vx{"vx, welding speed", "vx, скорость сварки", "vx, швидкість зварювання",
                 "vx, Schweißgeschwindigkeit", "vx, vitesse de soudage"};
const Text5 n_vy{"vy, cross speed", "vy, скорость поперечных колебаний", "vy, швидкість поперечних коливань",
                 "vy, Quergeschwindigkeit", "vy, vitesse transversale"};
const Text5 n_a{"A, oscillation amplitude", "A, амплитуда колебаний", "A, амплітуда коливань",
                "A, Schwingungsamplitude", "A, amplitude d'oscillation"};
const Text5 n_delta{"δ, plate thickness", "δ, толщина пластины", "δ, товщина пластини", "δ, Plattendicke",
                    "δ, épaisseur de la plaque"};
const Text5 n_delta1{"δ1, thickness of plate 1", "δ1, толщина пластины 1", "δ1, товщина пластини 1",
                     "δ1, Dicke der Platte 1", "δ1, épaisseur de la plaque 1"};
const Text5 n_delta2{"δ2, thickness of plate 2", "δ2, толщина пластины 2", "δ2, товщина пластини 2",
                     "δ2, Dicke der Platte 2", "δ2, épaisseur de la plaque 2"};
const Text5 n_delta_c{"δc, layer thickness", "δc, толщина слоя", "δc, товщина шару", "δc, Schichtdicke",
                      "δc, épaisseur de la couche"};
const Text5 n_r_t{"RT, thermal resistance between the layers", "RT, термическое сопротивление между слоями",
                  "RT, термічний опір між шарами", "RT, Wärmewiderstand zwischen den Schichten",
                  "RT, résistance thermique entre les couches"};
const Text5 n_alpha{"α, heat-transfer coefficient", "α, коэффициент теплоотдачи", "α, коефіцієнт тепловіддачі",
                    "α, Wärmeübergangskoeffizient", "α, coefficient de transfert thermique"};
const Text5 n_q{"q, power", "q, мощность", "q, потужність", "q, Leistung", "q, puissance"};
const Text5 n_q1{"q1, pulse power", "q1, мощность импульса", "q1, потужність імпульсу", "q1, Impulsleistung",
                 "q1, puissance d'impulsion"};
const Text5 n_q2{"q2, pause power", "q2, мощность паузы", "q2, потужність паузи", "q2, Pausenleistung",
                 "q2, puissance de pause"};
const Text5 n_h1{"h1, width of plate 1", "h1, ширина пластины 1", "h1, ширина пластини 1",
                 "h1, Breite der Platte 1", "h1, largeur de la plaque 1"};
const Text5 n_h2{"h2, width of plate 2", "h2, ширина пластины 2", "h2, ширина пластини 2",
                 "h2, Breite der Platte 2", "h2, largeur de la plaque 2"};
const Text5 n_d{"d, width of the heating zone", "d, ширина зоны нагрева", "d, ширина зони нагріву",
                "d, Breite der Heizzone", "d, largeur de la zone de chauffage"};
const Text5 n_k{"k, concentration coefficient", "k, коэффициент сосредоточенности",
                "k, коефіцієнт зосередженості", "k, Konzentrationskoeffizient", "k, coefficient de concentration"};
const Text5 n_t_cycle{"t0, cycle time", "t0, время цикла", "t0, час циклу", "t0, Zykluszeit",
                      "t0, durée du cycle"};
const Text5 n_t_pulse{"tp, pulse time", "tp, время импульса", "tp, час імпульсу", "tp, Impulszeit",
                      "tp, durée d'impulsion"};
const Text5 n_delta_t{"Δt, position of the point in the cycle", "Δt, положение точки в цикле",
                      "Δt, положення точки в циклі", "Δt, Lage des Punktes im Zyklus",
                      "Δt, position du point dans le cycle"};
const Text5 n_kappa1{"κ1, volume share of phase 1", "κ1, объёмная доля фазы 1", "κ1, об'ємна частка фази 1",
                     "κ1, Volumenanteil der Phase 1", "κ1, fraction volumique de la phase 1"};
const Text5 n_kappa2{"κ2, volume share of phase 2", "κ2, объёмная доля фазы 2", "κ2, об'ємна частка фази 2",
                     "κ2, Volumenanteil der Phase 2", "κ2, fraction volumique de la phase 2"};

constexpr DataRule any = DataRule::any;
constexpr DataRule nonneg = DataRule::non_negative;
constexpr DataRule pos = DataRule::positive;

// Edits e, e+1, ... in value order, each in the legend row of its number.
std::vector<DataValue> rows_from(int first_edit, std::vector<DataValue> values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i].edit = first_edit + static_cast<int>(i);
        values[i].row = static_cast<int>(i) + 1;
    }
    return values;
}

// The three pulsed dialogs have the same values and defaults.
std::vector<DataValue> pulsed_values(int first_edit)
{
    return rows_from(first_edit, {
        {0, "legend_q1", 0, "5000.", nonneg, n_q1},
        {0, "legend_q2", 0, "2500.", nonneg, n_q2},
        {0, "legend_v", 0, "0.1", pos, n_v},
        {0, "legend_lambda", 0, "0.4", pos, n_lambda},
        {0, "legend_c", 0, "0.628", pos, n_c},
        {0, "legend_gamma", 0, "7.8", pos, n_gamma},
        {0, "legend_t_cycle", 0, "0.2", pos, n_t_cycle},
        {0, "legend_t_pulse", 0, "0.1", pos, n_t_pulse},
        {0, "legend_delta_t", 0, "0.05", nonneg, n_delta_t},
        {0, "legend_t0", 0, "20.", any, n_t0},
        {0, "legend_delta", 0, "1.", pos, n_delta},
    });
}

std::vector<DataDialog> make_dialogs()
{
    std::vector<DataDialog> d;
    d.push_back({1, "PPR1DATA", "PprBmp_1", 10082, 10081, 18, 2.5, false,
                 rows_from(10073, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "0.1", pos, n_v},
                     {0, "legend_delta", 0, "1.0", pos, n_delta},
                     {0, "legend_alpha", 0, "0.02", nonneg, n_alpha},
                     {0, "legend_q", 0, "800.0", nonneg, n_q},
                 })});
    // Layer thickness and resistance stand in swapped rows; a zero layer
    // thickness is the continuous body.
    d.push_back({2, "PPR2DATA", "PprBmp_2", 10096, 10095, 18, 3.0, false,
                 {
                     {10083, "legend_lambda", 1, "0.3", pos, n_lambda},
                     {10085, "legend_c", 2, "0.628", pos, n_c},
                     {10087, "legend_gamma", 3, "7.8", pos, n_gamma},
                     {10089, "legend_t0", 4, "20.0", any, n_t0},
                     {10091, "legend_v", 5, "0.1", pos, n_v},
                     {10092, "legend_delta_layer", 7, "1.0", nonneg, n_delta_c},
                     {10093, "legend_r_t", 6, "0.0", nonneg, n_r_t},
                     {10094, "legend_q", 8, "4500", nonneg, n_q},
                 }});
    d.push_back({3, "PPR3DATA", "PprBmp_3", 10109, 10108, 21, 3.0, false,
                 rows_from(10098, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "0.1", pos, n_v},
                     {0, "legend_delta", 0, "1.0", pos, n_delta},
                     {0, "legend_alpha", 0, "0.003", nonneg, n_alpha},
                     {0, "legend_r_t", 0, "0.0", nonneg, n_r_t},
                     {0, "legend_delta_layer", 0, "1.0", pos, n_delta_c},
                     {0, "legend_q", 0, "800.0", nonneg, n_q},
                 })});
    d.push_back({4, "PPR4DATA", "PprBmp_4", 10120, 10121, 21, 2.5, false,
                 rows_from(10110, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "0.1", pos, n_v},
                     {0, "legend_delta", 0, "0.6", pos, n_delta},
                     {0, "legend_alpha", 0, "0.0008", nonneg, n_alpha},
                     {0, "legend_h1", 0, "16.", pos, n_h1},
                     {0, "legend_h2", 0, "4.0", pos, n_h2},
                     {0, "legend_q", 0, "4500.0", nonneg, n_q},
                 })});
    d.push_back({5, "PPR5DATA", "PprBmp_5", 10134, 10135, 25, 2.5, false,
                 rows_from(10122, {
                     {0, "legend_lambda_plate1", 0, "0.3", pos, n_lambda1},
                     {0, "legend_lambda_plate2", 0, "0.628", pos, n_lambda2},
                     {0, "legend_c_plate1", 0, "0.2", pos, n_c1},
                     {0, "legend_c_plate2", 0, "0.5", pos, n_c2},
                     {0, "legend_gamma_plate1", 0, "7.8", pos, n_gamma1},
                     {0, "legend_gamma_plate2", 0, "2.6", pos, n_gamma2},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "0.2", pos, n_v},
                     {0, "legend_delta_plate1", 0, "1.0", pos, n_delta1},
                     {0, "legend_delta_plate2", 0, "2.0", pos, n_delta2},
                     {0, "legend_alpha", 0, "0.0000", nonneg, n_alpha},
                     {0, "legend_q", 0, "800.", nonneg, n_q},
                 })});
    d.push_back({6, "PPR9DATA", "PprBmp_9", 10206, 10207, 17, 3.0, false,
                 rows_from(10199, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.", any, n_t0},
                     {0, "legend_v", 0, "0.8", pos, n_v},
                     {0, "legend_d", 0, "0.8", pos, n_d},
                     {0, "legend_q", 0, "4500.0", nonneg, n_q},
                 })});
    d.push_back({7, "PPR10DATA", "PprBmp_10", 10218, 10219, 21, 3.0, false,
                 rows_from(10208, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v_x", 0, "0.28", pos, n_vx},
                     {0, "legend_delta", 0, "5.0", pos, n_delta},
                     {0, "legend_alpha", 0, "0.0003", nonneg, n_alpha},
                     {0, "legend_a", 0, "4.6", pos, n_a},
                     {0, "legend_v_y", 0, "7.0", pos, n_vy},
                     {0, "legend_q", 0, "4500.0", nonneg, n_q},
                 })});
    d.push_back({8, "PPR11DATA", "PprBmp_11", 10229, 10230, 19, 2.8, false,
                 rows_from(10220, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v_x", 0, "0.28", pos, n_vx},
                     {0, "legend_alpha", 0, "0.0003", nonneg, n_alpha},
                     {0, "legend_a", 0, "4.6", pos, n_a},
                     {0, "legend_v_y", 0, "7.0", pos, n_vy},
                     {0, "legend_q", 0, "4500.0", nonneg, n_q},
                 })});
    d.push_back({9, "PPR14DATA", "PprBmp_14", 10238, 10239, 18, 3.0, false,
                 rows_from(10231, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "0.3", pos, n_v},
                     {0, "legend_k", 0, "2.0", pos, n_k},
                     {0, "legend_q", 0, "10000.0", nonneg, n_q},
                 })});
    d.push_back({10, "PPR15DATA", "PprBmp_15", 10247, 10248, 18, 3.0, false,
                 rows_from(10240, {
                     {0, "legend_lambda", 0, "0.3", pos, n_lambda},
                     {0, "legend_c", 0, "0.628", pos, n_c},
                     {0, "legend_gamma", 0, "7.8", pos, n_gamma},
                     {0, "legend_t0", 0, "20.0", any, n_t0},
                     {0, "legend_v", 0, "10.0", pos, n_v},
                     {0, "legend_k", 0, "3.0", pos, n_k},
                     {0, "legend_q", 0, "4500.0", nonneg, n_q},
                 })});
    d.push_back({11, "ROM1DATA", "ROMBMP_1", 10260, 10261, 21, 2.5, true, pulsed_values(10249)});
    d.push_back({12, "ROM2DATA", "ROMBMP_2", 10273, 10274, 23, 2.5, true, pulsed_values(10262)});
    d.push_back({13, "ROM3DATA", "ROMBMP_3", 10287, 10288, 23, 2.5, true, pulsed_values(10275)});
    d.push_back({14, "CompDATA", "COMPBMP", 10301, 10302, 23, 2.5, false,
                 rows_from(10289, {
                     {0, "legend_lambda_phase1", 0, "0.44", pos, n_lambda_ph1},
                     {0, "legend_lambda_phase2", 0, "0.12", pos, n_lambda_ph2},
                     {0, "legend_c_phase1", 0, "0.22", pos, n_c_ph1},
                     {0, "legend_c_phase2", 0, "0.148", pos, n_c_ph2},
                     {0, "legend_gamma_phase1", 0, "2.700", pos, n_gamma_ph1},
                     {0, "legend_gamma_phase2", 0, "7.800", pos, n_gamma_ph2},
                     {0, "legend_kappa_phase1", 0, "0.75", nonneg, n_kappa1},
                     {0, "legend_kappa_phase2", 0, "0.25", nonneg, n_kappa2},
                     {0, "legend_t0", 0, "20", any, n_t0},
                     {0, "legend_v", 0, "6", pos, n_v},
                     {0, "legend_delta", 0, "0.1", pos, n_delta},
                     {0, "legend_q", 0, "3000.", nonneg, n_q},
                 })});
    return d;
}

const Text5 not_a_number{
    "The value of \"%s\" is not a number: \"%s\".\nPlease enter a number with a decimal point.",
    "Значение \"%s\" не является числом: \"%s\".\nВведите число с десятичной точкой.",
    "Значення \"%s\" не є числом: \"%s\".\nВведіть число з десятковою крапкою.",
    "Der Wert \"%s\" ist keine Zahl: \"%s\".\nBitte eine Zahl mit Dezimalpunkt eingeben.",
    "La valeur \"%s\" n'est pas un nombre : \"%s\".\nEntrez un nombre avec un point décimal.",
};
const Text5 not_positive{
    "The value of \"%s\" must be greater than zero.",
    "Значение \"%s\" должно быть больше нуля.",
    "Значення \"%s\" має бути більшим за нуль.",
    "Der Wert \"%s\" muss größer als null sein.",
    "La valeur \"%s\" doit être supérieure à zéro.",
};
const Text5 negative{
    "The value of \"%s\" must not be negative.",
    "Значение \"%s\" не может быть отрицательным.",
    "Значення \"%s\" не може бути від'ємним.",
    "Der Wert \"%s\" darf nicht negativ sein.",
    "La valeur \"%s\" ne doit pas être négative.",
};
const Text5 no_phase{
    "The volume shares \"%s\" and \"%s\" must not both be zero.",
    "Объёмные доли \"%s\" и \"%s\" не могут обе быть равны нулю.",
    "Об'ємні частки \"%s\" і \"%s\" не можуть обидві дорівнювати нулю.",
    "Die Volumenanteile \"%s\" und \"%s\" dürfen nicht beide null sein.",
    "Les fractions volumiques \"%s\" et \"%s\" ne doivent pas être nulles toutes les deux.",
};
const Text5 longer_than{
    "The value of \"%s\" must not be greater than the value of \"%s\".",
    "Значение \"%s\" не может быть больше значения \"%s\".",
    "Значення \"%s\" не може бути більшим за значення \"%s\".",
    "Der Wert \"%s\" darf nicht größer als der Wert \"%s\" sein.",
    "La valeur \"%s\" ne doit pas être supérieure à la valeur \"%s\".",
};
const Text5 message_caption{"  Attention!", "  Внимание!", "  Увага!", "  Achtung!", "  Attention !"};

const Text5 heading{
    "The thermal and physical characteristics of a material and mode of welding:",
    "Теплофизические характеристики материала и режим сварки:",
    "Теплофізичні характеристики матеріалу та режим зварювання:",
    "Die thermischen und physischen Charakteristiken des Materials und das Regime der Schweissung:",
    "Les caractéristiques thermiques et physiques de la matière et le régime de la soudure:",
};

// The footnote of the layered body, pieces 1, 4 and 6 (the others are the
// same in every language).
const Text5 footnote1{"in case R", "если R", "якщо R", "Im Fallese R", "Dans le casse R"};
const Text5 footnote4{" model of a continuous body(", " модель сплошного тела (", " модель суцільного тіла (",
                      " das Modell des ununterbrochenen Körpers(", " le modèle du corps total ("};
const Text5 footnote6{" anyone)", "любое)", " не має значення)", " beliebiges)", " n'importe)"};

// What a launcher hands its dialog: the number of values and where their
// texts live.
struct DataDialogRecord {
    int count = 0;
    std::vector<std::string>* texts = nullptr;
};

std::array<std::vector<std::string>, 15>& all_texts()
{
    static std::array<std::vector<std::string>, 15> texts;
    return texts;
}

std::vector<std::string>& texts_of(const DataDialog& dialog)
{
    std::vector<std::string>& t = all_texts()[static_cast<std::size_t>(dialog.scheme)];
    if (t.size() != dialog.values.size()) {
        t.clear();
        for (const DataValue& v : dialog.values) t.emplace_back(v.default_text);
    }
    return t;
}

void select_text_font(Canvas& dc, int height)
{
    text_font.height = height;
    text_font.escapement = 0;
    text_font.weight = 400;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    dc.select_font(text_font);
}

// The footnote of the layered body: "in case R_T = 0 - model of a continuous
// body (δ - anyone)", pieces strung along the row at 14 ch.
void draw_layer_footnote(Canvas& dc, int H, double x0, int ch)
{
    int cursor = 0;
    const int y = 14 * ch;
    auto piece = [&](FontRecord& font, const char* face, int height, int top, const char* text) {
        font.height = height;
        font.escapement = 0;
        font.weight = 400;
        font.face = face;
        if (&font == &text_font) font.charset = language_charset();
        dc.select_font(font);
        dc.text_out(static_cast<int>(x0 + cursor), top, text);
        cursor += dc.text_extent(text).cx;
    };
    piece(text_font, "Times New Roman", H * 5 / 6, y, pick(footnote1));
    piece(text_font, "Times New Roman", H * 3 / 5, static_cast<int>(14.5 * ch), "T");
    piece(symbol_font, "Symbol", H * 5 / 6, y, "= 0 -");
    piece(text_font, "Times New Roman", H * 5 / 6, y, pick(footnote4));
    piece(symbol_font, "Symbol", H * 5 / 6, y, "d -");
    piece(text_font, "Times New Roman", H * 5 / 6, y, pick(footnote6));
}

void paint_family(const DataDialog& d, Canvas* dc, Window* dlg)
{
    const Rect outer = get_window_rect(dlg);
    const int W = outer.width();
    const int G = outer.height();

    char line1[heat_text_size] = "";
    char line2[heat_text_size] = "";
    char line3[heat_text_size] = "";
    if (current_model.caption != nullptr) current_model.caption(line1, line2, line3);
    draw_scheme_picture(*dc, dlg, d.picture, line1, line2, line3, Rect{14, 25, 137, 118});

    // Legends, their stacked units and the footnote's pieces stand close
    // enough that an opaque cell would blank the ink of the line above.
    dc->set_background_color(Rgb{194, 194, 194});
    dc->set_background_mode(BackgroundMode::transparent);
    const int H = G / d.divisor_h;
    const double x0 = W / d.divisor_x;

    select_text_font(*dc, H);
    const Size s = dc->text_extent("S");
    const int cw = s.cx;
    const int ch = s.cy;

    select_text_font(*dc, d.pulsed ? G / 17 : static_cast<int>(1.2 * H));
    dc->set_text_color(Rgb{127, 0, 0});
    dc->text_out(3 * cw, static_cast<int>(0.5 * ch), pick(heading));
    if (d.pulsed) dc->set_text_color(Rgb{0, 0, 0});

    for (const DataValue& v : d.values) {
        const CaptionPainter painter = find_caption_painter(v.painter);
        if (painter == nullptr) continue;
        int cursor = 0;
        painter(*dc, 0.0, H, &cursor, x0, ch * (2 + 1.5 * (v.row - 1)), cw);
    }
    if (d.scheme == 2) draw_layer_footnote(*dc, H, x0, ch);
}

// The record of the dialog now open (the dialogs are modal: one at most).
DataDialogRecord* open_record = nullptr;

std::intptr_t data_dialog_proc(int scheme, Window* dlg, const Message& m)
{
    const DataDialog* found = find_data_dialog(scheme);
    if (found == nullptr) return 0;
    const DataDialog& d = *found;
    switch (m.msg) {
    case Msg::init_dialog: {
        open_record = reinterpret_cast<DataDialogRecord*>(m.param);
        // Closing the dialog by its title bar is its Cancel.
        set_dialog_cancel_id(dlg, d.cancel);
        const std::vector<std::string>& texts = texts_of(d);
        for (std::size_t i = 0; i < d.values.size(); ++i) set_item_text(dlg, d.values[i].edit, texts[i]);
        return 1;
    }
    case Msg::paint:
        if (Canvas* dc = begin_paint(dlg)) {
            paint_family(d, dc, dlg);
            end_paint(dlg);
        }
        return 0;
    case Msg::command:
        break;
    default:
        return 0;
    }
    if (m.wparam() == d.ok) {
        std::vector<std::string> entered;
        for (const DataValue& v : d.values) entered.push_back(get_item_text(dlg, v.edit));
        double values[scheme_parameter_max] = {};
        int failed = 0;
        const std::string message = read_data_values(d, entered, values, &failed);
        if (!message.empty()) {
            message_box(dlg, message, pick(message_caption), mb_iconwarning);
            set_item_focus(dlg, d.values[static_cast<std::size_t>(failed)].edit);
            return 1;
        }
        std::vector<std::string>& kept = open_record != nullptr && open_record->texts != nullptr
                                             ? *open_record->texts
                                             : texts_of(d);
        kept = std::move(entered);
        dialog_accepted = 1;
        if (current_model.set_data != nullptr) current_model.set_data(values);
        end_dialog(dlg, 1);
        return 1;
    }
    if (m.wparam() == d.cancel) {
        dialog_accepted = 0;
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

void show_data_dialog(int scheme, DialogProc proc)
{
    const DataDialog* d = find_data_dialog(scheme);
    if (d == nullptr) return;
    static DataDialogRecord record;
    record.count = static_cast<int>(d->values.size());
    record.texts = &texts_of(*d);
    current_dialog_proc = proc;
    const std::string name = std::string(d->stem) + language_suffix();
    dialog_box(name, main_window, proc, reinterpret_cast<std::intptr_t>(&record));
    open_record = nullptr;
}

} // namespace

const std::vector<DataDialog>& data_dialogs()
{
    static const std::vector<DataDialog> dialogs = make_dialogs();
    return dialogs;
}

const DataDialog* find_data_dialog(int scheme)
{
    for (const DataDialog& d : data_dialogs())
        if (d.scheme == scheme) return &d;
    return nullptr;
}

const std::vector<std::string>& data_dialog_texts(int scheme)
{
    static const std::vector<std::string> none;
    const DataDialog* d = find_data_dialog(scheme);
    return d != nullptr ? texts_of(*d) : none;
}

void reset_data_dialogs()
{
    for (std::vector<std::string>& t : all_texts()) t.clear();
}

std::string read_data_values(const DataDialog& dialog, const std::vector<std::string>& texts, double* values,
                             int* failed)
{
    auto fail = [failed](std::size_t index, std::string message) {
        if (failed != nullptr) *failed = static_cast<int>(index);
        return message;
    };
    std::vector<double> read(dialog.values.size(), 0.0);
    for (std::size_t i = 0; i < dialog.values.size(); ++i) {
        const DataValue& v = dialog.values[i];
        const std::string text = i < texts.size() ? texts[i] : std::string();
        const char* name = pick(v.name);
        if (!parse_double(text, read[i])) return fail(i, cformat(pick(not_a_number), name, text.c_str()));
        if (v.rule == DataRule::positive && !(read[i] > 0)) return fail(i, cformat(pick(not_positive), name));
        if (v.rule == DataRule::non_negative && read[i] < 0) return fail(i, cformat(pick(negative), name));
    }
    // A pulse is part of its cycle: a longer one would leave a pause of
    // negative length and reach past the moment the point is observed.
    if (dialog.pulsed && read.size() > 7 && read[7] > read[6])
        return fail(7, cformat(pick(longer_than), pick(dialog.values[7].name), pick(dialog.values[6].name)));
    // The composite plate is a mixture: the two shares weigh the phases'
    // properties, so both zero leaves nothing to divide by.
    if (dialog.scheme == 14 && read.size() > 7 && read[6] == 0 && read[7] == 0)
        return fail(6, cformat(pick(no_phase), pick(dialog.values[6].name), pick(dialog.values[7].name)));
    for (std::size_t i = 0; i < read.size(); ++i) values[i] = read[i];
    return {};
}

void paint_data_dialog(Canvas& dc, Window* dialog, int scheme)
{
    if (const DataDialog* d = find_data_dialog(scheme)) paint_family(*d, &dc, dialog);
}

const char* data_dialog_heading()
{
    return pick(heading);
}

bool show_scheme_data_dialog(int n)
{
    switch (n) {
    case 1: show_ppr1data_dialog(); return true;
    case 2: show_ppr2data_dialog(); return true;
    case 3: show_ppr3data_dialog(); return true;
    case 4: show_ppr4data_dialog(); return true;
    case 5: show_ppr5data_dialog(); return true;
    case 6: show_ppr9data_dialog(); return true;
    case 7: show_ppr10data_dialog(); return true;
    case 8: show_ppr11data_dialog(); return true;
    case 9: show_ppr14data_dialog(); return true;
    case 10: show_ppr15data_dialog(); return true;
    case 11: show_rom1data_dialog(); return true;
    case 12: show_rom2data_dialog(); return true;
    case 13: show_rom3data_dialog(); return true;
    case 14: show_compdata_dialog(); return true;
    default: return false;
    }
}

#define VELMARIN_DATA_DIALOG(stem, scheme)                                                   \
    std::intptr_t stem##data_dialog_proc(Window* dialog, const Message& message)            \
    {                                                                                       \
        return data_dialog_proc(scheme, dialog, message);                                   \
    }                                                                                       \
    void show_##stem##data_dialog() { show_data_dialog(scheme, stem##data_dialog_proc); }

VELMARIN_DATA_DIALOG(ppr1, 1)
VELMARIN_DATA_DIALOG(ppr2, 2)
VELMARIN_DATA_DIALOG(ppr3, 3)
VELMARIN_DATA_DIALOG(ppr4, 4)
VELMARIN_DATA_DIALOG(ppr5, 5)
VELMARIN_DATA_DIALOG(ppr9, 6)
VELMARIN_DATA_DIALOG(ppr10, 7)
VELMARIN_DATA_DIALOG(ppr11, 8)
VELMARIN_DATA_DIALOG(ppr14, 9)
VELMARIN_DATA_DIALOG(ppr15, 10)
VELMARIN_DATA_DIALOG(rom1, 11)
VELMARIN_DATA_DIALOG(rom2, 12)
VELMARIN_DATA_DIALOG(rom3, 13)
VELMARIN_DATA_DIALOG(comp, 14)
