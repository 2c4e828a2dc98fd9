// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one Form1, and what its layer calls when the user acts.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <string_view>

#include "window/commands.h"
#include "window/form1_layout.h"
#include "window/web/form1_page.h"

namespace {

std::unique_ptr<ombrix::Form1Page> page;

const ombrix::ControlPlace* PlaceAt(int place) {
    if (!page || place < 0 || static_cast<std::size_t>(place) >= ombrix::Form1Controls.size()) return nullptr;
    return &ombrix::Form1Controls[static_cast<std::size_t>(place)];
}

}  // namespace

extern "C" {

// A click on the button at `place`, by the mouse, a touch or a key.
EMSCRIPTEN_KEEPALIVE void ombrix_click(int place) {
    if (const auto* control = PlaceAt(place); control && control->command)
        ombrix::ClickCommand(*page, *control->command);
}

// The user changed the text of the box at `place`.
EMSCRIPTEN_KEEPALIVE void ombrix_edited(int place) {
    if (const auto* control = PlaceAt(place); control && control->kind == ombrix::ControlKind::TextBox)
        ombrix::BoxEdited(*page, *control->box);
}

// What a box keeps of a text pasted or dropped into it. The text stays
// valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* ombrix_first_line(const char* text) {
    static std::string line;
    line = ombrix::FirstLine(std::string_view(text));
    return line.c_str();
}

// Starts Ombrix again in the page, after its exit button ended it.
EMSCRIPTEN_KEEPALIVE void ombrix_restart() {
    page.reset();
    page = std::make_unique<ombrix::Form1Page>();
}

}  // extern "C"

int main() {
    page = std::make_unique<ombrix::Form1Page>();
    return 0;
}
