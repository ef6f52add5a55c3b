#include "steel_choice.h"

#include "atlas_files.h"
#include "msgbox.h"
#include "numfmt.h"
#include "window.h"

#include <filesystem>
#include <system_error>

SteelChoice seyffarth_steel;
SteelChoice shorshorov_steel;
std::string seyffarth_steel_file;
std::string shorshorov_steel_file;
std::string seyffarth_steel_path;
std::string shorshorov_steel_path;
int seyffarth_filter_index = 0;

namespace {

struct SteelFilterRow {
    const char* pattern;
    Text5 description;
};

// class: pattern, English and French, Russian, Ukrainian, German
const SteelFilterRow seyffarth_classes[15] = {
    {"*.sp0", {" 1.General-application building steels", " 1.Общие строительные стали", " 1.Загальні будівельні сталі", " 1.AllgemeineBausteahle", " 1.General-application building steels"}},
    {"*.sp1", {" 2.The structural behavior with enough corrosion-resistant ", " 2.Повышенной прочности достаточнокорозионноустойчивые", " 2.Підвищеної міцності достатньо корозійностійкі", " 2.Heoherfestekorrosionstreage", " 2.The structural behavior with enough corrosion-resistant "}},
    {"*.sp2", {" 3.Enhanced by heat-treatment steels", " 3.Термически улучшеные стали", " 3.Термично покращені сталі", " 3.Vergeutungssteahle", " 3.Enhanced by heat-treatment steels"}},
    {"*.sp3", {" 4.Heat resisting proof against hydrogen pressure ", " 4.Жаропрочные учтойчивые к давлению водорода", " 4.Жароміцні стійкі до тиску водню", " 4.Warmfestedruckwasserstoffbesteandige", " 4.Heat resisting proof against hydrogen pressure "}},
    {"*.sp4", {" 5.Low-alloyed steel tool steel", " 5.Низколегированная инструментальная сталь", " 5.Низьколеговані інструментальні сталі", " 5.UnlegierterWerkzeugstahl", " 5.Low-alloyed steel tool steel"}},
    {"*.sp5", {" 6.Сorrosion-resistant steel", " 6.Корозионноустойчивая сталь", " 6.Корозійстійка сталь", " 6.Korrosionsbesteandiger", " 6.Сorrosion-resistant steel"}},
    {"*.sm1", {" 7.Model of C-Mn steel", " 7.Модель C-Mn стали", " 7.Модель C-Mn стали", " 7.Modell C-Mn stahle", " 7.Model of C-Mn steel"}},
    {"*.sm2", {" 8.Model of C-Si steel", " 8.Модель C-Si стали", " 8.Модель C-Si стали", " 8.Modell C-Si stahle", " 8.Model of C-Si steel"}},
    {"*.sm3", {" 9.Model of C-Si-Mn steel", " 9.Модель C-Si-Mn стали", " 9.Модель C-Si-Mn стали", " 9.Modell C-Si-Mn stahle", " 9.Model of C-Si-Mn steel"}},
    {"*.gs1", {" 10.Low doped core-mold casting", " 10.Слаболегированное стальное литьё", " 10.Слаболеговане стальне литво", " 10.Anlegierter Stahlgus", " 10.Low doped core-mold casting"}},
    {"*.gs2", {" 11.Low-alloyed core-mold casting", " 11.Низколегированное стальное литьё", " 11.Низколегированное стальне литво", " 11.Niedrieglegierter Stahlgus", " 11.Low-alloyed core-mold casting"}},
    {"*.gs3", {" 12.Heat-resisting core-mold casting", " 12.Жаропрочные стальное литьё", " 12.Жароміцне стальне литво", " 12.Warmfester Stahlgus", " 12.Heat-resisting core-mold casting"}},
    {"*.sg1", {" 13. Manualy built-up metal", " 13.Металл наплавленный вручную", " 13.Метал наплавленный вручну", " 14.E-Scweisgut", " 13. Manualy built-up metal"}},
    {"*.sg2", {" 14. Metal built-up by an electrode in protective gasзе", " 14.Металл наплавленный плавящимся электродом в защитном газе", " 14.Метал наплавлений в захисному газі електродом, що плавиться", " 15.MAG-Scweisgut", " 14. Metal built-up by an electrode in protective gasзе"}},
    {"*.sg3", {" 15. Metal built-up under fluxing", " 15.Металл наплавленный под флюсом", " 15.Метал наплавлений під флюсом", " 16.UP-Scweisgut", " 15. Metal built-up under fluxing"}},
};

const SteelFilterRow shorshorov_groups[28] = {
    {"*.100", {"1.Carbon ordinary quality ", "1.Углеродистая обыкн.", "1.Вуглецева звичайна", "1.Carbon ordinary quality ", "1.Carbon ordinary quality "}},
    {"*.200", {" 2.Carbon qualitative constructional ", " 2.Углеродистая кач. констр.", " 2.Вуглецева якісна. констр.", " 2.Carbon qualitative constructional ", " 2.Carbon qualitative constructional "}},
    {"*.301", {" 3.1.-Low-alloyed constructional silicomanganese steel ", " 3.1.-Низколег. констр. Кремнемарганцевая", " 3.1.-Низколег. констр. Кремнемарганцева", " 3.1.-Low-alloyed constructional silicomanganese steel ", " 3.1.-Low-alloyed constructional silicomanganese steel "}},
    {"*.302", {" 3.2.-Silicomanganese steel", " 3.2.-Кремнемарганцевая", " 3.2.-Кремнемарганцева", " 3.2.-Silicomanganese steel", " 3.2.-Silicomanganese steel"}},
    {"*.303", {" 3.3.-Manganese steel with titanium", " 3.3.-Марганцевистая с титаном", " 3.3.-Марганцевиста з титаном", " 3.3.-Manganese steel with titanium", " 3.3.-Manganese steel with titanium"}},
    {"*.304", {" 3.4.-chrome-silicomanganese", " 3.4.-Хромокремнемарганцевая", " 3.4.-Хромокремнемарганцева", " 3.4.-chrome-silicomanganese", " 3.4.-chrome-silicomanganese"}},
    {"*.305", {" 3.5.-chrome-manganese-nickel steel", " 3.5.-Хромомарганцевоникелевая", " 3.5.-Хромомарганцевоникелева", " 3.5.-chrome-manganese-nickel steel", " 3.5.-chrome-manganese-nickel steel"}},
    {"*.306", {" 3.6.-chrome-manganese", " 3.6.-Хромомарганцевая", " 3.6.-Хромомарганцева", " 3.6.-chrome-manganese", " 3.6.-chrome-manganese"}},
    {"*.307", {" 3.7.-chrome siliconickel copper-bearing steel", " 3.7.-Хромокремненикелевая с медью", " 3.7.-Хромокремненикелева з міддю", " 3.7.-chrome siliconickel copper-bearing steel", " 3.7.-chrome siliconickel copper-bearing steel"}},
    {"*.401", {" 4.1.Alloyed  chrome structural steel", " 4.1.Легированая конструкционная Хромистая", " 4.1.Легована конструкційна Хромиста", " 4.1.Alloyed  chrome structural steel", " 4.1.Alloyed  chrome structural steel"}},
    {"*.402", {" 4.2.-manganate", " 4.2.-Марганцевистая", " 4.2.-Марганцевиста", " 4.2.-manganate", " 4.2.-manganate"}},
    {"*.403", {" 4.3.-chrome-manganese", " 4.3.-Хромомарганцевая", " 4.3.-Хромомарганцева", " 4.3.-chrome-manganese", " 4.3.-chrome-manganese"}},
    {"*.404", {" 4.4.-silicomanganese nickel-bearing steel", " 4.4.-Кремнемарганцевая с никелем", " 4.4.-Кремнемарганцева з нікелем", " 4.4.-silicomanganese nickel-bearing steel", " 4.4.-silicomanganese nickel-bearing steel"}},
    {"*.405", {" 4.5.-chrome-molybdenum", " 4.5.-Хромомолибденовая", " 4.5.-Хромомолібденова", " 4.5.-chrome-molybdenum", " 4.5.-chrome-molybdenum"}},
    {"*.406", {" 4.6.-nickel-molybdenum manganese-bearing steel", " 4.6.-Никельмомолибденовая с марганцем", " 4.6.-Нікельмомолибденова з марганцем", " 4.6.-nickel-molybdenum manganese-bearing steel", " 4.6.-nickel-molybdenum manganese-bearing steel"}},
    {"*.407", {" 4.7.-nickel", " 4.7.-Никелевая", " 4.7.-Нікелева", " 4.7.-nickel", " 4.7.-nickel"}},
    {"*.408", {" 4.8.-chromium-nickel steel", " 4.8.-Хромоникелевая", " 4.8.-Хромонікелева", " 4.8.-chromium-nickel steel", " 4.8.-chromium-nickel steel"}},
    {"*.409", {" 4.9.-chromium-silicomanganese steel", " 4.9.-Хромокремнемарганцевая", " 4.9.-Хромокремнемарганцева", " 4.9.-chromium-silicomanganese steel", " 4.9.-chromium-silicomanganese steel"}},
    {"*.410", {" 4.10.-chromiummanganesenickel steel", " 4.10.-Хромоарганцевоникелевая", " 4.10.-Хромоарганцевонікелева", " 4.10.-chromiummanganesenickel steel", " 4.10.-chromiummanganesenickel steel"}},
    {"*.411", {" 4.11.-chromium-nickel steel", " 4.11.-Хромоникелевая", " 4.11.-Хромонікелева", " 4.11.-chromium-nickel steel", " 4.11.-chromium-nickel steel"}},
    {"*.412", {" 4.12.-chromium-silico-nickel steel", " 4.12.-Хромокремненикелевая", " 4.12.-Хромокремненікелева", " 4.12.-chromium-silico-nickel steel", " 4.12.-chromium-silico-nickel steel"}},
    {"*.413", {" 4.13.-chromium-nickel-molybdenum steelХромоникельмолибденовая", " 4.13.-Хромоникельмолибденовая", " 4.13.-Хромонікельмолібденова", " 4.13.-chromium-nickel-molybdenum steelХромоникельмолибденовая", " 4.13.-chromium-nickel-molybdenum steelХромоникельмолибденовая"}},
    {"*.414", {" 4.14.-chromium-tungsten-vanadium steel", " 4.14.-Хромовольфрамаванадиевая", " 4.14.-Хромовольфрамаванадієва", " 4.14.-chromium-tungsten-vanadium steel", " 4.14.-chromium-tungsten-vanadium steel"}},
    {"*.415", {" 4.15.-chromium-nickel-tungsten-vanadium steel", " 4.15.-Хромоникельвольфрамаванадиевая", " 4.15.-Хромонікельвольфрамаванадиєва", " 4.15.-chromium-nickel-tungsten-vanadium steel", " 4.15.-chromium-nickel-tungsten-vanadium steel"}},
    {"*.416", {" 4.16.-chromium-nickel--molybdenum-vanadium steel", " 4.16.-Хромоникельмолибденованадиевая", " 4.16.-Хромонікельмолибденованадієва", " 4.16.-chromium-nickel--molybdenum-vanadium steel", " 4.16.-chromium-nickel--molybdenum-vanadium steel"}},
    {"*.501", {" 5.1.High-alloy corrosion-resistant high-temperature martensitic steel", " 5.1.Выслег.кор,жаро(-стойк,-прочные)Мартенс класса.", " 5.1.Вислег.кор,жаро(-стійк,-міцні)Мартенс класу.", " 5.1.High-alloy corrosion-resistant high-temperature martensitic steel", " 5.1.High-alloy corrosion-resistant high-temperature martensitic steel"}},
    {"*.502", {" 5.2.-martensitic-ferritic steel", " 5.2.-Мартенситно-ферритного класса", " 5.2.-Мартенситно-феритного класу", " 5.2.-martensitic-ferritic steel", " 5.2.-martensitic-ferritic steel"}},
    {"*.503", {" 5.3.-ferritic steel", " 5.3.-Ферритного класса", " 5.3.-Феритного класу", " 5.3.-ferritic steel", " 5.3.-ferritic steel"}},
};

const Text5 chooser_title{
    "  Choose group and mark of steel",
    "  Выберите группу и марку стали",
    "  Виберіть групу та марку сталі",
    "  Wählen Sie die Gruppe und die Marke wurden",
    "  Choisissez le groupe et la marque de l'acier",
};

template <std::size_t N>
std::vector<FileFilter> filters_of(const SteelFilterRow (&rows)[N], Language language)
{
    std::vector<FileFilter> out;
    out.reserve(N);
    for (const auto& row : rows) out.push_back(FileFilter{pick(row.description, language), row.pattern});
    return out;
}

const Text5 missing_folder_text{
    "The atlas folder %s does not exist. Set VELMARIN_DATA to the folder that holds the atlases.",
    "Папка атласа %s не существует. Укажите в VELMARIN_DATA папку, в которой лежат атласы.",
    "Тека атласу %s не існує. Вкажіть у VELMARIN_DATA теку, у якій лежать атласи.",
    "Der Atlasordner %s existiert nicht. Setzen Sie VELMARIN_DATA auf den Ordner, der die Atlanten enthält.",
    "Le dossier d'atlas %s n'existe pas. Donnez à VELMARIN_DATA le dossier qui contient les atlas.",
};

SteelChoice run_chooser(Window* owner, std::vector<FileFilter> filters, int filter_index, std::string& path,
                        const std::string& folder)
{
    // A chooser over a folder that is not there would open on some other
    // folder: name the missing one instead and choose nothing new.
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        message_box(owner, cformat(pick(missing_folder_text), folder.c_str()), "WARNING", mb_iconerror);
        if (owner && is_window(owner)) invalidate_window(owner, true);
        SteelChoice choice;
        choice.file_name = path;
        choice.filter_index = filter_index;
        choice.filters = std::move(filters);
        choice.initial_dir = folder;
        choice.title = steel_chooser_title();
        return choice;
    }

    // Built whole: assigning the strings one by one sets off a false
    // -Wrestrict inside std::string at -O3 with GCC 12.
    FileDialogRequest request{.owner = owner,
                              .filters = std::move(filters),
                              .filter_index = filter_index,
                              .file_name = path,
                              .initial_dir = folder,
                              .title = steel_chooser_title(),
                              .default_extension = "*",
                              .must_exist = true};
    const bool chosen = file_open_dialog(request);
    if (!chosen) {
        const unsigned long error = file_dialog_error();
        if (error != 0)
            message_box(owner, cformat("GetOpenFileName returned Error #%ld", static_cast<long>(error)), "WARNING",
                        mb_iconerror);
    }
    if (owner && is_window(owner)) invalidate_window(owner, true);
    if (chosen) path = request.file_name;
    SteelChoice choice;
    choice.file_name = path;
    choice.filter_index = request.filter_index;
    choice.accepted = chosen;
    choice.filters = std::move(request.filters);
    choice.initial_dir = request.initial_dir;
    choice.title = request.title;
    return choice;
}

} // namespace

std::vector<FileFilter> seyffarth_steel_filters(Language language) { return filters_of(seyffarth_classes, language); }
std::vector<FileFilter> shorshorov_steel_filters(Language language) { return filters_of(shorshorov_groups, language); }
std::vector<FileFilter> seyffarth_steel_filters() { return seyffarth_steel_filters(current_language()); }
std::vector<FileFilter> shorshorov_steel_filters() { return shorshorov_steel_filters(current_language()); }
const char* steel_chooser_title() { return pick(chooser_title); }

SteelChoice choose_seyffarth_steel(Window* owner)
{
    SteelChoice choice = run_chooser(owner, seyffarth_steel_filters(), seyffarth_filter_index, seyffarth_steel_path,
                                     seyffarth_atlas_folder());
    seyffarth_filter_index = choice.filter_index;
    return choice;
}

SteelChoice choose_shorshorov_steel(Window* owner)
{
    return run_chooser(owner, shorshorov_steel_filters(), 0, shorshorov_steel_path, shorshorov_atlas_folder());
}
