// The schemes' summary and caption texts in the five languages, and the
// installation of each scheme's texts, panel and thermal-cycle window next
// to its operations.
#include "scheme_views.h"

#include "heat_text.h"
#include "numfmt.h"
#include "schemes.h"
#include "temperature_windows.h"

namespace {

// By scheme number.
const SchemeView scheme_views[15] = {
    {},
    /* 1 */ {ppr1_summary, ppr1_caption, ppr1_draw_panel},
    /* 2 */ {ppr2_summary, ppr2_caption, ppr2_draw_panel},
    /* 3 */ {ppr3_summary, ppr3_caption, ppr3_draw_panel},
    /* 4 */ {ppr4_summary, ppr4_caption, ppr4_draw_panel},
    /* 5 */ {ppr5_summary, ppr5_caption, ppr5_draw_panel},
    /* 6 */ {ppr9_summary, ppr9_caption, ppr9_draw_panel},
    /* 7 */ {ppr10_summary, ppr10_caption, ppr10_draw_panel},
    /* 8 */ {ppr11_summary, ppr11_caption, ppr11_draw_panel},
    /* 9 */ {ppr14_summary, ppr14_caption, ppr14_draw_panel},
    /* 10 */ {ppr15_summary, ppr15_caption, ppr15_draw_panel},
    /* 11 */ {rom1_summary, rom1_caption, rom1_draw_panel},
    /* 12 */ {rom2_summary, rom2_caption, rom2_draw_panel},
    /* 13 */ {rom3_summary, rom3_caption, rom3_draw_panel},
    /* 14 */ {comp_summary, comp_caption, comp_draw_panel},
};

// The thermal-cycle window of each family of schemes.
WindowRoutine cycle_of(SchemeFamily family)
{
    switch (family) {
    case SchemeFamily::quasi_stationary: return thermal_cycle_window;
    case SchemeFamily::oscillating: return oscillating_thermal_cycle_window;
    case SchemeFamily::pulsed: return pulse_thermal_cycle_window;
    case SchemeFamily::composite: return composite_thermal_cycle_window;
    }
    return nullptr;
}

}  // namespace

const SchemeView* scheme_view(int n)
{
    if (n < 1 || n > 14) return nullptr;
    return &scheme_views[n];
}

bool install_scheme(int n)
{
    const std::optional<SchemeFamily> family = scheme_family(n);
    if (!family || !install_scheme_operations(n)) return false;
    HeatSourceModel& m = current_model;
    m.summary = scheme_views[n].summary;
    m.caption = scheme_views[n].caption;
    m.draw_panel = scheme_views[n].draw_panel;
    m.cycle_routine = cycle_of(*family);
    return true;
}

namespace {

void install_start_views()
{
    HeatSourceModel& m = current_model;
    m.summary = scheme_views[2].summary;
    m.caption = scheme_views[2].caption;
    m.cycle_routine = thermal_cycle_window;
}

}  // namespace

void install_start_scheme()
{
    install_start_operations();
    install_start_views();
    current_model.draw_panel = scheme_views[2].draw_panel;
}

void reinstall_start_scheme()
{
    reinstall_start_operations();
    install_start_views();
}

// ---------------------------------------------------------------------------
// Scheme 1: thin plate

void ppr1_summary(char* line1, char* line2, char* title)
{
    const Ppr1Parameters& p = scheme_state.ppr1.parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
    case Language::german:
        put_text(line1, cformat("Тпров=%g, Темк=%g, плотн=%g, Тс=%g,", p.lambda, p.c, p.rho, p.T0));
        put_text(line2, cformat(" V=%g, s=%g, Тотд=%g, q=%g", p.v, p.delta, p.alpha, p.q));
        break;
    case Language::english:
    case Language::french:   // French has no lines of its own: the English ones
        put_text(line1, cformat("Thermal conductivity=%g, W/cm*deg; Heat capacity=%g, J/gram*deg; "
                                "Density=%g, gram/cm^3; To=%g, C;",
                                p.lambda, p.c, p.rho, p.T0));
        put_text(line2, cformat("V=%g, cm/s; Plate thickness=%g, cm; Thermal contact Res=%g; "
                                "P=%g, W; Pl=%g, J/сm; Ps=%g, J/сm^2.",
                                p.v, p.delta, p.alpha, p.q, p.q / p.v, p.q / p.v / p.delta));
        break;
    }
    put_text(title, pick(Text5{"1. Welding of thin plate", "1. Сварка тонкой пластины",
                               "1. Зварювання тонкої пластини",
                               "1. Die Schweissung der feinen Platte",
                               "1. La soudure de la plaque fine"}));
}

void ppr1_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"1. Welding of", "1. Сварка ", "1.Зварювання", "1. Die Schweissung", "1. La soudure"},
                {"thin", "тонкой", "тонкої", "der feinen", "de la plaque"},
                {"plate", "пластины", "пластини", "Platte", "fine"});
}

// ---------------------------------------------------------------------------
// Scheme 2: semi-infinite, optionally multi-layer body

void ppr2_summary(char* line1, char* line2, char* title)
{
    const Ppr2Parameters& p = scheme_state.ppr2.parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
    case Language::german:
        put_text(line1, cformat("Тпров=%g, Темк=%g, плотн=%g, Тс=%g,", p.lambda, p.c, p.rho, p.T0));
        put_text(line2, cformat(" V=%g, s=%g, Тотд=%g, q=%g", p.v, p.R_T, p.q, p.q / p.v));
        break;
    case Language::english:
    case Language::french:   // French has no lines of its own: the English ones
        put_text(line1, cformat("Thermal conductivity=%g, [W/cm*deg]; Heat capacity=%g, "
                                "[J/gram*deg]; Density=%g, [gram/cm^3]; Initial t=%g, [C]",
                                p.lambda, p.c, p.rho, p.T0));
        put_text(line2, cformat(" V=%g, [cm/s]; Thermal contact resistence=%g, [cm^2*deg/W], "
                                "W=%g, [W]; Linear W=%g, [J/cm].",
                                p.v, p.R_T, p.q, p.q / p.v));
        break;
    }
    if (p.R_T == 0) {
        put_text(title, pick(Text5{"2. Welding of semiinfinite body",
                                   "2. Сварка полубесконечного тела",
                                   "2. Зварювання напівнескінченого тіла",
                                   "2. Die Schweissung des halbunendlichen Körpers",
                                   "2. La soudure du corps semi-infini"}));
    } else {
        put_text(title, pick(Text5{"2. Welding of semiinfinite multi-layer body",
                                   "2. Сварка полубесконечного многослойного тела",
                                   "2. Зварювання напівнескінченого багатошарового тіла",
                                   "2. Die Schweissung des halbunendlichen Blätterkörpers",
                                   "2. La soudure du corps semi-infini feuilleté"}));
    }
}

void ppr2_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"2.Welding of", "2.Сварка", "2. Зварювання", "2.Die Schweissung", "2.La soudure"},
                {"semiinfinite", "полубесконечного", "напівнескінченого", "des halbunendlichen",
                 "du corps semi-infini"},
                {"multi-layer body", "многослойного тела", "багатошарового тіла", "Blätterkörpers",
                 "feuilleté"});
}

// ---------------------------------------------------------------------------
// Scheme 3: multi-layer plate

void ppr3_summary(char* line1, char* line2, char* title)
{
    const Ppr3Parameters& p = scheme_state.ppr3.parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
        put_text(line1, cformat("Тпров=%g, Темк=%g, плотн=%g, Тс=%g,", p.lambda, p.c, p.rho, p.T0));
        put_text(line2, cformat(" V=%g, s=%g, Тотд=%g, q=%g", p.v, p.delta, p.alpha, p.q));
        break;
    case Language::english:
    case Language::german:
    case Language::french:
        put_text(line1, cformat("Thermal conductivity=%g, W/cm*deg; Heat capacity=%g, J/g*deg; "
                                "Density=%g, g/cm^3; To=%g, C, V=%g, cm/s",
                                p.lambda, p.c, p.rho, p.T0, p.v));
        put_text(line2, cformat("Plate thickness=%g, cm; Heat transfer=%g, W/(cm^2*deg);  P=%g, W, "
                                "Pl=%g, J/cm; P=%g, J/cm^2.",
                                p.delta, p.alpha, p.q, p.q / p.v, p.q / p.v / p.delta));
        break;
    }
    put_text(title, pick(Text5{"3. Multi-layer homogeneous plate",
                               "3. Многослойная однородная пластина",
                               "3. Багатошарова однорідна пластина",
                               "3. Blätter- gleichartigen Platten",
                               "3. Plaques feuilletées homogènes"}));
}

void ppr3_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"3. Multi-layer", "3.Сварка", "3.Зварювання", "3. Blätter- gleichartigen",
                 "3. Plaques"},
                {"homogeneous", "многослойной", "багатошарової", "Platten", "feuilletées"},
                {"plate", "однородной пластины", "однорідної пластини", " ", "homogènes"});
}

// ---------------------------------------------------------------------------
// Scheme 4: two plates of different width

void ppr4_summary(char* line1, char* line2, char* title)
{
    const Ppr4Parameters& p = scheme_state.ppr4.parameters;
    put_text(line1, cformat("conductivity=%g, capacity=%g, density=%g, Тo=%g", p.lambda, p.c, p.rho,
                            p.T0));
    put_text(line2, cformat(" V=%g, thickness=%g, contact resistence=%g, h1=%g, h2=%g, q=%g", p.v,
                            p.delta, p.alpha, p.h1, p.h2, p.q));
    put_text(title, pick(Text5{"4. Welding of two homogeneous plates of various width",
                               "4.Сварка двух однородных пластин различной ширины",
                               "4.Зварювання двох однорідних пластин різної ширини",
                               "4. Die Schweissung zwei gleichartiger Platten verschiedener Breite",
                               "4. La soudure de deux plaques homogènes de la largeur diverse"}));
}

void ppr4_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"4. Welding of", "4.Сварка двух", "4.Зварювання двох", "4.Die Schweissung",
                 "4.La soudure de deux"},
                {"two homogeneous", "однородных пластин", "однорідних пластин",
                 "zwei gleichartiger Platten", "plaques homogènes"},
                {"plates of various width", "различной ширины", "різної ширини",
                 "verschiedener Breite", "de la largeur diverse"});
}

// ---------------------------------------------------------------------------
// Scheme 5: two dissimilar plates

void ppr5_summary(char* line1, char* line2, char* title)
{
    const Ppr5Parameters& p = scheme_state.ppr5.parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
        put_text(line1,
                 cformat("Тпров=%g, Темк=%g, плотн=%g, Тс=%g,", p.lambda1, p.c1, p.rho1, p.T0));
        put_text(line2, cformat(" V=%g, s=%g, Тотд=%g, q=%g", p.v, p.delta1, p.alpha, p.q));
        break;
    case Language::english:
    case Language::german:
    case Language::french:
        put_text(line1, cformat("Conductiv: c1=%g, c2=%g; Capacity: g1=%g, g1=%g; "
                                "Density: g1=%g, g1=%g;",
                                p.lambda1, p.lambda2, p.c1, p.c2, p.rho1, p.rho2));
        put_text(line2, cformat(" Initial t=%g,Thickness: d1=%g, d2=%g; Resistance=%g, Power=%g",
                                p.T0, p.delta1, p.delta2, p.alpha, p.q));
        break;
    }
    put_text(title, pick(Text5{"5. Welding two heterogenious plates",
                               "5. Сварка двух разнородных пластин",
                               "5. Зварювання двох разнорідних пластин",
                               "5. Die Schweissung zwei ungleichartiger Platten",
                               "5. La soudure de deux plaques diverses"}));
}

void ppr5_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"5. Welding two", "5. Сварка двух", "5.Зварювання двох", "5. Die Schweissung zwei",
                 "5.La soudure"},
                {"heterogenious ", "разнородных", "разнорідних", "ungleichartiger",
                 "de deux plaques"},
                {"plates", "пластин", "пластин", "Platten", "diverses"});
}

// ---------------------------------------------------------------------------
// Scheme 6: strip electrode on a massive body

void ppr9_summary(char* line1, char* line2, char* title)
{
    const Ppr9Parameters& p = scheme_state.ppr9.parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g,",
                            p.lambda, p.c, p.rho, p.T0));
    put_text(line2, cformat(" V=%g, half width of strip=%g, Power=%g", p.v, p.B, p.q));
    put_text(title, pick(Text5{"6. Surfacing by strip electrodes of a massive body",
                               "6. Наплавка ленточным электродом массивного тела",
                               "6. Наплавка стручковим електродом масивного тіла",
                               "6. Auftragschweißen von der Bandelektrode des massiven Körpers",
                               "6. Rechargement par l'électrode à bandes du corps massif"}));
}

void ppr9_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"6.Surfacing by strip", "6.Наплавка ", "6.Наплавка стручковим",
                 "6.Auftragschweißen von", "6.Rechargement par"},
                {"electrodes", "ленточным электродом", "електродом", "der Bandelektrode",
                 "l'électrode à bandes"},
                {"of a massive body", "массивного тела", "масивного тіла", "des massiven Körpers",
                 "du corps massif"});
}

// ---------------------------------------------------------------------------
// Scheme 7: oscillating electrode on a plate

void ppr10_summary(char* line1, char* line2, char* title)
{
    const Ppr10Parameters& p = scheme_state.ppr10.parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g,",
                            p.lambda, p.c, p.rho, p.T0));
    put_text(line2, cformat(" Vx=%g, Thickness=%g; resistance=%g, amplitude=%g; Vy=%g; Power=%g",
                            p.v_x, p.delta, p.alpha, p.A, p.v_y, p.q));
    put_text(title,
             pick(Text5{"7. Surfacing of plate by oscillating electrode",
                        "7. Наплавка пластины источником совершающим пилообразные колебания",
                        "7. Наплавка пластини джерелом з пилковими коливаннями",
                        " 7. Auftragschweißen der Platte von der Quelle begehend die "
                        "sägezahnförmigen Schwingungen ",
                        "7. Rechargement de la plaque par la source faisant les hésitations en "
                        "forme de scie"}));
}

void ppr10_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"7. Surfacing", "7.Наплавка пластины,", "7.Наплавка пластини",
                 " 7. Auftragschweißen der Platte", "7. Rechargement de la plaque par"},
                {"of plate  by", "пилообразные", "джерелом з", "von der Quelle begehend ",
                 "la source faisant"},
                {"oscillating electrodes", "колебания источника", "пилковими коливаннями",
                 "die sägezahnförmigen Schwingungen", "les hésitations en forme de scie"});
}

// ---------------------------------------------------------------------------
// Scheme 8: oscillating electrode on a massive body

void ppr11_summary(char* line1, char* line2, char* title)
{
    const Ppr11Parameters& p = scheme_state.ppr11.parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g,",
                            p.lambda, p.c, p.rho, p.T0));
    put_text(line2, cformat(" Vx=%g, resistance=%g, amplitude=%g; Vy=%g; Power=%g", p.v_x,
                            p.alpha, p.A, p.v_y, p.q));
    put_text(title,
             pick(Text5{"8. Surfacing of body by oscillating electrode",
                        "8. Наплавка массивного тела источником совершающим пилообразные "
                        "колебания",
                        "8. Наплавка масивного тіла джерелом пилкових коливань",
                        " 8. Auftragschweißen des massiven Körpers von der Quelle begehend die "
                        "sägezahnförmigen Schwingungen ",
                        "8. Rechargement du corps massif par la source faisant les hésitations "
                        "en forme de scie"}));
}

void ppr11_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"8.Surfacing of", "8.Наплавка массивно-", "Наплавка масивного",
                 " 8. Auftragschweißen des massiven Körpers", "8. Rechargement du corps massif"},
                {"body by saw-tooth", "го тела, пилообразные", "тіла джерелом з",
                 "von der Quelle begehend ", "par la source faisant"},
                {"oscillating electrode", "колебания источника", "пилковими коливаннями",
                 "die sägezahnförmigen Schwingungen", "les hésitations en forme de scie"});
}

// ---------------------------------------------------------------------------
// Scheme 9: deep penetration by a line source

void ppr14_summary(char* line1, char* line2, char* title)
{
    const Ppr14Parameters& p = scheme_state.ppr14.parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g;",
                            p.lambda, p.c, p.rho, p.T0));
    put_text(line2, cformat(" V=%g; f -concentration coef=%g; Power=%g.", p.v, p.f, p.q));
    put_text(title,
             pick(Text5{"9.EBW of solid body with deep penetration by line heat source",
                        "9. Сварка массивного тела с глубоким проплавлением",
                        "9. Зварювання масивного тіла з глибоким проплавленям",
                        "9. Die Schweissung des massiven Körpers der feinen mit dem tiefen Eindringen",
                        "9. La soudure du corps massif avec la pénétration profonde"}));
}

void ppr14_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"9. EBW of solid body", "9.Сварка массивного", "9.Зварювання масивного",
                 "9.Die Schweissung des ", "9.La soudure du corps"},
                {"with deep penetration", "тела с глубоким ", "тіла з глибоким",
                 "massiven Körpers feinen", "massif avec la"},
                {"by line heat source", "проплавлением", "проплавленям", "mit tiefen Eindringen",
                 "pénétration profonde"});
}

// ---------------------------------------------------------------------------
// Scheme 10: normal-circular source on a massive body

void ppr15_summary(char* line1, char* line2, char* title)
{
    const Ppr15Parameters& p = scheme_state.ppr15.parameters;
    put_text(line1, cformat("Thermal conductivity=%g; Heat capacity=%g; Density=%g; Initial t=%g,",
                            p.lambda, p.c, p.rho, p.T0));
    // One text for every language: German and French have none of their own.
    put_text(line2, cformat(" V=%g, Сoncentration coef=%g, Power=%g", p.v, p.k, p.q));
    put_text(title, pick(Text5{
        "10. Welding a massive body by a normal - circular source",
        "10. Сварка массивного тела нормально-круговым источником",
        "10. Зварювання масивного тіла нормально-круговым джерелом",
        "10. Die Schweissung des massiven Körpers von der normalen - kreisförmigen Quelle",
        "10. La soudure du corps massif par la source normale - circulaire"}));
}

void ppr15_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"10.Welding a massive", "10.Сварка массивного", "10.Зварювання масивного",
                 "10.Die Schweissung des", "10.La soudure corps"},
                {"body by a normal-", "тела нормально-", "тіла нормально-",
                 "massiven Körpers von der", "massif par la source"},
                {"circular source", "круговым источником", "круговым джерелом",
                 "normalen-kreisförmigen Quelle", "normale-circulaire"});
}

// ---------------------------------------------------------------------------
// Scheme 11: pulsed source on a massive body

void rom1_summary(char* line1, char* line2, char* title)
{
    const PulseParameters& p = scheme_state.rom1.parameters;
    put_text(line1, cformat("Wmax=%g, Wmin=%g, velocity=%g, conductivity=%g, Heat capasity=%g,",
                            p.q1, p.q2, p.v, p.lambda, p.c));
    // The time shown is the one the last computed cycle was observed at.
    put_text(line2, cformat(" density=%g, t0=%g, tp=%g, t=%g, Ti=%g", p.rho, p.t_cycle,
                            p.t_pulse, scheme_state.rom1.pulse.t_now, p.T0));
    put_text(title, pick(Text5{"11. Welding a massive body by a pulse source",
                               "11.Сварка массивного тела импульсным источником",
                               "11.Зварювання масивного тіла імпульсним джерелом",
                               "11.Die Impulsquelle, den halbunendlichen Körper",
                               "11. La soudure du corps massif par la source d'impulsion"}));
}

void rom1_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"11.Welding a ", "11.Сварка массивного", "11.Зварювання", "11.Die Schweissung",
                 "11.La soudure du "},
                {"massive body by", "тела импульсным", "масивного тіла", "des massiven Körpers",
                 "corps massif par la"},
                {"a pulse source", "источником", "імпульсним джерелом", "von der Impulsquelle",
                 "source d'impulsion"});
}

// ---------------------------------------------------------------------------
// Scheme 12: pulsed source on a plate

void rom2_summary(char* line1, char* line2, char* title)
{
    const PulseParameters& p = scheme_state.rom2.parameters;
    put_text(line1, cformat("Wmax=%g, Wmin=%g, velocity=%g, conductivity=%g, Heat capasity=%g,",
                            p.q1, p.q2, p.v, p.lambda, p.c));
    put_text(line2, cformat(" density=%g, t0=%g, tp=%g, t=%g, Ti=%g", p.rho, p.t_cycle,
                            p.t_pulse, scheme_state.rom2.pulse.t_now, p.T0));
    put_text(title, pick(Text5{"12. Welding a plate by a pulse source",
                               "12.Сварка пластины импульсным источником",
                               "12.Зварювання пластини імпульсним джерелом",
                               "12. Die Schweissung der Platte von der Impulsquelle",
                               "12. La soudure de la plaque par la source d'impulsion"}));
}

void rom2_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"12.Welding", "12.Сварка пластины", "12.Зварювання", "12.Die Schweissung",
                 "12.La soudure de"},
                {"a plate by", "импульсным", "пластини", "der Platte von", "la plaque par la"},
                {"a pulse source", "источником", "імпульсним джерелом", "der Impulsquelle",
                 "source d'impulsion"});
}

// ---------------------------------------------------------------------------
// Scheme 13: pulsed source on a thin plate

void rom3_summary(char* line1, char* line2, char* title)
{
    const PulseParameters& p = scheme_state.rom3.parameters;
    put_text(line1, cformat("Wmax=%g, Wmin=%g, velocity=%g, conductivity=%g, Heat capasity=%g,",
                            p.q1, p.q2, p.v, p.lambda, p.c));
    put_text(line2, cformat(" density=%g, t0=%g, tp=%g, t=%g, Ti=%g", p.rho, p.t_cycle,
                            p.t_pulse, scheme_state.rom3.pulse.t_now, p.T0));
    put_text(title, pick(Text5{" 13. Welding of a thin plate by a pulse source ",
                               "13.Сварка тонкой пластины импульсным источником",
                               "13. Зварювання тонкої пластини імпульсним джерелом",
                               "13. Die Schweissung der feinen Platte von der Impulsquelle ",
                               "13. La soudure de la plaque fine par la source d'impulsion"}));
}

void rom3_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"13. Welding of", "13.Сварка тонкой", "13.Зварювання", "13.Die Schweissung der",
                 "13. La soudure de"},
                {"a thin plate by", "пластины импульсным", "тонкої пластини", "feinen Platte von",
                 "la plaque fine par"},
                {"a pulse source", "источником", "імпульсним джерелом", "der Impulsquelle ",
                 "la source d'impulsion"});
}

// ---------------------------------------------------------------------------
// Scheme 14: composite plates

void comp_summary(char* line1, char* line2, char* title)
{
    const CompParameters& p = scheme_state.comp.parameters;
    switch (current_language()) {
    case Language::russian:
    case Language::ukrainian:
        put_text(line1, cformat("Теплопр1=%g, Теплопр2=%g, Теплоемк1=%g, Теплоемк2=%g, "
                                "Плотн1=%g, Плотн2=%g,",
                                p.lambda1, p.lambda2, p.c1, p.c2, p.rho1, p.rho2));
        put_text(line2, cformat(" %%1=%g, %%2=%g, То=%g, v=%g, толщина=%g, Мощность=%g", p.p1,
                                p.p2, p.T0, p.v, p.delta, p.q));
        break;
    case Language::english:
    case Language::german:
    case Language::french:
        put_text(line1, cformat("Conductivity: k1=%g, k2=%g; Capacity: c1=%g, c2=%g; "
                                "Density: g1=%g,g2=%g;",
                                p.lambda1, p.lambda2, p.c1, p.c2, p.rho1, p.rho2));
        put_text(line2, cformat(" Volume: p1=%g, p2=%g; initial t=%g; V==%g; Thickness=%g; "
                                "Power=%g",
                                p.p1, p.p2, p.T0, p.v, p.delta, p.q));
        break;
    }
    put_text(title, pick(Text5{"14. Welding  of  composit plates", "14. Сварка композитных пластин",
                               "14. Зварювання композитних пластин",
                               "14. Die Schweissung Verbundwerkstoff der Platten",
                               "14. La soudure composit des plaques"}));
}

void comp_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"14.Welding", "14.Сварка", "14.Зварювання", "14.Die Schweissung", "14.La soudure"},
                {"of composit", "композитных", "композитних", "Verbundwerkstoff", "composit"},
                {"plates", "пластин", "пластин", "der Platten", "des plaques"});
}
