// The painters, one row each, and the long names in the five languages.
#include "caption_rows.h"
#include "captions.h"

#include <array>
#include <string_view>

namespace {

// ---------------------------------------------------------------------------
// Long names

constexpr Text5 name_lambda{"thermal-conductivity coefficient,", "коэффициент теплопроводности,", "коефіциєнт теплопровідності,", "Wärmeleitzahl,", "Il est chaud de faire le coefficient,"};
constexpr Text5 name_lambda_plate1{"thermal-conductivity of first plate,", "теплопроводность 1-ой пластины,", "теплопровідность 1-ої пластини,", "Wärmeleitzahl der ersten Platte,", "chaud de faire de la première plaque,"};
constexpr Text5 name_lambda_plate2{"thermal-conductivity of second plate,", "теплопроводность 2-ой пластины,", "теплопровідность 2-ої пластини,", "Wärmeleitzahl der zweiten Platte,", "chaud de faire de la deuxième plaque,"};
constexpr Text5 name_c{"heat capacity coefficient,", "коэффициент теплоёмкости,", "коефіцієнт теплоємності,", "Koeffizient ist der Kapazität warm ", "Le coefficient est chaud les capacités,"};
constexpr Text5 name_gamma{"density,", "плотность,", "гущина,", "Die Dichte,", "La densité,"};
constexpr Text5 name_gamma_plate1{"density of first plate,", "плотность 1-ой пластины,", "гущина 1-ї пластини,", "Die Dichte der 1. Platte,", "La densité de la 1-ère plaque,"};
constexpr Text5 name_gamma_plate2{"density of second plate,", "плотность 2-ой пластины,", "гущина 2-ї пластини,", "Die Dichte der 2. Platte,", "La densité de la 2-ème plaque,"};
constexpr Text5 name_t0{"initial temperature, C", "начальная температура, C", "початкова температура, C", "Die Anfangstemperatur, C", "La température initiale, C"};
constexpr Text5 name_v{"velocity,", "скорость,", "швидкість,", "Geschwindigkeit,", "La vitesse,"};
constexpr Text5 name_r_t{"interlaminar thermal resistance,", "межслойное тепловое сопротивление,", "міжшаровий тепловий опір,", "die thermische Festigkeit,", "la résistance thermique,"};
constexpr Text5 name_delta{"Thickness of a plate,", "толщина пластины,", "товщина пластини,", "Die Dicke der Platte,", "L'épaisseur de la plaque,"};
constexpr Text5 name_delta_plate1{"Thickness of first plate,", "толщина 1-ой пластины,", "товщина 1-ї пластини,", "Die Dicke der ersten Platte,", "L'épaisseur de la première plaque,"};
constexpr Text5 name_delta_plate2{"Thickness of the second plate,", "толщина 2-ой пластины,", "товщина 2-ї пластини,", "Die Dicke der 2. Platte,", "L'épaisseur de la deuxième plaque,"};
constexpr Text5 name_delta_layer{"Thickness of a layer,", "толщина слоя,", "товщина шару,", "Die Dicke der Schicht,", "épaisseur de couche,"};
constexpr Text5 name_q{"Capacity,", "мощность,", "потужність,", "Die Kapazität,", "puissance,"};
constexpr Text5 name_alpha{"heat-transfer factor,", "коэффициент теплоотдачи,", "коєфіцієнт тепловіддачі,", "Der Koeffizient ist die Nutzeffekte warm,", "Le coefficient est chaud du retour,"};
constexpr Text5 name_h1{"Width of the first plate,", "ширина первой пластины", "ширина першої пластини", "Die Breite der ersten Platte,", "La largeur de la première plaque,"};
constexpr Text5 name_h2{"Width of the second plate,", "ширина второй пластины", "ширина другої пластини", "Die Breite der zweiten Platte,", "La largeur de la deuxième plaque,"};
constexpr Text5 name_d{"Width of the heating zone,", "ширина зоны нагрева", "ширина зони нагріву", "Die Breite der Zone der Erwärmung,", "La largeur de la zone de la chauffe,"};
constexpr Text5 name_v_x{"Speed of welding,", "скорость сварки,", "швидкість зварювання,", "Die Geschwindigkeit der Schweissungt,", "La vitesse de la soudure,"};
constexpr Text5 name_v_y{"Speed cross,", "скорость поперечная,", "швидкість поперечна,", "Die Geschwindigkeit querlaufend,", "La vitesse transversal,"};
constexpr Text5 name_a{"Amplitude of fluctuations,", "амплитуда колебаний,", "амплітуда коливань,", "Die Amplitude der Schwingungen,", "L'amplitude des hésitations,"};
constexpr Text5 name_k{"concentration factor,", "коэффициент сосредоточности,", "коефіцієнт зосередженості,", "Den Koeffizient gesammelte,", "Le concentration coefficient,"};
constexpr Text5 name_q1{"Capacity in a pulse,", "мощность в импульсе,", "потужність в імпульсі,", "Die Kapazität im Impuls,", "La capacité dans l'impulsion,"};
constexpr Text5 name_q2{"Capacity in a pause,", "мощность в паузе,", "потужність в паузі,", "Die Kapazität in der Pause,", "La capacité dans la pause,"};
constexpr Text5 name_t_cycle{"Time of a cycle, c", "время цикла, с", "час циклу, с", "Die Zeit des Umlaufes, c", "Le temps du cycle, c"};
constexpr Text5 name_t_pulse{"Time of a pulse, c", "время импульса, с", "время импульса, с", "Die Zeit des Impulses, c", "Le temps de l'impulsion, c"};
constexpr Text5 name_delta_t{"Rule of a point in a cycle,c", "положение точки в цикле, с", "положення точки в циклі, с", "Die Lage des Punktes im Umlauf, c", "La position du point dans le cycle, c"};
constexpr Text5 name_lambda_phase1{"thermal-conductivity of the first phase,", "теплопроводность 1-ой фазы,", "теплопровідность 1-ої фази,", "Wärmeleitzahl Der ersten Phase,", "chaud de faire de la De la première phase,"};
constexpr Text5 name_lambda_phase2{"thermal-conductivity of the second phase,", "теплопроводность 2-ой фазы,", "теплопровідность 2-ої фази,", "Wärmeleitzahl Der zweiten  Phase,", "chaud de faire de la De la deuxième phase,"};
constexpr Text5 name_c_phase1{"heat capacity coefficient,", "теплоёмкость,1-ой фазы,", "теплоємність 1-ої фази,", "Eigenwärme der ersten Phase ", "Le coefficient est chaud les capacités,"};
constexpr Text5 name_c_phase2{"heat capacity of the second phase,", "теплоёмкость,2-ой фазы,", "теплоємність 2-ої фази,", "Eigenwärme der zweiten Phase ", "Le coefficient est chaud les capacités de la deuxième phase,"};
constexpr Text5 name_gamma_phase1{"density of first phase,", "плотность 1-ой фазы,", "гущина 1-ої фази,", "Die Dichte der ersten Phase,", "La densité de la première phase,"};
constexpr Text5 name_gamma_phase2{"density of second phase,", "плотность 2-ой фазы,", "гущина 2-ої фази,", "Die Dichte der zweiten Phase,", "La densité de la deuxième phase,"};
constexpr Text5 name_kappa_phase1{"Volume of the first phase,", "объём 1-ой фазы,", "об'єм 1-ої фази,", "Den Umfang der ersten Phase,", "Le volume de la première phase,"};
constexpr Text5 name_kappa_phase2{"Volume of the second phase,", "объём 2-ой фазы,", "об'єм 2-ої фази,", "Den Umfang der zweiten Phase,", "Le volume de la deuxième phase,"};
// The two specific-heat legends of dissimilar plates have one text only.
constexpr Text5 name_c_plate1{"теплоёмкость,1-ой пластины,", "теплоёмкость,1-ой пластины,",
                              "теплоёмкость,1-ой пластины,", "теплоёмкость,1-ой пластины,",
                              "теплоёмкость,1-ой пластины,"};
constexpr Text5 name_c_plate2{"теплоёмкость,2-ой пластины", "теплоёмкость,2-ой пластины",
                              "теплоёмкость,2-ой пластины", "теплоёмкость,2-ой пластины",
                              "теплоёмкость,2-ой пластины"};

// ---------------------------------------------------------------------------
// Units

constexpr Pair lambda_num{"Вт", "W"};
constexpr Pair lambda_den{"см ·  C", "cm ·  C"};
constexpr Pair c_num{"Дж", "J"};
constexpr Pair c_den{"г ·  C", "g ·  C"};
constexpr Mark degree_on_denominator(double offset_cw) { return Mark{"0", offset_cw, 1, 0.5}; }

// W over cm·°C, the degree sign 1.25 cw before the denominator's end.
constexpr Unit unit_lambda{.kind = UnitKind::stacked, .text = lambda_num, .ref = lambda_den,
                           .num_cyr = 1.5, .num_lat = 1.75, .den = lambda_den, .den_at = 1,
                           .mark = degree_on_denominator(1 - 1.25), .bar_from = 1, .bar_to = 1,
                           .advance = 1.25};
constexpr Unit unit_lambda_wide{.kind = UnitKind::stacked, .text = lambda_num, .ref = lambda_den,
                                .num_cyr = 2.5, .num_lat = 2.5, .den = lambda_den, .den_at = 1,
                                .mark = degree_on_denominator(1 - 1.25), .bar_from = 1,
                                .bar_to = 1, .advance = 1.25};

// J over g·°C.
constexpr Unit unit_c{.kind = UnitKind::stacked, .text = c_num, .ref = c_den, .num_cyr = 1.2,
                      .num_lat = 1.2, .den = c_den, .den_at = 0.5,
                      .mark = degree_on_denominator(0.5 - 1.25), .bar_from = 0, .bar_to = 1,
                      .advance = 1.5};
constexpr Unit unit_c_legend{.kind = UnitKind::stacked, .text = c_num, .ref = c_den,
                             .num_cyr = 1.5, .num_lat = 1.5, .den = c_den, .den_at = 0.5,
                             .mark = degree_on_denominator(0.5 - 1.25), .bar_from = 0,
                             .bar_to = 0.5, .advance = 1.5};
// The degree sign 1.25 cw before the denominator's end, in the blanks before
// "C", as in the other c units (0.75 cw would cover the C).
constexpr Unit unit_c_plate{.kind = UnitKind::stacked, .text = c_num, .ref = c_den,
                            .num_cyr = 1.5, .num_lat = 1.5, .den = c_den, .den_at = 0.5,
                            .mark = degree_on_denominator(0.5 - 1.25), .bar_from = 0,
                            .bar_to = 0, .advance = 1.5};
// The phases of composite plates, with the degree sign as in the plates'.
constexpr Unit unit_c_phase{.kind = UnitKind::stacked, .text = c_num, .ref = c_den,
                            .num_cyr = 1.2, .num_lat = 1.2, .den = c_den, .den_at = 0.5,
                            .mark = degree_on_denominator(0.5 - 1.25), .bar_from = 0,
                            .bar_to = 0, .advance = 1.5};

// g over cm³.
constexpr Unit unit_gamma{.kind = UnitKind::stacked, .text = {" г", " g"}, .ref = {"см3", "cm3"},
                          .num_cyr = 1.5, .num_lat = 1.5, .den = {"см ", "cm "}, .den_at = 1,
                          .mark = {"3", 1, 1, 0.5}, .bar_from = 1, .bar_to = 1, .advance = 1.5};

// cm over s; the Latin c stands for the second in Russian and Ukrainian.
constexpr Unit unit_v{.kind = UnitKind::stacked, .text = {"см", "cm"}, .ref = {"см", "cm"},
                      .num_cyr = 1, .num_lat = 1, .den = {"c", "s"}, .den_at = 1.5,
                      .bar_from = 1, .bar_to = 1.2, .advance = 1.25};

// J over cm, and J·s over cm².
constexpr Unit unit_q_per_v{.kind = UnitKind::stacked, .text = c_num, .ref = c_num, .num_cyr = 1,
                            .num_lat = 1, .den = {"см", "cm"}, .den_at = 1, .bar_from = 1,
                            .bar_to = 1, .advance = 1, .fit_denominator = true};
constexpr Unit unit_q_per_v_delta{.kind = UnitKind::stacked, .text = {"Дж·с", "J·s"},
                                  .ref = {"Дж·с", "J·s"}, .num_cyr = 1, .num_lat = 1,
                                  .den = {"см", "cm"}, .den_at = 1, .mark = {"2", 1, 0.7, 0.5},
                                  .bar_from = 1, .bar_to = 1, .advance = 1,
                                  .fit_denominator = true};

// 1 over cm².
constexpr Unit unit_k{.kind = UnitKind::stacked, .text = both(" 1"), .ref = {"см2", "cm2"},
                      .num_cyr = 1.5, .num_lat = 1.5, .den = {"см ", "cm "}, .den_at = 1,
                      .mark = {"2", 1, 1, 0.5}, .bar_from = 1, .bar_to = 1, .advance = 1.5};

// W over cm²·s·°C; `den` is the middle piece of the denominator's chain.
constexpr Unit unit_alpha{.kind = UnitKind::alpha_chain, .text = lambda_num, .num_cyr = 1.5,
                          .num_lat = 1.75, .den = {" · с · ", " · s · "}};
constexpr Unit unit_alpha_legend{.kind = UnitKind::alpha_chain, .text = lambda_num,
                                 .num_cyr = 1.5, .num_lat = 1.75, .den = {"·с·", "·s·"}};

constexpr Unit unit_r_t{.kind = UnitKind::r_t};

// Inline units. The thickness unit advances over its text without the
// leading blank; the power unit of the legends does not advance at all.
constexpr Unit unit_cm_semicolon{.kind = UnitKind::inline_text, .text = {" см;", " cm;"},
                                 .ref = {"см;", "cm;"}};
constexpr Unit unit_w_semicolon{.kind = UnitKind::inline_text, .text = {"Вт;", "W;"}};
constexpr Unit unit_cm{.kind = UnitKind::inline_text, .text = {"см", "cm"}, .ref = {"см", "cm"}};
constexpr Unit unit_kappa{.kind = UnitKind::inline_text, .text = {" б/р;", " #;"},
                          .ref = {" б/р;", " #;"}};

// ---------------------------------------------------------------------------
// Pieces used by many rows

constexpr Piece symbol(const char* text, double gap = 0) { return Piece{Face::symbol, both(text), gap, 0}; }
constexpr Piece plain(const char* text, double gap = 0) { return Piece{Face::text, both(text), gap, 0}; }
constexpr Piece italic(const char* text, double gap = 0) { return Piece{Face::italic, both(text), gap, 0}; }
constexpr Sub sub(const char* text, double offset) { return Sub{SubMode::at_offset, text, offset, false, 0}; }
constexpr Sub italic_sub(const char* text, double offset) { return Sub{SubMode::at_offset, text, offset, true, 0}; }

constexpr Pair power_with_unit{"q = %lg Вт;", "q = %lg W;"};

// ---------------------------------------------------------------------------
// Rows

// Thermal conductivity: black, no gaps.
constexpr CaptionRow row_caption_lambda{.black = true, .symbol = symbol(" l =  %lg"), .unit = &unit_lambda};
constexpr CaptionRow row_caption_lambda_plate1{.black = true, .symbol = symbol(" l =  %lg"), .sub = sub("1", 1.1), .unit = &unit_lambda_wide};
constexpr CaptionRow row_caption_lambda_plate2{.black = true, .symbol = symbol("l =  %lg"), .sub = sub("2", 1.1), .unit = &unit_lambda_wide};
constexpr CaptionRow row_legend_lambda{.black = true, .symbol = symbol("l -"), .name = &name_lambda, .unit = &unit_lambda_wide};
constexpr CaptionRow row_legend_lambda_plate1{.black = true, .symbol = symbol("l -"), .sub = sub("1", 1), .name = &name_lambda_plate1, .unit = &unit_lambda_wide};
constexpr CaptionRow row_legend_lambda_plate2{.black = true, .symbol = symbol("l -"), .sub = sub("2", 1.1), .name = &name_lambda_plate2, .unit = &unit_lambda_wide};

// Specific heat.
constexpr CaptionRow row_caption_c{.symbol = plain("c  = %lg", 0.8), .unit = &unit_c};
constexpr CaptionRow row_caption_c_plate1{.symbol = plain("c  = %lg", 0.8), .sub = sub("1", 1.1), .unit = &unit_c_plate};
constexpr CaptionRow row_caption_c_plate2{.symbol = plain("c  = %lg", 0.8), .sub = sub("2", 1.1), .unit = &unit_c_plate};
constexpr CaptionRow row_legend_c{.symbol = plain("c", 0.8), .dash = true, .dash_gap = 0.8, .name = &name_c, .name_gap = 0.8, .unit = &unit_c_legend};
constexpr CaptionRow row_legend_c_plate1{.symbol = plain("c", 0.8), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_c_plate1, .name_gap = 0.8, .unit = &unit_c_plate};
constexpr CaptionRow row_legend_c_plate2{.symbol = plain("c", 0.8), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_c_plate2, .name_gap = 0.8, .unit = &unit_c_plate};

// Density, drawn as gamma.
constexpr CaptionRow row_caption_gamma{.symbol = symbol("g  = %lg", 1), .unit = &unit_gamma};
constexpr CaptionRow row_caption_gamma_plate1{.symbol = symbol("g  = %lg", 1), .sub = sub("1", 1.1), .unit = &unit_gamma};
constexpr CaptionRow row_caption_gamma_plate2{.symbol = symbol("g  = %lg", 1), .sub = sub("2", 1.1), .unit = &unit_gamma};
constexpr CaptionRow row_legend_gamma{.symbol = symbol("g -", 1), .name = &name_gamma, .name_gap = 1, .unit = &unit_gamma};
constexpr CaptionRow row_legend_gamma_plate1{.symbol = symbol("g -", 1), .sub = sub("1", 1.1), .name = &name_gamma_plate1, .name_gap = 1, .unit = &unit_gamma};
constexpr CaptionRow row_legend_gamma_plate2{.symbol = symbol("g -", 1), .sub = sub("2", 1.1), .name = &name_gamma_plate2, .name_gap = 1, .unit = &unit_gamma};

// Initial temperature: the unit C is part of the text, its degree sign a raised 0.
constexpr CaptionRow row_caption_t0{.symbol = {Face::text, both("T  = %lg C"), 0, 1.5}, .sub = sub("0", 1.1)};
constexpr CaptionRow row_legend_t0{.symbol = plain("T", 0.8), .sub = sub("0", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_t0, .name_degree_before_end = 1.8};

// Welding speed: italic v, the closing ";" at unit size.
constexpr CaptionRow row_caption_v{.symbol = italic(" v  ="), .value = plain(" %lg"), .unit = &unit_v, .closing = Closing::unit};
constexpr CaptionRow row_legend_v{.symbol = italic("v", 0.8), .dash = true, .dash_gap = 0.8, .name = &name_v, .unit = &unit_v, .closing = Closing::unit};

// Interlayer resistance: the subscript follows the R, the ";" at small size.
constexpr CaptionRow row_caption_r_t{.symbol = plain("R"), .sub = {SubMode::after_symbol, "T", 0, false, 0}, .value = symbol(" = %lg"), .unit = &unit_r_t, .closing = Closing::small};
constexpr CaptionRow row_legend_r_t{.symbol = plain("R", 0.8), .sub = {SubMode::after_symbol, "T", 0, false, 0.8}, .dash = true, .dash_gap = 0.8, .name = &name_r_t, .name_gap = 0.8, .unit = &unit_r_t, .closing = Closing::small};

// Thicknesses and amplitude: the unit carries the ";".
constexpr CaptionRow row_caption_delta{.symbol = symbol("d   = %lg"), .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_caption_delta_plate1{.symbol = symbol("d   = %lg"), .sub = sub("1", 1.1), .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_caption_delta_plate2{.symbol = symbol("d   = %lg"), .sub = sub("2", 1.1), .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_caption_delta_layer{.symbol = symbol("d   = %lg"), .sub = sub("c", 1), .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_caption_a{.symbol = symbol("A   = %lg"), .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_delta{.symbol = symbol("d", 0.8), .dash = true, .dash_gap = 0.8, .name = &name_delta, .name_gap = 0.8, .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_delta_plate1{.symbol = symbol("d", 0.8), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_delta_plate1, .name_gap = 0.8, .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_delta_plate2{.symbol = symbol("d", 0.8), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_delta_plate2, .name_gap = 0.8, .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_delta_layer{.symbol = symbol("d", 0.8), .sub = sub("c", 1), .dash = true, .dash_gap = 0.8, .name = &name_delta_layer, .name_gap = 0.8, .unit = &unit_cm_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_a{.symbol = symbol("A", 0.8), .dash = true, .dash_gap = 0.8, .name = &name_a, .name_gap = 0.8, .unit = &unit_cm_semicolon, .closing = Closing::carried};

// Power: the short caption is one text with its unit and ";".
constexpr CaptionRow row_caption_q{.symbol = {Face::text, power_with_unit, 0, 0}, .closing = Closing::carried};
constexpr CaptionRow row_legend_q{.symbol = plain("q", 0.8), .dash = true, .dash_gap = 0.8, .name = &name_q, .name_gap = 0.8, .unit = &unit_w_semicolon, .closing = Closing::carried};

// Energy per unit length (and per thickness): fractions, a shorter closing advance.
constexpr CaptionRow row_caption_q_per_v{.symbol_kind = SymbolKind::fraction_q_v, .value = plain(" = %lg "), .unit = &unit_q_per_v, .closing_advance = 2.5};
constexpr CaptionRow row_caption_q_per_v_delta{.symbol_kind = SymbolKind::fraction_q_v_sigma, .value = plain(" = %lg "), .unit = &unit_q_per_v_delta, .closing_advance = 2.5};

// Heat-transfer coefficient: black.
constexpr CaptionRow row_caption_alpha{.black = true, .symbol = symbol("a = %lg", 0.8), .unit = &unit_alpha};
constexpr CaptionRow row_legend_alpha{.black = true, .symbol = symbol("a -"), .name = &name_alpha, .name_gap = 0.8, .unit = &unit_alpha_legend};

// Widths: inline cm and a separate ";".
constexpr CaptionRow row_caption_h1{.symbol = plain("h  = %lg", 0.9), .sub = sub("1", 1.1), .unit = &unit_cm};
constexpr CaptionRow row_caption_h2{.symbol = plain("h  = %lg", 0.9), .sub = sub("2", 1.1), .unit = &unit_cm};
constexpr CaptionRow row_caption_d{.symbol = plain("d  = %lg", 0.9), .unit = &unit_cm};
constexpr CaptionRow row_legend_h1{.symbol = plain("h", 1.2), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_h1, .unit = &unit_cm};
constexpr CaptionRow row_legend_h2{.symbol = plain("h", 1.2), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_h2, .unit = &unit_cm};
constexpr CaptionRow row_legend_d{.symbol = plain("d", 1.2), .dash = true, .dash_gap = 0.8, .name = &name_d, .unit = &unit_cm};

// Speeds of the oscillating electrode: italic v with an italic subscript.
constexpr CaptionRow row_caption_v_x{.symbol = italic(" v  =", 1.2), .sub = italic_sub("x", 1.1), .value = plain(" %lg"), .unit = &unit_v, .closing = Closing::unit};
constexpr CaptionRow row_caption_v_y{.symbol = italic(" v  =", 1.2), .sub = italic_sub("y", 1.1), .value = plain(" %lg"), .unit = &unit_v, .closing = Closing::unit};
constexpr CaptionRow row_legend_v_x{.symbol = italic("v", 0.8), .sub = italic_sub("x", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_v_x, .unit = &unit_v, .closing = Closing::unit};
constexpr CaptionRow row_legend_v_y{.symbol = italic("v", 0.8), .sub = italic_sub("y", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_v_y, .unit = &unit_v, .closing = Closing::unit};

// Concentration coefficient.
constexpr CaptionRow row_caption_k{.symbol = symbol("k  = %lg", 1), .unit = &unit_k};
constexpr CaptionRow row_legend_k{.symbol = symbol("k -", 1), .name = &name_k, .name_gap = 1, .unit = &unit_k};

// Pulsed sources.
constexpr Sub second_letter_t{SubMode::second_letter, "t", 1.1, false, 0};
constexpr CaptionRow row_caption_q1{.symbol = {Face::text, power_with_unit, 0, 0}, .sub = sub("1", 1.1), .closing = Closing::carried};
constexpr CaptionRow row_caption_q2{.symbol = {Face::text, power_with_unit, 0, 0}, .sub = sub("2", 1.1), .closing = Closing::carried};
constexpr CaptionRow row_caption_t_cycle{.symbol = plain("t  = %lg c"), .sub = sub("0", 1.1)};
constexpr CaptionRow row_caption_t_pulse{.symbol = plain("t  = %lg c"), .sub = sub("P", 1.1)};
constexpr CaptionRow row_caption_delta_t{.black = true, .symbol = symbol("D =  %lg c"), .sub = second_letter_t};
constexpr CaptionRow row_legend_q1{.symbol = plain("q", 0.8), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_q1, .name_gap = 0.8, .unit = &unit_w_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_q2{.symbol = plain("q", 0.8), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_q2, .name_gap = 0.8, .unit = &unit_w_semicolon, .closing = Closing::carried};
constexpr CaptionRow row_legend_t_cycle{.symbol = plain("t", 0.8), .sub = sub("0", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_t_cycle};
constexpr CaptionRow row_legend_t_pulse{.symbol = plain("t", 0.8), .sub = sub("p", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_t_pulse};
constexpr CaptionRow row_legend_delta_t{.black = true, .symbol = symbol("D", 0.8), .sub = second_letter_t, .dash = true, .dash_gap = 0.8, .name = &name_delta_t};

// The two phases of composite plates.
constexpr CaptionRow row_caption_lambda_phase1{.black = true, .symbol = symbol(" l =  %lg"), .sub = sub("1", 1.1), .unit = &unit_lambda};
constexpr CaptionRow row_caption_lambda_phase2{.black = true, .symbol = symbol("l =  %lg"), .sub = sub("2", 1.1), .unit = &unit_lambda};
constexpr CaptionRow row_caption_c_phase1{.symbol = plain("c  = %lg", 0.8), .sub = sub("1", 1.1), .unit = &unit_c_phase};
constexpr CaptionRow row_caption_c_phase2{.symbol = plain("c  = %lg", 0.8), .sub = sub("2", 1.1), .unit = &unit_c_phase};
constexpr CaptionRow row_caption_gamma_phase1{.symbol = symbol("g  = %lg", 1), .sub = sub("1", 1.1), .unit = &unit_gamma};
constexpr CaptionRow row_caption_gamma_phase2{.symbol = symbol("g  = %lg", 1), .sub = sub("2", 1.1), .unit = &unit_gamma};
constexpr CaptionRow row_caption_kappa_phase1{.symbol = symbol("k   = %lg"), .sub = sub("1", 1.1), .unit = &unit_kappa, .closing = Closing::carried};
constexpr CaptionRow row_caption_kappa_phase2{.symbol = symbol("k   = %lg"), .sub = sub("2", 1.1), .unit = &unit_kappa, .closing = Closing::carried};
constexpr CaptionRow row_legend_lambda_phase1{.black = true, .symbol = symbol("l -"), .sub = sub("1", 1), .name = &name_lambda_phase1, .unit = &unit_lambda};
constexpr CaptionRow row_legend_lambda_phase2{.black = true, .symbol = symbol("l -"), .sub = sub("2", 1.1), .name = &name_lambda_phase2, .unit = &unit_lambda};
constexpr CaptionRow row_legend_c_phase1{.symbol = plain("c", 0.8), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_c_phase1, .name_gap = 0.8, .unit = &unit_c_phase};
constexpr CaptionRow row_legend_c_phase2{.symbol = plain("c", 0.8), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_c_phase2, .name_gap = 0.8, .unit = &unit_c_phase};
constexpr CaptionRow row_legend_gamma_phase1{.symbol = symbol("g -", 1), .sub = sub("1", 1.1), .name = &name_gamma_phase1, .name_gap = 1, .unit = &unit_gamma};
constexpr CaptionRow row_legend_gamma_phase2{.symbol = symbol("g -", 1), .sub = sub("2", 1.1), .name = &name_gamma_phase2, .name_gap = 1, .unit = &unit_gamma};
constexpr CaptionRow row_legend_kappa_phase1{.symbol = symbol("k", 0.8), .sub = sub("1", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_kappa_phase1, .name_gap = 0.8, .unit = &unit_kappa, .closing = Closing::carried};
constexpr CaptionRow row_legend_kappa_phase2{.symbol = symbol("k", 0.8), .sub = sub("2", 1.1), .dash = true, .dash_gap = 0.8, .name = &name_kappa_phase2, .name_gap = 0.8, .unit = &unit_kappa, .closing = Closing::carried};

}   // namespace

// ---------------------------------------------------------------------------
// The painters

#define VELMARIN_CAPTION_PAINTERS(X) \
    X(caption_lambda) X(legend_lambda) X(caption_lambda_plate1) X(legend_lambda_plate1) \
    X(caption_lambda_plate2) X(legend_lambda_plate2) X(caption_c) X(legend_c) \
    X(caption_c_plate1) X(legend_c_plate1) X(caption_c_plate2) X(legend_c_plate2) \
    X(caption_gamma) X(legend_gamma) X(caption_gamma_plate1) X(legend_gamma_plate1) \
    X(caption_gamma_plate2) X(legend_gamma_plate2) X(caption_t0) X(legend_t0) \
    X(caption_v) X(legend_v) X(caption_r_t) X(legend_r_t) \
    X(caption_delta) X(legend_delta) X(caption_delta_plate1) X(legend_delta_plate1) \
    X(caption_delta_plate2) X(legend_delta_plate2) X(caption_delta_layer) X(legend_delta_layer) \
    X(caption_q) X(legend_q) X(caption_q_per_v) X(caption_q_per_v_delta) \
    X(caption_alpha) X(legend_alpha) X(caption_h1) X(legend_h1) X(caption_h2) X(legend_h2) \
    X(caption_d) X(legend_d) X(caption_v_x) X(legend_v_x) X(caption_v_y) X(legend_v_y) \
    X(caption_a) X(legend_a) X(caption_k) X(legend_k) \
    X(caption_q1) X(legend_q1) X(caption_q2) X(legend_q2) X(caption_t_cycle) X(legend_t_cycle) \
    X(caption_t_pulse) X(legend_t_pulse) X(caption_delta_t) X(legend_delta_t) \
    X(caption_lambda_phase1) X(legend_lambda_phase1) X(caption_lambda_phase2) X(legend_lambda_phase2) \
    X(caption_c_phase1) X(legend_c_phase1) X(caption_c_phase2) X(legend_c_phase2) \
    X(caption_gamma_phase1) X(legend_gamma_phase1) X(caption_gamma_phase2) X(legend_gamma_phase2) \
    X(caption_kappa_phase1) X(legend_kappa_phase1) X(caption_kappa_phase2) X(legend_kappa_phase2)

#define VELMARIN_DEFINE_PAINTER(name)                                                          \
    void name(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw)       \
    {                                                                                          \
        paint_caption(row_##name, dc, value, h, cursor, x0, y, cw);                            \
    }
VELMARIN_CAPTION_PAINTERS(VELMARIN_DEFINE_PAINTER)
#undef VELMARIN_DEFINE_PAINTER

namespace {
#define VELMARIN_NAME_PAINTER(name) NamedCaptionPainter{#name, &name},
constexpr NamedCaptionPainter all_painters[] = {VELMARIN_CAPTION_PAINTERS(VELMARIN_NAME_PAINTER)};
#undef VELMARIN_NAME_PAINTER
}   // namespace

std::span<const NamedCaptionPainter> caption_painters() { return all_painters; }

CaptionPainter find_caption_painter(std::string_view name)
{
    for (const NamedCaptionPainter& entry : all_painters)
        if (name == entry.name) return entry.painter;
    return nullptr;
}
