// The About pictures and the application icon as the program loads them: found
// by name, of the size the About box lays out for, and drawn the way they
// look (PNG files in the test output folder, to look at).

#include "canvas.h"
#include "image_canvas.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string output_dir = VELMARIN_TEST_OUTPUT_DIR "/resources/";

// The backgrounds are a dark blue gradient; the text and the isotherms are
// light or warm. Count the pixels that are clearly not background.
int bright_pixels(const ImageCanvas& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            Rgb c = image.pixel(x, y);
            if (c.r + c.g + c.b > 600) ++count;
        }
    return count;
}

}  // namespace

TEST(AboutPictures, EachLanguageHasItsPictureAt300By380)
{
    for (const char* name : {"ATLAS_E", "ATLAS_RU", "ATLAS_UA", "ATLAS_D", "ATLAS_F"}) {
        Picture picture = load_picture_resource(name);
        ASSERT_TRUE(picture.valid()) << name;
        EXPECT_EQ(picture.width, 300) << name;
        EXPECT_EQ(picture.height, 380) << name;

        ImageCanvas image(300, 380, Rgb{255, 0, 255});
        image.canvas().draw_picture(picture, Rect{0, 0, 300, 380});
        EXPECT_TRUE(image.save_png(output_dir + name + ".png")) << name;

        // The picture covers its whole rectangle: no magenta shows through.
        for (auto [x, y] : {std::pair{1, 1}, std::pair{298, 1}, std::pair{1, 378}, std::pair{298, 378}}) {
            Rgb c = image.pixel(x, y);
            EXPECT_FALSE(c.r == 255 && c.g == 0 && c.b == 255) << name << " at " << x << "," << y;
            EXPECT_LT(c.r + c.g + c.b, 250) << name << ": the corners are dark blue";
        }
        // Title, plate and curve are drawn: a good share of light pixels.
        EXPECT_GT(bright_pixels(image), 300 * 380 / 10) << name;
    }
    // Names match without regard to case, as resource names do.
    EXPECT_TRUE(load_picture_resource("atlas_ua").valid());
}

TEST(AboutPictures, ApplicationIconIsNamedByTheClass)
{
    Picture icon = load_picture_resource("TRUETYPE");
    ASSERT_TRUE(icon.valid());
    EXPECT_EQ(icon.width, 32);
    EXPECT_EQ(icon.height, 32);
    ImageCanvas image(128, 128);
    image.canvas().draw_picture(icon, Rect{0, 0, 128, 128});
    EXPECT_TRUE(image.save_png(output_dir + "TRUETYPE.png"));
    // The arc at the head of the bead is white, in the middle height of the icon.
    Rgb arc = image.pixel(22 * 4, 16 * 4);
    EXPECT_GT(arc.r + arc.g + arc.b, 700);
}
