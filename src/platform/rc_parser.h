// Reader of the program's resource scripts: dialog templates, menus and the
// string table, in the classic resource-script syntax (see resources/README.md).
//
//   RcFile parse_rc(text, file_name)   parse one script; never throws, never
//                                      stops at the first fault: every error is
//                                      collected with its file and line and the
//                                      faulty block is skipped.
//
// Plain data only; the dialog and menu code builds windows from these records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Style bits, with the values of the classic interface so that numeric styles
// in a script mean what they meant there.
namespace rcstyle {
inline constexpr std::uint32_t ws_popup = 0x80000000u;
inline constexpr std::uint32_t ws_child = 0x40000000u;
inline constexpr std::uint32_t ws_visible = 0x10000000u;
inline constexpr std::uint32_t ws_disabled = 0x08000000u;
inline constexpr std::uint32_t ws_caption = 0x00C00000u;
inline constexpr std::uint32_t ws_border = 0x00800000u;
inline constexpr std::uint32_t ws_dlgframe = 0x00400000u;
inline constexpr std::uint32_t ws_vscroll = 0x00200000u;
inline constexpr std::uint32_t ws_hscroll = 0x00100000u;
inline constexpr std::uint32_t ws_sysmenu = 0x00080000u;
inline constexpr std::uint32_t ws_thickframe = 0x00040000u;
inline constexpr std::uint32_t ws_group = 0x00020000u;
inline constexpr std::uint32_t ws_tabstop = 0x00010000u;
inline constexpr std::uint32_t ds_absalign = 0x01u;
inline constexpr std::uint32_t ds_modalframe = 0x80u;
inline constexpr std::uint32_t ds_center = 0x0800u;
// Edit
inline constexpr std::uint32_t es_center = 0x1u;
inline constexpr std::uint32_t es_right = 0x2u;
inline constexpr std::uint32_t es_multiline = 0x4u;
inline constexpr std::uint32_t es_password = 0x20u;
inline constexpr std::uint32_t es_readonly = 0x800u;
inline constexpr std::uint32_t es_number = 0x2000u;
// Static (low byte is the type)
inline constexpr std::uint32_t ss_typemask = 0x1Fu;
inline constexpr std::uint32_t ss_left = 0x0u;
inline constexpr std::uint32_t ss_center = 0x1u;
inline constexpr std::uint32_t ss_right = 0x2u;
inline constexpr std::uint32_t ss_icon = 0x3u;
inline constexpr std::uint32_t ss_blackrect = 0x4u;
inline constexpr std::uint32_t ss_grayrect = 0x5u;
inline constexpr std::uint32_t ss_whiterect = 0x6u;
inline constexpr std::uint32_t ss_blackframe = 0x7u;
inline constexpr std::uint32_t ss_grayframe = 0x8u;
inline constexpr std::uint32_t ss_whiteframe = 0x9u;
inline constexpr std::uint32_t ss_simple = 0xBu;
inline constexpr std::uint32_t ss_leftnowordwrap = 0xCu;
inline constexpr std::uint32_t ss_bitmap = 0xEu;
inline constexpr std::uint32_t ss_etchedframe = 0x12u;
inline constexpr std::uint32_t ss_noprefix = 0x80u;
inline constexpr std::uint32_t ss_notify = 0x100u;
inline constexpr std::uint32_t ss_centerimage = 0x200u;
inline constexpr std::uint32_t ss_sunken = 0x1000u;
// Button (low nibble is the type)
inline constexpr std::uint32_t bs_typemask = 0xFu;
inline constexpr std::uint32_t bs_pushbutton = 0x0u;
inline constexpr std::uint32_t bs_defpushbutton = 0x1u;
inline constexpr std::uint32_t bs_checkbox = 0x2u;
inline constexpr std::uint32_t bs_autocheckbox = 0x3u;
inline constexpr std::uint32_t bs_radiobutton = 0x4u;
inline constexpr std::uint32_t bs_3state = 0x5u;
inline constexpr std::uint32_t bs_auto3state = 0x6u;
inline constexpr std::uint32_t bs_groupbox = 0x7u;
inline constexpr std::uint32_t bs_autoradiobutton = 0x9u;
// Combo box (low nibble is the type)
inline constexpr std::uint32_t cbs_simple = 0x1u;
inline constexpr std::uint32_t cbs_dropdown = 0x2u;
inline constexpr std::uint32_t cbs_dropdownlist = 0x3u;
inline constexpr std::uint32_t cbs_sort = 0x100u;
}  // namespace rcstyle

// Well-known identifiers.
inline constexpr int id_ok = 1;
inline constexpr int id_cancel = 2;
inline constexpr int id_static = -1;

enum class ControlKind {
    static_text,     // LTEXT, CTEXT, RTEXT, Static with a text style
    static_frame,    // Static frames and rectangles (black frame, etched ...)
    static_bitmap,   // Static with SS_BITMAP: the text names the picture
    edit,
    push_button,     // also the default push button (style bs_defpushbutton)
    check_box,
    radio_button,
    group_box,
    combo_box,
    list_box,
    progress_bar,
    status_bar,
};

enum class TextAlign { left, center, right };

struct ControlTemplate {
    ControlKind kind = ControlKind::static_text;
    std::string text;
    int id = id_static;
    int x = 0, y = 0, cx = 0, cy = 0;   // dialog units, relative to the client area
    std::uint32_t style = 0;            // with the statement's default style bits
    std::uint32_t ex_style = 0;
    std::string class_name;             // "Static", "Button", "Edit", ...
    int line = 0;

    bool is_default_button() const
    {
        return kind == ControlKind::push_button && (style & rcstyle::bs_typemask) == rcstyle::bs_defpushbutton;
    }
    bool is_auto() const;               // auto check box / auto radio button
    TextAlign align() const;            // static texts and edits
};

struct DialogTemplate {
    std::string name;
    int x = 0, y = 0, cx = 0, cy = 0;   // dialog units; cx, cy is the client area
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    std::string caption;
    int font_size = 8;                  // points
    std::string font_face = "MS Sans Serif";
    std::vector<ControlTemplate> controls;
    std::string file;
    int line = 0;

    const ControlTemplate* control(int id) const;
};

struct MenuItemTemplate {
    std::string text;                   // with '&' mnemonics, "\t" accelerators
    int id = 0;
    bool separator = false;
    bool popup = false;
    bool grayed = false;
    bool inactive = false;
    bool checked = false;
    std::vector<MenuItemTemplate> items;   // popup contents
};

struct MenuTemplate {
    std::string name;
    std::vector<MenuItemTemplate> items;
    std::string file;
    int line = 0;
};

struct RcError {
    std::string file;
    int line = 0;
    std::string message;
    std::string text() const;           // "file:line: message"
};

struct RcFile {
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<std::pair<int, std::string>> strings;
    std::vector<RcError> errors;
};

RcFile parse_rc(std::string_view text, const std::string& file_name);

// Names are compared without regard to (ASCII) case, as resource names were.
bool rc_name_equal(std::string_view a, std::string_view b);
