// The page's default font, apart from the plot toolkit's drawing so that a
// program that draws plots without fonts of its own need not link the font
// metrics.
#include "plot.h"

#include "fonts.h"

#include <algorithm>

void select_page_default_font(Canvas& page, Rect screen_client)
{
    if (screen_client.height() <= 0) return;
    Rect plot;
    get_print_plot_rect(page, plot);
    FontRecord found = page.selected_font();
    const long long em = font_cell_metrics(found).em;
    found.height = -static_cast<int>(std::max(1LL, em * plot.height() / screen_client.height()));
    page.select_font(found);
}
