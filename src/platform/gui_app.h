// The Qt application the platform layer needs (fonts, images, windows).
#pragma once

// Makes sure a Qt application object exists; creates one when none does,
// on the offscreen platform when there is no display (no DISPLAY and no
// WAYLAND_DISPLAY, and QT_QPA_PLATFORM unset). Safe to call often; call it
// from the main thread. The object lives until the process ends.
void ensure_gui_app();
