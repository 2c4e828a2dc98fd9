// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page's layer (page_library.js) does for Form1Page. Texts are UTF-8
// and end with a NUL; a place is the control's index in Form1Controls. The
// window itself, its caption, controls and places, the report's texts and the
// font are in the page's files already, written from the same table when the
// site was built; the program attaches to them.
extern "C" {
void ombrix_page_open(int width, int height);
// One control, as ControlObject gives it: the layer takes the page's element
// of that name, refuses one that is not the table's, and attaches behaviour.
void ombrix_page_add_control(const char* control);
void ombrix_page_ready(int focusPlace);
int ombrix_page_text_length(int place);
void ombrix_page_copy_text(int place, char* text, int size);
void ombrix_page_set_text(int place, const char* text);
void ombrix_page_set_note(int place, const char* note);
void ombrix_page_announce(const char* text);
void ombrix_page_show_report(const char* title, const char* text, const char* button);
void ombrix_page_end();
}
