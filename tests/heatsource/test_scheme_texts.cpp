// Every scheme's summary lines, title and picture captions in the five
// languages, with each block at its start values.
#include <gtest/gtest.h>

#include <string>

#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "program_state.h"

namespace {

struct TextCase {
    const char* stem;
    Language language;
    void (*summary)(char*, char*, char*);
    void (*caption)(char*, char*, char*);
    const char* line1;
    const char* line2;
    const char* title;
    const char* caption1;
    const char* caption2;
    const char* caption3;
};

// French lines of schemes 1 and 2, and German and French line 2 of scheme 10,
// have no text of their own and show the English one. The summary lines of
// the oscillating and pulsed schemes are the same in every language; the
// pulsed ones show the time the last window observed (none yet: 0).
const TextCase text_cases[] = {
    {"ppr1", Language::english, ppr1_summary, ppr1_caption,
     "Thermal conductivity=0.3, W/cm*deg; Heat capacity=0.628, J/gram*deg; Density=7.8, gram/cm^3; To=20, C;",
     "V=0.1, cm/s; Plate thickness=5, cm; Thermal contact Res=0; P=4500, W; Pl=45000, J/сm; Ps=9000, J/сm^2.",
     "1. Welding of thin plate",
     "1. Welding of", "thin", "plate"},
    {"ppr1", Language::russian, ppr1_summary, ppr1_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=5, Тотд=0, q=4500",
     "1. Сварка тонкой пластины",
     "1. Сварка ", "тонкой", "пластины"},
    {"ppr1", Language::ukrainian, ppr1_summary, ppr1_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=5, Тотд=0, q=4500",
     "1. Зварювання тонкої пластини",
     "1.Зварювання", "тонкої", "пластини"},
    {"ppr1", Language::german, ppr1_summary, ppr1_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=5, Тотд=0, q=4500",
     "1. Die Schweissung der feinen Platte",
     "1. Die Schweissung", "der feinen", "Platte"},
    {"ppr1", Language::french, ppr1_summary, ppr1_caption,
     "Thermal conductivity=0.3, W/cm*deg; Heat capacity=0.628, J/gram*deg; Density=7.8, gram/cm^3; To=20, C;",
     "V=0.1, cm/s; Plate thickness=5, cm; Thermal contact Res=0; P=4500, W; Pl=45000, J/сm; Ps=9000, J/сm^2.",
     "1. La soudure de la plaque fine",
     "1. La soudure", "de la plaque", "fine"},
    {"ppr2", Language::english, ppr2_summary, ppr2_caption,
     "Thermal conductivity=0.3, [W/cm*deg]; Heat capacity=0.628, [J/gram*deg]; Density=7.8, [gram/cm^3]; Initial t=20, [C]",
     " V=0.1, [cm/s]; Thermal contact resistence=0, [cm^2*deg/W], W=4500, [W]; Linear W=45000, [J/cm].",
     "2. Welding of semiinfinite body",
     "2.Welding of", "semiinfinite", "multi-layer body"},
    {"ppr2", Language::russian, ppr2_summary, ppr2_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=0, Тотд=4500, q=45000",
     "2. Сварка полубесконечного тела",
     "2.Сварка", "полубесконечного", "многослойного тела"},
    {"ppr2", Language::ukrainian, ppr2_summary, ppr2_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=0, Тотд=4500, q=45000",
     "2. Зварювання напівнескінченого тіла",
     "2. Зварювання", "напівнескінченого", "багатошарового тіла"},
    {"ppr2", Language::german, ppr2_summary, ppr2_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=0, Тотд=4500, q=45000",
     "2. Die Schweissung des halbunendlichen Körpers",
     "2.Die Schweissung", "des halbunendlichen", "Blätterkörpers"},
    {"ppr2", Language::french, ppr2_summary, ppr2_caption,
     "Thermal conductivity=0.3, [W/cm*deg]; Heat capacity=0.628, [J/gram*deg]; Density=7.8, [gram/cm^3]; Initial t=20, [C]",
     " V=0.1, [cm/s]; Thermal contact resistence=0, [cm^2*deg/W], W=4500, [W]; Linear W=45000, [J/cm].",
     "2. La soudure du corps semi-infini",
     "2.La soudure", "du corps semi-infini", "feuilleté"},
    {"ppr3", Language::english, ppr3_summary, ppr3_caption,
     "Thermal conductivity=0.3, W/cm*deg; Heat capacity=0.628, J/g*deg; Density=7.8, g/cm^3; To=20, C, V=0.1, cm/s",
     "Plate thickness=5, cm; Heat transfer=0.003, W/(cm^2*deg);  P=4500, W, Pl=45000, J/cm; P=9000, J/cm^2.",
     "3. Multi-layer homogeneous plate",
     "3. Multi-layer", "homogeneous", "plate"},
    {"ppr3", Language::russian, ppr3_summary, ppr3_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=5, Тотд=0.003, q=4500",
     "3. Многослойная однородная пластина",
     "3.Сварка", "многослойной", "однородной пластины"},
    {"ppr3", Language::ukrainian, ppr3_summary, ppr3_caption,
     "Тпров=0.3, Темк=0.628, плотн=7.8, Тс=20,",
     " V=0.1, s=5, Тотд=0.003, q=4500",
     "3. Багатошарова однорідна пластина",
     "3.Зварювання", "багатошарової", "однорідної пластини"},
    {"ppr3", Language::german, ppr3_summary, ppr3_caption,
     "Thermal conductivity=0.3, W/cm*deg; Heat capacity=0.628, J/g*deg; Density=7.8, g/cm^3; To=20, C, V=0.1, cm/s",
     "Plate thickness=5, cm; Heat transfer=0.003, W/(cm^2*deg);  P=4500, W, Pl=45000, J/cm; P=9000, J/cm^2.",
     "3. Blätter- gleichartigen Platten",
     "3. Blätter- gleichartigen", "Platten", " "},
    {"ppr3", Language::french, ppr3_summary, ppr3_caption,
     "Thermal conductivity=0.3, W/cm*deg; Heat capacity=0.628, J/g*deg; Density=7.8, g/cm^3; To=20, C, V=0.1, cm/s",
     "Plate thickness=5, cm; Heat transfer=0.003, W/(cm^2*deg);  P=4500, W, Pl=45000, J/cm; P=9000, J/cm^2.",
     "3. Plaques feuilletées homogènes",
     "3. Plaques", "feuilletées", "homogènes"},
    {"ppr4", Language::english, ppr4_summary, ppr4_caption,
     "conductivity=0.1, capacity=0.15, density=7.8, Тo=20",
     " V=0.1, thickness=0.6, contact resistence=0.0008, h1=16, h2=4, q=520",
     "4. Welding of two homogeneous plates of various width",
     "4. Welding of", "two homogeneous", "plates of various width"},
    {"ppr4", Language::russian, ppr4_summary, ppr4_caption,
     "conductivity=0.1, capacity=0.15, density=7.8, Тo=20",
     " V=0.1, thickness=0.6, contact resistence=0.0008, h1=16, h2=4, q=520",
     "4.Сварка двух однородных пластин различной ширины",
     "4.Сварка двух", "однородных пластин", "различной ширины"},
    {"ppr4", Language::ukrainian, ppr4_summary, ppr4_caption,
     "conductivity=0.1, capacity=0.15, density=7.8, Тo=20",
     " V=0.1, thickness=0.6, contact resistence=0.0008, h1=16, h2=4, q=520",
     "4.Зварювання двох однорідних пластин різної ширини",
     "4.Зварювання двох", "однорідних пластин", "різної ширини"},
    {"ppr4", Language::german, ppr4_summary, ppr4_caption,
     "conductivity=0.1, capacity=0.15, density=7.8, Тo=20",
     " V=0.1, thickness=0.6, contact resistence=0.0008, h1=16, h2=4, q=520",
     "4. Die Schweissung zwei gleichartiger Platten verschiedener Breite",
     "4.Die Schweissung", "zwei gleichartiger Platten", "verschiedener Breite"},
    {"ppr4", Language::french, ppr4_summary, ppr4_caption,
     "conductivity=0.1, capacity=0.15, density=7.8, Тo=20",
     " V=0.1, thickness=0.6, contact resistence=0.0008, h1=16, h2=4, q=520",
     "4. La soudure de deux plaques homogènes de la largeur diverse",
     "4.La soudure de deux", "plaques homogènes", "de la largeur diverse"},
    {"ppr5", Language::english, ppr5_summary, ppr5_caption,
     "Conductiv: c1=0.09, c2=0.315; Capacity: g1=0.152856, g1=0.238462; Density: g1=7.8, g1=2.6;",
     " Initial t=20,Thickness: d1=1, d2=2; Resistance=0, Power=1000",
     "5. Welding two heterogenious plates",
     "5. Welding two", "heterogenious ", "plates"},
    {"ppr5", Language::russian, ppr5_summary, ppr5_caption,
     "Тпров=0.09, Темк=0.152856, плотн=7.8, Тс=20,",
     " V=0.2, s=1, Тотд=0, q=1000",
     "5. Сварка двух разнородных пластин",
     "5. Сварка двух", "разнородных", "пластин"},
    {"ppr5", Language::ukrainian, ppr5_summary, ppr5_caption,
     "Тпров=0.09, Темк=0.152856, плотн=7.8, Тс=20,",
     " V=0.2, s=1, Тотд=0, q=1000",
     "5. Зварювання двох разнорідних пластин",
     "5.Зварювання двох", "разнорідних", "пластин"},
    {"ppr5", Language::german, ppr5_summary, ppr5_caption,
     "Conductiv: c1=0.09, c2=0.315; Capacity: g1=0.152856, g1=0.238462; Density: g1=7.8, g1=2.6;",
     " Initial t=20,Thickness: d1=1, d2=2; Resistance=0, Power=1000",
     "5. Die Schweissung zwei ungleichartiger Platten",
     "5. Die Schweissung zwei", "ungleichartiger", "Platten"},
    {"ppr5", Language::french, ppr5_summary, ppr5_caption,
     "Conductiv: c1=0.09, c2=0.315; Capacity: g1=0.152856, g1=0.238462; Density: g1=7.8, g1=2.6;",
     " Initial t=20,Thickness: d1=1, d2=2; Resistance=0, Power=1000",
     "5. La soudure de deux plaques diverses",
     "5.La soudure", "de deux plaques", "diverses"},
    {"ppr9", Language::english, ppr9_summary, ppr9_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " V=0.1, half width of strip=5, Power=4500",
     "6. Surfacing by strip electrodes of a massive body",
     "6.Surfacing by strip", "electrodes", "of a massive body"},
    {"ppr9", Language::russian, ppr9_summary, ppr9_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " V=0.1, half width of strip=5, Power=4500",
     "6. Наплавка ленточным электродом массивного тела",
     "6.Наплавка ", "ленточным электродом", "массивного тела"},
    {"ppr9", Language::ukrainian, ppr9_summary, ppr9_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " V=0.1, half width of strip=5, Power=4500",
     "6. Наплавка стручковим електродом масивного тіла",
     "6.Наплавка стручковим", "електродом", "масивного тіла"},
    {"ppr9", Language::german, ppr9_summary, ppr9_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " V=0.1, half width of strip=5, Power=4500",
     "6. Auftragschweißen von der Bandelektrode des massiven Körpers",
     "6.Auftragschweißen von", "der Bandelektrode", "des massiven Körpers"},
    {"ppr9", Language::french, ppr9_summary, ppr9_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " V=0.1, half width of strip=5, Power=4500",
     "6. Rechargement par l'électrode à bandes du corps massif",
     "6.Rechargement par", "l'électrode à bandes", "du corps massif"},
    {"ppr14", Language::english, ppr14_summary, ppr14_caption,
     "Thermal conductivity=0.1; Heat capacity=0.16; Density=7.8; Initial t=20;",
     " V=0.3; f -concentration coef=2; Power=10000.",
     "9.EBW of solid body with deep penetration by line heat source",
     "9. EBW of solid body", "with deep penetration", "by line heat source"},
    {"ppr14", Language::russian, ppr14_summary, ppr14_caption,
     "Thermal conductivity=0.1; Heat capacity=0.16; Density=7.8; Initial t=20;",
     " V=0.3; f -concentration coef=2; Power=10000.",
     "9. Сварка массивного тела с глубоким проплавлением",
     "9.Сварка массивного", "тела с глубоким ", "проплавлением"},
    {"ppr14", Language::ukrainian, ppr14_summary, ppr14_caption,
     "Thermal conductivity=0.1; Heat capacity=0.16; Density=7.8; Initial t=20;",
     " V=0.3; f -concentration coef=2; Power=10000.",
     "9. Зварювання масивного тіла з глибоким проплавленям",
     "9.Зварювання масивного", "тіла з глибоким", "проплавленям"},
    {"ppr14", Language::german, ppr14_summary, ppr14_caption,
     "Thermal conductivity=0.1; Heat capacity=0.16; Density=7.8; Initial t=20;",
     " V=0.3; f -concentration coef=2; Power=10000.",
     "9. Die Schweissung des massiven Körpers der feinen mit dem tiefen Eindringen",
     "9.Die Schweissung des ", "massiven Körpers feinen", "mit tiefen Eindringen"},
    {"ppr14", Language::french, ppr14_summary, ppr14_caption,
     "Thermal conductivity=0.1; Heat capacity=0.16; Density=7.8; Initial t=20;",
     " V=0.3; f -concentration coef=2; Power=10000.",
     "9. La soudure du corps massif avec la pénétration profonde",
     "9.La soudure du corps", "massif avec la", "pénétration profonde"},
    {"ppr15", Language::english, ppr15_summary, ppr15_caption,
     "Thermal conductivity=0.1; Heat capacity=0.15; Density=7.8; Initial t=20,",
     " V=0.4, Сoncentration coef=2, Power=2000",
     "10. Welding a massive body by a normal - circular source",
     "10.Welding a massive", "body by a normal-", "circular source"},
    {"ppr15", Language::russian, ppr15_summary, ppr15_caption,
     "Thermal conductivity=0.1; Heat capacity=0.15; Density=7.8; Initial t=20,",
     " V=0.4, Сoncentration coef=2, Power=2000",
     "10. Сварка массивного тела нормально-круговым источником",
     "10.Сварка массивного", "тела нормально-", "круговым источником"},
    {"ppr15", Language::ukrainian, ppr15_summary, ppr15_caption,
     "Thermal conductivity=0.1; Heat capacity=0.15; Density=7.8; Initial t=20,",
     " V=0.4, Сoncentration coef=2, Power=2000",
     "10. Зварювання масивного тіла нормально-круговым джерелом",
     "10.Зварювання масивного", "тіла нормально-", "круговым джерелом"},
    {"ppr15", Language::german, ppr15_summary, ppr15_caption,
     "Thermal conductivity=0.1; Heat capacity=0.15; Density=7.8; Initial t=20,",
     " V=0.4, Сoncentration coef=2, Power=2000",
     "10. Die Schweissung des massiven Körpers von der normalen - kreisförmigen Quelle",
     "10.Die Schweissung des", "massiven Körpers von der", "normalen-kreisförmigen Quelle"},
    {"ppr15", Language::french, ppr15_summary, ppr15_caption,
     "Thermal conductivity=0.1; Heat capacity=0.15; Density=7.8; Initial t=20,",
     " V=0.4, Сoncentration coef=2, Power=2000",
     "10. La soudure du corps massif par la source normale - circulaire",
     "10.La soudure corps", "massif par la source", "normale-circulaire"},
    {"ppr10", Language::english, ppr10_summary, ppr10_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, Thickness=5; resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "7. Surfacing of plate by oscillating electrode",
     "7. Surfacing", "of plate  by", "oscillating electrodes"},
    {"ppr10", Language::russian, ppr10_summary, ppr10_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, Thickness=5; resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "7. Наплавка пластины источником совершающим пилообразные колебания",
     "7.Наплавка пластины,", "пилообразные", "колебания источника"},
    {"ppr10", Language::ukrainian, ppr10_summary, ppr10_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, Thickness=5; resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "7. Наплавка пластини джерелом з пилковими коливаннями",
     "7.Наплавка пластини", "джерелом з", "пилковими коливаннями"},
    {"ppr10", Language::german, ppr10_summary, ppr10_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, Thickness=5; resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     " 7. Auftragschweißen der Platte von der Quelle begehend die sägezahnförmigen Schwingungen ",
     " 7. Auftragschweißen der Platte", "von der Quelle begehend ", "die sägezahnförmigen Schwingungen"},
    {"ppr10", Language::french, ppr10_summary, ppr10_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, Thickness=5; resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "7. Rechargement de la plaque par la source faisant les hésitations en forme de scie",
     "7. Rechargement de la plaque par", "la source faisant", "les hésitations en forme de scie"},
    {"ppr11", Language::english, ppr11_summary, ppr11_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "8. Surfacing of body by oscillating electrode",
     "8.Surfacing of", "body by saw-tooth", "oscillating electrode"},
    {"ppr11", Language::russian, ppr11_summary, ppr11_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "8. Наплавка массивного тела источником совершающим пилообразные колебания",
     "8.Наплавка массивно-", "го тела, пилообразные", "колебания источника"},
    {"ppr11", Language::ukrainian, ppr11_summary, ppr11_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "8. Наплавка масивного тіла джерелом пилкових коливань",
     "Наплавка масивного", "тіла джерелом з", "пилковими коливаннями"},
    {"ppr11", Language::german, ppr11_summary, ppr11_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     " 8. Auftragschweißen des massiven Körpers von der Quelle begehend die sägezahnförmigen Schwingungen ",
     " 8. Auftragschweißen des massiven Körpers", "von der Quelle begehend ", "die sägezahnförmigen Schwingungen"},
    {"ppr11", Language::french, ppr11_summary, ppr11_caption,
     "Thermal conductivity=0.3; Heat capacity=0.628; Density=7.8; Initial t=20,",
     " Vx=0.28, resistance=0.0003, amplitude=4.6; Vy=7; Power=5000",
     "8. Rechargement du corps massif par la source faisant les hésitations en forme de scie",
     "8. Rechargement du corps massif", "par la source faisant", "les hésitations en forme de scie"},
    {"rom1", Language::english, rom1_summary, rom1_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "11. Welding a massive body by a pulse source",
     "11.Welding a ", "massive body by", "a pulse source"},
    {"rom1", Language::russian, rom1_summary, rom1_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "11.Сварка массивного тела импульсным источником",
     "11.Сварка массивного", "тела импульсным", "источником"},
    {"rom1", Language::ukrainian, rom1_summary, rom1_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "11.Зварювання масивного тіла імпульсним джерелом",
     "11.Зварювання", "масивного тіла", "імпульсним джерелом"},
    {"rom1", Language::german, rom1_summary, rom1_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "11.Die Impulsquelle, den halbunendlichen Körper",
     "11.Die Schweissung", "des massiven Körpers", "von der Impulsquelle"},
    {"rom1", Language::french, rom1_summary, rom1_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "11. La soudure du corps massif par la source d'impulsion",
     "11.La soudure du ", "corps massif par la", "source d'impulsion"},
    {"rom2", Language::english, rom2_summary, rom2_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "12. Welding a plate by a pulse source",
     "12.Welding", "a plate by", "a pulse source"},
    {"rom2", Language::russian, rom2_summary, rom2_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "12.Сварка пластины импульсным источником",
     "12.Сварка пластины", "импульсным", "источником"},
    {"rom2", Language::ukrainian, rom2_summary, rom2_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "12.Зварювання пластини імпульсним джерелом",
     "12.Зварювання", "пластини", "імпульсним джерелом"},
    {"rom2", Language::german, rom2_summary, rom2_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "12. Die Schweissung der Platte von der Impulsquelle",
     "12.Die Schweissung", "der Platte von", "der Impulsquelle"},
    {"rom2", Language::french, rom2_summary, rom2_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "12. La soudure de la plaque par la source d'impulsion",
     "12.La soudure de", "la plaque par la", "source d'impulsion"},
    {"rom3", Language::english, rom3_summary, rom3_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     " 13. Welding of a thin plate by a pulse source ",
     "13. Welding of", "a thin plate by", "a pulse source"},
    {"rom3", Language::russian, rom3_summary, rom3_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "13.Сварка тонкой пластины импульсным источником",
     "13.Сварка тонкой", "пластины импульсным", "источником"},
    {"rom3", Language::ukrainian, rom3_summary, rom3_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "13. Зварювання тонкої пластини імпульсним джерелом",
     "13.Зварювання", "тонкої пластини", "імпульсним джерелом"},
    {"rom3", Language::german, rom3_summary, rom3_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "13. Die Schweissung der feinen Platte von der Impulsquelle ",
     "13.Die Schweissung der", "feinen Platte von", "der Impulsquelle "},
    {"rom3", Language::french, rom3_summary, rom3_caption,
     "Wmax=1250, Wmin=500, velocity=1, conductivity=0.4, Heat capasity=0.628,",
     " density=7.8, t0=1, tp=0.5, t=0, Ti=20",
     "13. La soudure de la plaque fine par la source d'impulsion",
     "13. La soudure de", "la plaque fine par", "la source d'impulsion"},
    {"comp", Language::english, comp_summary, comp_caption,
     "Conductivity: k1=0.44, k2=0.12; Capacity: c1=0.22, c2=0.148; Density: g1=2.7,g2=7.8;",
     " Volume: p1=0.75, p2=0.25; initial t=20; V==6; Thickness=0.1; Power=3000",
     "14. Welding  of  composit plates",
     "14.Welding", "of composit", "plates"},
    {"comp", Language::russian, comp_summary, comp_caption,
     "Теплопр1=0.44, Теплопр2=0.12, Теплоемк1=0.22, Теплоемк2=0.148, Плотн1=2.7, Плотн2=7.8,",
     " %1=0.75, %2=0.25, То=20, v=6, толщина=0.1, Мощность=3000",
     "14. Сварка композитных пластин",
     "14.Сварка", "композитных", "пластин"},
    {"comp", Language::ukrainian, comp_summary, comp_caption,
     "Теплопр1=0.44, Теплопр2=0.12, Теплоемк1=0.22, Теплоемк2=0.148, Плотн1=2.7, Плотн2=7.8,",
     " %1=0.75, %2=0.25, То=20, v=6, толщина=0.1, Мощность=3000",
     "14. Зварювання композитних пластин",
     "14.Зварювання", "композитних", "пластин"},
    {"comp", Language::german, comp_summary, comp_caption,
     "Conductivity: k1=0.44, k2=0.12; Capacity: c1=0.22, c2=0.148; Density: g1=2.7,g2=7.8;",
     " Volume: p1=0.75, p2=0.25; initial t=20; V==6; Thickness=0.1; Power=3000",
     "14. Die Schweissung Verbundwerkstoff der Platten",
     "14.Die Schweissung", "Verbundwerkstoff", "der Platten"},
    {"comp", Language::french, comp_summary, comp_caption,
     "Conductivity: k1=0.44, k2=0.12; Capacity: c1=0.22, c2=0.148; Density: g1=2.7,g2=7.8;",
     " Volume: p1=0.75, p2=0.25; initial t=20; V==6; Thickness=0.1; Power=3000",
     "14. La soudure composit des plaques",
     "14.La soudure", "composit", "des plaques"},
};

class SchemeTexts : public ::testing::TestWithParam<TextCase> {
protected:
    void SetUp() override
    {
        reset_program_state();   // no window has fixed a time yet
    }
    void TearDown() override { set_language(Language::english); }
};

TEST_P(SchemeTexts, SummaryAndCaptionAsWritten)
{
    const TextCase& t = GetParam();
    set_language(t.language);
    // Buffers hold garbage first, as the windows' buffers do.
    char line1[heat_text_size], line2[heat_text_size], title[heat_text_size];
    std::string garbage(heat_text_size - 1, '#');
    for (char* b : {line1, line2, title}) std::copy(garbage.begin(), garbage.end() + 1, b);
    t.summary(line1, line2, title);
    EXPECT_EQ(std::string(line1), t.line1);
    EXPECT_EQ(std::string(line2), t.line2);
    EXPECT_EQ(std::string(title), t.title);

    char c1[heat_text_size], c2[heat_text_size], c3[heat_text_size];
    t.caption(c1, c2, c3);
    EXPECT_EQ(std::string(c1), t.caption1);
    EXPECT_EQ(std::string(c2), t.caption2);
    EXPECT_EQ(std::string(c3), t.caption3);
}

std::string case_name(const ::testing::TestParamInfo<TextCase>& info)
{
    static const char* names[] = {"english", "russian", "ukrainian", "german", "french"};
    return std::string(info.param.stem) + "_" + names[static_cast<int>(info.param.language)];
}

INSTANTIATE_TEST_SUITE_P(AllSchemes, SchemeTexts, ::testing::ValuesIn(text_cases), case_name);

// A layered body names itself so in every language; the captions stay.
TEST(SchemeTexts2, LayeredBodyTitle)
{
    scheme_state.ppr2.parameters = {};
    scheme_state.ppr2.parameters.R_T = 0.5;
    const char* titles[] = {"2. Welding of semiinfinite multi-layer body",
                            "2. Сварка полубесконечного многослойного тела",
                            "2. Зварювання напівнескінченого багатошарового тіла",
                            "2. Die Schweissung des halbunendlichen Blätterkörpers",
                            "2. La soudure du corps semi-infini feuilleté"};
    Language languages[] = {Language::english, Language::russian, Language::ukrainian,
                            Language::german, Language::french};
    for (int i = 0; i < 5; ++i) {
        set_language(languages[i]);
        char l1[heat_text_size], l2[heat_text_size], title[heat_text_size];
        ppr2_summary(l1, l2, title);
        EXPECT_STREQ(title, titles[i]);
    }
    set_language(Language::english);
    scheme_state.ppr2.parameters = {};
}

// The strip's width is entered whole and shown as its half.
TEST(SchemeTexts2, StripHalfWidthInSummary)
{
    scheme_state.ppr9.parameters = {};
    const double values[] = {0.3, 0.628, 7.8, 20, 0.1, 0.8, 4500};
    ppr9_set_data(values);
    EXPECT_DOUBLE_EQ(scheme_state.ppr9.parameters.B, 0.4);
    char l1[heat_text_size], l2[heat_text_size], title[heat_text_size];
    ppr9_summary(l1, l2, title);
    EXPECT_STREQ(l2, " V=0.1, half width of strip=0.4, Power=4500");
    scheme_state.ppr9.parameters = {};
}

}  // namespace
