// Every painter in every language: it exists, draws its quoted texts, moves
// the cursor, leaves the font it should, and (long form) ignores the value.
#include "captions.h"
#include "fonts.h"
#include "lang.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr Language languages[] = {Language::english, Language::russian, Language::ukrainian,
                                  Language::german, Language::french};

// One text in the five languages, in the order of `languages`.
struct Five {
    std::string text[5];
};
Five all(const std::string& s) { return Five{{s, s, s, s, s}}; }
Five units(const std::string& cyrillic, const std::string& latin)
{
    return Five{{latin, cyrillic, cyrillic, latin, latin}};
}
Five names(const std::string& en, const std::string& ru, const std::string& ua,
           const std::string& de, const std::string& fr)
{
    return Five{{en, ru, ua, de, fr}};
}

enum class Leaves { full, unit, small };

struct Row {
    const char* painter;
    std::vector<Five> texts;   // each must be drawn, whole, in its language
    Leaves leaves = Leaves::full;
};

// Short painters are drawn with the value 0.5.
const Five lambda_unit_den = units("см ·  C", "cm ·  C");
const Five c_unit_den = units("г ·  C", "g ·  C");
const Five gamma_unit_num = units(" г", " g");
const Five cm_semicolon = units(" см;", " cm;");

const std::vector<Row> rows = {
    {"caption_lambda", {all(" l =  0.5"), units("Вт", "W"), lambda_unit_den}},
    {"caption_lambda_plate1", {all(" l =  0.5"), all("1"), lambda_unit_den}},
    {"caption_lambda_plate2", {all("l =  0.5"), all("2"), lambda_unit_den}},
    {"caption_c", {all("c  = 0.5"), units("Дж", "J"), c_unit_den}},
    {"caption_c_plate1", {all("c  = 0.5"), all("1"), c_unit_den}},
    {"caption_c_plate2", {all("c  = 0.5"), all("2"), c_unit_den}},
    {"caption_gamma", {all("g  = 0.5"), gamma_unit_num, units("см ", "cm "), all("3")}},
    {"caption_gamma_plate1", {all("g  = 0.5"), all("1"), gamma_unit_num}},
    {"caption_gamma_plate2", {all("g  = 0.5"), all("2"), gamma_unit_num}},
    {"caption_t0", {all("T  = 0.5 C"), all("0")}},
    {"caption_v", {all(" v  ="), all(" 0.5"), units("см", "cm"), units("c", "s")}, Leaves::unit},
    {"caption_r_t", {all("R"), all("T"), all(" = 0.5"), units("·с ·  C", "·c ·  C"), units("Дж", "J")}, Leaves::small},
    {"caption_delta", {all("d   = 0.5"), cm_semicolon}},
    {"caption_delta_plate1", {all("d   = 0.5"), all("1"), cm_semicolon}},
    {"caption_delta_plate2", {all("d   = 0.5"), all("2"), cm_semicolon}},
    {"caption_delta_layer", {all("d   = 0.5"), all("c"), cm_semicolon}},
    {"caption_q", {units("q = 0.5 Вт;", "q = 0.5 W;")}},
    {"caption_q_per_v", {all("q"), all("v"), all(" = 0.5 "), units("Дж", "J"), units("см", "cm")}},
    {"caption_q_per_v_delta", {all("q"), all("v·"), all("s"), all(" = 0.5 "), units("Дж·с", "J·s"), all("2")}},
    {"caption_alpha", {all("a = 0.5"), units("Вт", "W"), units(" · с · ", " · s · "), all("C")}},
    {"caption_h1", {all("h  = 0.5"), all("1"), units("см", "cm"), all(";")}},
    {"caption_h2", {all("h  = 0.5"), all("2"), units("см", "cm")}},
    {"caption_d", {all("d  = 0.5"), units("см", "cm")}},
    {"caption_v_x", {all(" v  ="), all("x"), all(" 0.5"), units("c", "s")}, Leaves::unit},
    {"caption_v_y", {all(" v  ="), all("y"), all(" 0.5")}, Leaves::unit},
    {"caption_a", {all("A   = 0.5"), cm_semicolon}},
    {"caption_k", {all("k  = 0.5"), all(" 1"), units("см ", "cm "), all("2")}},
    {"caption_q1", {units("q = 0.5 Вт;", "q = 0.5 W;"), all("1")}},
    {"caption_q2", {units("q = 0.5 Вт;", "q = 0.5 W;"), all("2")}},
    {"caption_t_cycle", {all("t  = 0.5 c"), all("0")}},
    {"caption_t_pulse", {all("t  = 0.5 c"), all("P")}},
    {"caption_delta_t", {all("D =  0.5 c"), all("t")}},
    {"caption_lambda_phase1", {all(" l =  0.5"), all("1"), lambda_unit_den}},
    {"caption_lambda_phase2", {all("l =  0.5"), all("2"), lambda_unit_den}},
    {"caption_c_phase1", {all("c  = 0.5"), all("1"), c_unit_den}},
    {"caption_c_phase2", {all("c  = 0.5"), all("2"), c_unit_den}},
    {"caption_gamma_phase1", {all("g  = 0.5"), all("1"), gamma_unit_num}},
    {"caption_gamma_phase2", {all("g  = 0.5"), all("2"), gamma_unit_num}},
    {"caption_kappa_phase1", {all("k   = 0.5"), all("1"), units(" б/р;", " #;")}},
    {"caption_kappa_phase2", {all("k   = 0.5"), all("2"), units(" б/р;", " #;")}},

    {"legend_lambda", {all("l -"), names("thermal-conductivity coefficient,", "коэффициент теплопроводности,", "коефіциєнт теплопровідності,", "Wärmeleitzahl,", "Il est chaud de faire le coefficient,")}},
    {"legend_lambda_plate1", {all("l -"), all("1"), names("thermal-conductivity of first plate,", "теплопроводность 1-ой пластины,", "теплопровідность 1-ої пластини,", "Wärmeleitzahl der ersten Platte,", "chaud de faire de la première plaque,")}},
    {"legend_lambda_plate2", {all("l -"), all("2"), names("thermal-conductivity of second plate,", "теплопроводность 2-ой пластины,", "теплопровідность 2-ої пластини,", "Wärmeleitzahl der zweiten Platte,", "chaud de faire de la deuxième plaque,")}},
    {"legend_c", {all("c"), all("-"), names("heat capacity coefficient,", "коэффициент теплоёмкости,", "коефіцієнт теплоємності,", "Koeffizient ist der Kapazität warm ", "Le coefficient est chaud les capacités,"), c_unit_den}},
    // One name in every language.
    {"legend_c_plate1", {all("c"), all("1"), all("теплоёмкость,1-ой пластины,"), c_unit_den}},
    {"legend_c_plate2", {all("c"), all("2"), all("теплоёмкость,2-ой пластины"), c_unit_den}},
    {"legend_gamma", {all("g -"), names("density,", "плотность,", "гущина,", "Die Dichte,", "La densité,"), gamma_unit_num}},
    {"legend_gamma_plate1", {all("g -"), all("1"), names("density of first plate,", "плотность 1-ой пластины,", "гущина 1-ї пластини,", "Die Dichte der 1. Platte,", "La densité de la 1-ère plaque,")}},
    {"legend_gamma_plate2", {all("g -"), all("2"), names("density of second plate,", "плотность 2-ой пластины,", "гущина 2-ї пластини,", "Die Dichte der 2. Platte,", "La densité de la 2-ème plaque,")}},
    {"legend_t0", {all("T"), all("0"), all("-"), names("initial temperature, C", "начальная температура, C", "початкова температура, C", "Die Anfangstemperatur, C", "La température initiale, C")}},
    {"legend_v", {all("v"), all("-"), names("velocity,", "скорость,", "швидкість,", "Geschwindigkeit,", "La vitesse,"), units("см", "cm")}, Leaves::unit},
    {"legend_r_t", {all("R"), all("T"), all("-"), names("interlaminar thermal resistance,", "межслойное тепловое сопротивление,", "міжшаровий тепловий опір,", "die thermische Festigkeit,", "la résistance thermique,")}, Leaves::small},
    {"legend_delta", {all("d"), all("-"), names("Thickness of a plate,", "толщина пластины,", "товщина пластини,", "Die Dicke der Platte,", "L'épaisseur de la plaque,"), cm_semicolon}},
    {"legend_delta_plate1", {all("d"), all("1"), names("Thickness of first plate,", "толщина 1-ой пластины,", "товщина 1-ї пластини,", "Die Dicke der ersten Platte,", "L'épaisseur de la première plaque,")}},
    {"legend_delta_plate2", {all("d"), all("2"), names("Thickness of the second plate,", "толщина 2-ой пластины,", "товщина 2-ї пластини,", "Die Dicke der 2. Platte,", "L'épaisseur de la deuxième plaque,")}},
    {"legend_delta_layer", {all("d"), all("c"), names("Thickness of a layer,", "толщина слоя,", "товщина шару,", "Die Dicke der Schicht,", "épaisseur de couche,")}},
    {"legend_q", {all("q"), all("-"), names("Capacity,", "мощность,", "потужність,", "Die Kapazität,", "puissance,"), units("Вт;", "W;")}},
    {"legend_alpha", {all("a -"), names("heat-transfer factor,", "коэффициент теплоотдачи,", "коєфіцієнт тепловіддачі,", "Der Koeffizient ist die Nutzeffekte warm,", "Le coefficient est chaud du retour,"), units("·с·", "·s·")}},
    {"legend_h1", {all("h"), all("1"), names("Width of the first plate,", "ширина первой пластины", "ширина першої пластини", "Die Breite der ersten Platte,", "La largeur de la première plaque,"), units("см", "cm")}},
    {"legend_h2", {all("h"), all("2"), names("Width of the second plate,", "ширина второй пластины", "ширина другої пластини", "Die Breite der zweiten Platte,", "La largeur de la deuxième plaque,")}},
    {"legend_d", {all("d"), names("Width of the heating zone,", "ширина зоны нагрева", "ширина зони нагріву", "Die Breite der Zone der Erwärmung,", "La largeur de la zone de la chauffe,")}},
    {"legend_v_x", {all("v"), all("x"), names("Speed of welding,", "скорость сварки,", "швидкість зварювання,", "Die Geschwindigkeit der Schweissungt,", "La vitesse de la soudure,")}, Leaves::unit},
    {"legend_v_y", {all("v"), all("y"), names("Speed cross,", "скорость поперечная,", "швидкість поперечна,", "Die Geschwindigkeit querlaufend,", "La vitesse transversal,")}, Leaves::unit},
    {"legend_a", {all("A"), names("Amplitude of fluctuations,", "амплитуда колебаний,", "амплітуда коливань,", "Die Amplitude der Schwingungen,", "L'amplitude des hésitations,"), cm_semicolon}},
    {"legend_k", {all("k -"), names("concentration factor,", "коэффициент сосредоточности,", "коефіцієнт зосередженості,", "Den Koeffizient gesammelte,", "Le concentration coefficient,"), units("см ", "cm ")}},
    {"legend_q1", {all("q"), all("1"), names("Capacity in a pulse,", "мощность в импульсе,", "потужність в імпульсі,", "Die Kapazität im Impuls,", "La capacité dans l'impulsion,"), units("Вт;", "W;")}},
    {"legend_q2", {all("q"), all("2"), names("Capacity in a pause,", "мощность в паузе,", "потужність в паузі,", "Die Kapazität in der Pause,", "La capacité dans la pause,")}},
    {"legend_t_cycle", {all("t"), all("0"), names("Time of a cycle, c", "время цикла, с", "час циклу, с", "Die Zeit des Umlaufes, c", "Le temps du cycle, c")}},
    {"legend_t_pulse", {all("t"), all("p"), names("Time of a pulse, c", "время импульса, с", "время импульса, с", "Die Zeit des Impulses, c", "Le temps de l'impulsion, c")}},
    {"legend_delta_t", {all("D"), all("t"), names("Rule of a point in a cycle,c", "положение точки в цикле, с", "положення точки в циклі, с", "Die Lage des Punktes im Umlauf, c", "La position du point dans le cycle, c")}},
    {"legend_lambda_phase1", {all("l -"), all("1"), names("thermal-conductivity of the first phase,", "теплопроводность 1-ой фазы,", "теплопровідность 1-ої фази,", "Wärmeleitzahl Der ersten Phase,", "chaud de faire de la De la première phase,")}},
    {"legend_lambda_phase2", {all("l -"), all("2"), names("thermal-conductivity of the second phase,", "теплопроводность 2-ой фазы,", "теплопровідность 2-ої фази,", "Wärmeleitzahl Der zweiten  Phase,", "chaud de faire de la De la deuxième phase,")}},
    {"legend_c_phase1", {all("c"), all("1"), names("heat capacity coefficient,", "теплоёмкость,1-ой фазы,", "теплоємність 1-ої фази,", "Eigenwärme der ersten Phase ", "Le coefficient est chaud les capacités,")}},
    {"legend_c_phase2", {all("c"), all("2"), names("heat capacity of the second phase,", "теплоёмкость,2-ой фазы,", "теплоємність 2-ої фази,", "Eigenwärme der zweiten Phase ", "Le coefficient est chaud les capacités de la deuxième phase,")}},
    {"legend_gamma_phase1", {all("g -"), all("1"), names("density of first phase,", "плотность 1-ой фазы,", "гущина 1-ої фази,", "Die Dichte der ersten Phase,", "La densité de la première phase,")}},
    {"legend_gamma_phase2", {all("g -"), all("2"), names("density of second phase,", "плотность 2-ой фазы,", "гущина 2-ої фази,", "Die Dichte der zweiten Phase,", "La densité de la deuxième phase,")}},
    {"legend_kappa_phase1", {all("k"), all("1"), names("Volume of the first phase,", "объём 1-ой фазы,", "об'єм 1-ої фази,", "Den Umfang der ersten Phase,", "Le volume de la première phase,"), units(" б/р;", " #;")}},
    {"legend_kappa_phase2", {all("k"), all("2"), names("Volume of the second phase,", "объём 2-ой фазы,", "об'єм 2-ої фази,", "Den Umfang der zweiten Phase,", "Le volume de la deuxième phase,")}},
};

// Drawn as one text, or in pieces drawn in order (a text split around its
// subscript or its degree sign, which are drawn between or after them).
bool drawn(const RecordingCanvas& dc, const std::string& text)
{
    if (dc.find_text(text) != nullptr) return true;
    for (std::size_t i = 0; i < dc.texts.size(); ++i) {
        std::string joined = dc.texts[i].text;
        if (!text.starts_with(joined)) continue;
        for (std::size_t j = i + 1; j < dc.texts.size() && joined.size() < text.size(); ++j)
            if (text.starts_with(joined + dc.texts[j].text)) joined += dc.texts[j].text;
        if (joined == text) return true;
    }
    return false;
}

class CaptionTable : public ::testing::Test {
protected:
    void SetUp() override { init_fonts(); }
    void TearDown() override { set_language(Language::english); }
};

}   // namespace

TEST_F(CaptionTable, EveryPainterIsListedOnceAndFound)
{
    EXPECT_EQ(caption_painters().size(), rows.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.painter);
        EXPECT_NE(find_caption_painter(row.painter), nullptr);
    }
    EXPECT_EQ(find_caption_painter("caption_nothing"), nullptr);
}

TEST_F(CaptionTable, EveryPainterDrawsItsTextsInEveryLanguage)
{
    constexpr int h = 21;
    for (const Row& row : rows) {
        const CaptionPainter painter = find_caption_painter(row.painter);
        ASSERT_NE(painter, nullptr) << row.painter;
        for (int l = 0; l < 5; ++l) {
            set_language(languages[l]);
            SCOPED_TRACE(std::string(row.painter) + " in language " + std::to_string(l));
            RecordingCanvas dc;
            int cursor = 7;
            painter(dc, 0.5, h, &cursor, 10, 50, 11);
            for (const Five& text : row.texts)
                EXPECT_TRUE(drawn(dc, text.text[l])) << "missing \"" << text.text[l] << "\" in\n" << dc.all_text();
            for (const auto& t : dc.texts) {
                EXPECT_FALSE(t.text.empty());
                EXPECT_GE(t.x, 10 + 7);
                if (t.font.face == "Times New Roman") {
                    EXPECT_EQ(t.font.charset, l == 1 || l == 2 ? 204 : 0);
                }
            }
            // The line ends with a semicolon, drawn alone or as the end of a text.
            EXPECT_EQ(dc.texts.empty() ? ' ' : [&] {
                char last = ' ';
                for (const auto& t : dc.texts)
                    if (t.text.back() == ';') last = ';';
                return last;
            }(), ';');
            EXPECT_GT(cursor, 7 + 3 * 11);
            const FontRecord left = dc.selected_font();
            EXPECT_EQ(left.face, "Times New Roman");
            const int want = row.leaves == Leaves::full ? h : row.leaves == Leaves::unit ? 15 : 12;
            EXPECT_EQ(left.height, want);
            EXPECT_EQ(left.italic, 0);
            EXPECT_EQ(dc.saved_depth(), 0);
        }
    }
}

TEST_F(CaptionTable, LongPaintersDrawTheSamePictureForEveryValue)
{
    set_language(Language::german);
    for (const NamedCaptionPainter& entry : caption_painters()) {
        if (std::string(entry.name).rfind("legend_", 0) != 0) continue;
        SCOPED_TRACE(entry.name);
        RecordingCanvas a;
        RecordingCanvas b;
        int cursor_a = 0;
        int cursor_b = 0;
        entry.painter(a, 0.38, 20, &cursor_a, 0, 30, 10);
        entry.painter(b, -1e300, 20, &cursor_b, 0, 30, 10);
        EXPECT_EQ(a.all_text(), b.all_text());
        EXPECT_EQ(cursor_a, cursor_b);
        ASSERT_EQ(a.texts.size(), b.texts.size());
        for (std::size_t i = 0; i < a.texts.size(); ++i) {
            EXPECT_EQ(a.texts[i].x, b.texts[i].x);
            EXPECT_EQ(a.texts[i].y, b.texts[i].y);
        }
    }
}

TEST_F(CaptionTable, NoLanguageFlagFallsBackToEnglishTexts)
{
    lang_english = lang_russian = lang_ukrainian = lang_german = lang_french = 0;
    RecordingCanvas dc;
    int cursor = 0;
    legend_q1(dc, 0, 20, &cursor, 0, 0, 10);
    EXPECT_TRUE(drawn(dc, "Capacity in a pulse,"));
    EXPECT_TRUE(drawn(dc, "W;"));
}
