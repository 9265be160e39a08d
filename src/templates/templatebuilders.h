#pragma once

namespace zef {

class TemplateCanvas;

// The starter layouts, each drawn by rules from the canvas's screen and fonts.
// False when the layout cannot be made on that device (a field its class does
// not offer, a screen of the wrong shape, or no font that fits).

// One labelled value filling the screen.
bool buildBigValue(TemplateCanvas& canvas);
// Two labelled values one above the other.
bool buildTwoRows(TemplateCanvas& canvas);
// Four labelled values, two by two, with separator lines.
bool buildGrid4(TemplateCanvas& canvas);
// Six labelled values, two across and three down (three across on wide screens).
bool buildGrid6(TemplateCanvas& canvas);
// Round screens: an arc gauge along the top of the bezel over four labelled values.
bool buildRoundGauge(TemplateCanvas& canvas);
// Tall screens: the next point's name on a strip, then the way to it and to
// the destination, speed and time.
bool buildNavigation(TemplateCanvas& canvas);

} // namespace zef
