// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/web/control_object.h"

#include <string_view>

#include "window/form1_layout.h"
#include "window/web/json_text.h"

namespace ombrix {

std::string ControlObject(std::size_t k) {
    const ControlPlace& place = Form1Controls[k];
    const auto number = [](auto value) { return std::to_string(value); };
    const std::string_view labelFor =
        place.kind == ControlKind::Label && place.box ? Form1Controls[PlaceOf(*place.box)].name : std::string_view{};
    return JsonObject({
        {"place", number(k)},
        {"kind", JsonString(ControlKindName(place.kind))},
        {"name", JsonString(place.name)},
        {"caption", JsonString(place.caption)},
        {"left", number(TwipsToPixels(place.left))},
        {"top", number(TwipsToPixels(place.top))},
        {"width", number(TwipsToPixels(place.width))},
        {"height", number(TwipsToPixels(place.height))},
        {"accessibleName", JsonString(place.accessibleName)},
        {"accessibleDescription", JsonString(place.accessibleDescription)},
        {"labelFor", JsonString(labelFor)},
        {"maxLength", number(BoxTextLimit)},
    });
}

}  // namespace ombrix
