// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/web/form1_page.h"

#include <string>

#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/web/control_object.h"
#include "window/web/page_library.h"

namespace ombrix {
namespace {

// Strings handed to the page end with a NUL; the table's views are parts of
// literals, so each is copied.
std::string Terminated(std::string_view text) { return std::string(text); }

int PlaceNumber(Box box) { return static_cast<int>(PlaceOf(box)); }

}  // namespace

Form1Page::Form1Page() {
    ombrix_page_open(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight));
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) ombrix_page_add_control(ControlObject(k).c_str());
    ombrix_page_ready(PlaceNumber(StartFocus));
}

std::string Form1Page::Text(Box box) const {
    const int place = PlaceNumber(box);
    std::string text(static_cast<std::size_t>(ombrix_page_text_length(place)), '\0');
    ombrix_page_copy_text(place, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

void Form1Page::SetText(Box box, std::string_view text) {
    ombrix_page_set_text(PlaceNumber(box), Terminated(text).c_str());
}

void Form1Page::AnnounceResult(std::string_view text) { ombrix_page_announce(Terminated(text).c_str()); }

void Form1Page::SetResultNote(std::string_view note) {
    ombrix_page_set_note(PlaceNumber(ResultBox), Terminated(note).c_str());
}

void Form1Page::ShowErrorReport(const ErrorReport& report) {
    ombrix_page_show_report(report.title.c_str(), report.text.c_str(), report.button.c_str());
}

void Form1Page::Exit() { ombrix_page_end(); }

}  // namespace ombrix
