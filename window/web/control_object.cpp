// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/web/control_object.h"

#include <string_view>

#include "window/form1_layout.h"
#include "window/web/json_text.h"

namespace ombrix {
namespace {

// A label is no HTML <label>, which would give its box the focus on a click:
// the classic label takes no part in the focus. Its box names itself after
// it with aria-labelledby.
std::string_view TagOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "span";
    case ControlKind::TextBox: return "input";
    case ControlKind::Button: return "button";
    }
    return "";
}

std::string_view LabelOf(const ControlPlace& place) {
    if (place.kind != ControlKind::TextBox) return {};
    for (const ControlPlace& label : Form1Controls)
        if (label.kind == ControlKind::Label && label.box == place.box) return label.name;
    return {};
}

}  // namespace

std::string ControlObject(std::size_t k) {
    const ControlPlace& place = Form1Controls[k];
    const auto number = [](auto value) { return std::to_string(value); };
    return JsonObject({
        {"place", number(k)},
        {"kind", JsonString(ControlKindName(place.kind))},
        {"tag", JsonString(TagOf(place.kind))},
        {"name", JsonString(place.name)},
        {"caption", JsonString(place.caption)},
        {"left", number(TwipsToPixels(place.left))},
        {"top", number(TwipsToPixels(place.top))},
        {"width", number(TwipsToPixels(place.width))},
        {"height", number(TwipsToPixels(place.height))},
        {"accessibleName", JsonString(place.accessibleName)},
        {"accessibleDescription", JsonString(place.accessibleDescription)},
        {"labelledBy", JsonString(LabelOf(place))},
        {"maxLength", number(BoxTextLimit)},
    });
}

}  // namespace ombrix
