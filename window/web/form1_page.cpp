// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/web/form1_page.h"

#include <string>

#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/web/page_library.h"

namespace ombrix {
namespace {

// Strings handed to the page end with a NUL; the table's views are parts of
// literals, so each is copied.
std::string Terminated(std::string_view text) { return std::string(text); }

int PlaceNumber(Box box) { return static_cast<int>(PlaceOf(box)); }

// The name of the box that a label names, for the label's "for".
std::string_view BoxName(const ControlPlace& label) {
    return label.box ? Form1Controls[PlaceOf(*label.box)].name : std::string_view{};
}

}  // namespace

Form1Page::Form1Page() {
    ombrix_page_open(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight));
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        const ControlPlace& place = Form1Controls[k];
        ombrix_page_add_control(static_cast<int>(k), Terminated(ControlKindName(place.kind)).c_str(),
                                Terminated(place.name).c_str(), Terminated(place.caption).c_str(),
                                TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
                                TwipsToPixels(place.height), Terminated(place.accessibleName).c_str(),
                                Terminated(place.accessibleDescription).c_str(),
                                Terminated(place.kind == ControlKind::Label ? BoxName(place) : "").c_str());
    }
    ombrix_page_ready(PlaceNumber(StartFocus));
}

std::string Form1Page::Text(Box box) const {
    const int place = PlaceNumber(box);
    std::string text(static_cast<std::size_t>(ombrix_page_text_length(place)), '\0');
    ombrix_page_copy_text(place, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

void Form1Page::SetText(Box box, std::string_view text) {
    // A screen reader is told each new result.
    ombrix_page_set_text(PlaceNumber(box), Terminated(text).c_str(), box == ResultBox ? 1 : 0);
}

void Form1Page::SetResultNote(std::string_view note) {
    ombrix_page_set_note(PlaceNumber(ResultBox), Terminated(note).c_str());
}

void Form1Page::ShowErrorReport(const ErrorReport& report) {
    ombrix_page_show_report(report.title.c_str(), report.text.c_str(), report.button.c_str());
}

void Form1Page::Exit() { ombrix_page_end(); }

}  // namespace ombrix
