// The message loop of the program.
//
//   int code = run_message_loop();   // until post_quit_message (the main
//                                    // window procedure posts it on destroy)
//   process_pending_messages();      // serve what is queued (repaints,
//                                    // posted commands) and return: tests
//
// The loop makes sure the Qt application exists (ensure_gui_app).
#pragma once

int run_message_loop();
void post_quit_message(int exit_code);
// True after post_quit_message until the loop has returned.
bool quit_posted();
void process_pending_messages();
