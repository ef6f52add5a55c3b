#include "atlas_files.h"
#include "dialog_driver.h"
#include "lang.h"
#include "msgbox.h"
#include "steel_choice.h"

#include <gtest/gtest.h>

namespace {

class SteelChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        message_box_take_log();
        set_language(Language::english);
        seyffarth_filter_index = 0;
        seyffarth_steel_path.clear();
        shorshorov_steel_path.clear();
    }
    void TearDown() override { set_language(Language::english); }
};

} // namespace

TEST_F(SteelChoiceTest, SeyffarthChooserRemembersClassAndFile)
{
    push_chooser_answer({true, "/atlas/s355.sm1", 7, {}});
    const SteelChoice first = choose_seyffarth_steel(nullptr);
    EXPECT_TRUE(first.accepted);
    EXPECT_EQ(first.file_name, "/atlas/s355.sm1");
    EXPECT_EQ(first.filter_index, 7);
    EXPECT_EQ(first.title, "  Choose group and mark of steel");
    EXPECT_EQ(first.initial_dir, seyffarth_atlas_folder());
    ASSERT_EQ(first.filters.size(), 15u);
    EXPECT_EQ(first.filters[6], (FileFilter{" 7.Model of C-Mn steel", "*.sm1"}));
    EXPECT_EQ(seyffarth_filter_index, 7);
    EXPECT_EQ(seyffarth_steel_path, "/atlas/s355.sm1");

    // Cancelled: the previous file and class come back, silently.
    const SteelChoice again = choose_seyffarth_steel(nullptr);
    EXPECT_FALSE(again.accepted);
    EXPECT_EQ(again.file_name, "/atlas/s355.sm1");
    EXPECT_EQ(again.filter_index, 7);
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_F(SteelChoiceTest, FirstChoiceBeforeAnyFileIsEmptyWhenCancelled)
{
    const SteelChoice c = choose_seyffarth_steel(nullptr);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.file_name, "");
    EXPECT_EQ(c.filter_index, 0);   // the chooser opens with the first class
}

TEST_F(SteelChoiceTest, ShorshorovChooserAlwaysStartsWithTheFirstGroup)
{
    push_chooser_answer({true, "/atlas/st3.200", 2, {}});
    SteelChoice c = choose_shorshorov_steel(nullptr);
    EXPECT_EQ(c.filter_index, 2);
    EXPECT_EQ(c.initial_dir, shorshorov_atlas_folder());
    ASSERT_EQ(c.filters.size(), 28u);
    EXPECT_EQ(c.filters[0], (FileFilter{"1.Carbon ordinary quality ", "*.100"}));
    EXPECT_EQ(c.filters[27], (FileFilter{" 5.3.-ferritic steel", "*.503"}));
    c = choose_shorshorov_steel(nullptr);   // cancelled
    EXPECT_EQ(c.filter_index, 0);
    EXPECT_EQ(c.file_name, "/atlas/st3.200");
}

TEST_F(SteelChoiceTest, ListsAndTitlesFollowTheLanguage)
{
    set_language(Language::german);
    const auto german = seyffarth_steel_filters();
    EXPECT_EQ(german[9], (FileFilter{" 10.Anlegierter Stahlgus", "*.gs1"}));
    EXPECT_EQ(std::string(steel_chooser_title()), "  Wählen Sie die Gruppe und die Marke wurden");
    push_chooser_answer({true, "/atlas/x.gs1", 10, {}});
    EXPECT_EQ(choose_seyffarth_steel(nullptr).filter_index, 10);
    EXPECT_EQ(shorshorov_steel_filters()[2].description, " 3.1.-Low-alloyed constructional silicomanganese steel ");

    set_language(Language::russian);
    EXPECT_EQ(seyffarth_steel_filters()[0].description, " 1.Общие строительные стали");
    EXPECT_EQ(shorshorov_steel_filters()[9], (FileFilter{" 4.1.Легированая конструкционная Хромистая", "*.401"}));
    EXPECT_EQ(std::string(steel_chooser_title()), "  Выберите группу и марку стали");

    set_language(Language::ukrainian);
    EXPECT_EQ(seyffarth_steel_filters()[14], (FileFilter{" 15.Метал наплавлений під флюсом", "*.sg3"}));

    set_language(Language::french);
    EXPECT_EQ(seyffarth_steel_filters()[0].description, " 1.General-application building steels");
    EXPECT_EQ(std::string(steel_chooser_title()), "  Choisissez le groupe et la marque de l'acier");

    const char* patterns[] = {"*.sp0", "*.sp1", "*.sp2", "*.sp3", "*.sp4", "*.sp5", "*.sm1", "*.sm2",
                              "*.sm3", "*.gs1", "*.gs2", "*.gs3", "*.sg1", "*.sg2", "*.sg3"};
    const auto list = seyffarth_steel_filters(Language::english);
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(list[i].pattern, patterns[i]);
}
