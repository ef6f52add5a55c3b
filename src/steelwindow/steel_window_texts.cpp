#include "steel_window_texts.h"

namespace steel_text_rows {

const Text5 point_coordinates{" (y=%g, cm; z=%g, cm)", " (y=%g, см; z=%g, см)", " (y=%g, см; z=%g, см)",
                              " (y=%g, cm; z=%g, cm)", " (y=%g, cm; z=%g, cm)"};
const Text5 model_line{" Account on model: \"%s\"", " Рассчёт по модели: \"%s\"", " Розрахунок по моделі: \"%s\"",
                       " Die Rechnung nach dem Modell: \"%s\"", "Le compte selon le modèle: \"%s\""};
const Text5 cooling_time_short{"t 8/5, s", "t 8/5, с", "t 8/5, с", "t 8/5, s", "t 8/5, s"};
const Text5 structure_axis{"Structure, %%", "Структура, %%", "Структура, %%", "Die Struktur, %%", "La structure, %%"};
const Text5 martensite_unit{"Martensite, %%", "Мартенсит, %%", "Мартенсит, %%", "Martensite, %%", "Martensite, %%"};
const Text5 model_attribution{"under model O.G. Kasatkin and P. Seyffarth", "по модели О.Г.Касаткина и П.И.Zedorudi",
                              "по моделі О.Г.Касаткіна и П.І.Zedorudi",
                              "nach dem Modell O.G. Kasatkin und P. Seyffarth",
                              "selon le modèle O.G. Kasatkin et P. Seyffarth"};
const Text5 hardness_title{"Hardness HV", "Твердость по Викерсу HV", "Твердість по Вікерсу HV", "Die Härte HV",
                           "La fermeté HV"};
const Text5 ferrite_pearlite_unit{"Ferrite & Perlite, %%", "Феррит+перлит, %%", "Ферит+перліт, %%",
                                  "Ferrite & Perlite, %%", "Ferrite & Perlite, %%"};
const Text5 bainite_unit{"Bainite, %%", "Бейнит, %%", "Бейніт, %%", "Bainite, %%", "Bainite, %%"};
const Text5 toughness_title{"Impact toughness K, J/mm2", "Ударная вязкость K, Дж/мм2", "Ударна в'язкість K, Дж/мм2",
                            "Die Stosszähigkeit K, J/mm2", "La viscosité de choc K, J/mm2"};
const Text5 reduction_title{"Reduction in area  Z, %%", "Относительное сужение Z, %%", "Відносне звуженння Z, %%",
                            "Die relative Verengung Z, %%", "Le rétrécissement relatif Z, %%"};
const Text5 elongation_title{"Elongation A, %%", "Относительное удлинение A, %%", "Відносне подовження A, %%",
                             "Die relative Verlängerung A, %%", "L'allongement relatif A, %%"};
const Text5 yield_title{"Yield point R02, MPa", "Предел текучести R02, МПа", "Границя текучості R02, МПа",
                        "Die Grenze der Fließbarkeit R02, MPa", "La limite de la fluidité R02, MPa"};
const Text5 strength_title{"Tensile strength Rm, MPa", "Предел прочности Rm, МПа", "Границя міцності Rm, МПа",
                           "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"};
const Text5 pearlite_unit{"Pearlite, %%", "Перлит, %%", "Перліт, %%", "Pearlite, %%", "Pearlite, %%"};
const Text5 ion_hardness_label{"HV hardnes", "HV твёрдость", "HV твердість", "HV hardnes", "HV hardnes"};
const Text5 bainite_label{"Bainite", "Бейнит", "Бейнит", "Bainite", "Bainite"};
const Text5 preheat_axis{"Preheating, C", "Подогрев, С", "Підігрів, С", "Die Anwärmung, C", "Ayant réchauffé, C"};
const Text5 bainite_unit_lower{"bainite, %%", "Бейнит, %%", "Бейніт, %%", "bainite, %%", "bainite, %%"};
const Text5 ferrite_unit{"Ferrite, %%", "Феррит, %%", "Ферит, %%", "Ferrite, %%", "Ferrite, %%"};
const Text5 ion_title_at_point{"Prediction of hardness in carbon - manganous steel on model of an Ion",
                               "Предсказание твёрдости в углеродно-марганцевых сталях по модели Иона",
                               "Передбачення твердості в вуглецево-марганцевих сталях за моделю Іона",
                               "Die Voraussage der Härte in kohlenstoff mangan stahl nach dem Modell des Iones",
                               "La prédiction de la fermeté à carbone - manganeux l'acier selon le modèle de L'ion"};
const Text5 martensite_label{"Martensite", "Мартенсит", "Мартенсит", "Martensite", "Martensite"};
const Text5 ion_dependence_title{"Dependence of hardness in carbon - manganous steel on model of an Ion",
                                 "Зависимость твёрдости в углеродно-марганцевых сталях по модели Иона",
                                 "Залежність твердості в вуглецево-марганцевих сталях за моделю Іона",
                                 "Die Abhängigkeit der Härte in kohlenstoff mangan stahl nach dem Modell des Iones",
                                 "La dépendance de la fermeté à carbone - manganeux l'acier selon le modèle de L'ion"};
const Text5 steel_class_subtitle{"low-alloyed steel", "для низколегированных сталей", "для низьколегованих сталей",
                                 "für Steahle", "pour de l'acier"};
const Text5 structure_dependence{"Dependence of structures of preliminary heating",
                                 "Зависимость фазового состава от предварительного подогрева",
                                 "Залежність фазового складу від попеднього підігріву",
                                 "Die Abhängigkeit der structures von der vorläufigen Erwärmung",
                                 "La dépendance de la structures de la chauffe préliminaire"};
const Text5 energy_axis{"rate of energy input, kJ/cm", "Погонная энергия, KДж/см", "Погонна енергія, KДж/см",
                        "Die Beziehung die Energie die Geschwindigkeit, kJ/cm",
                        "La relation l'énergie la vitesse, kJ/cm"};
const Text5 ferrite_unit_lower{"ferrite, %%", "Феррит, %%", "Ферит, %%", "ferrite, %%", "ferrite, %%"};

}   // namespace steel_text_rows
