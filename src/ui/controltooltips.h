#pragma once

#include "model/layoutelement.h"

#include <QString>

class QComboBox;
class QWidget;

namespace zef {

struct DesignerControls;
struct DeviceInfo;
class DeviceFonts;

// Tooltips for the controls of the template that run no command of the menus
// (those take their action's tooltip): what each does, its unit and its keys.
// The labels that the template does not keep are found by their text under
// templateArea.
void setControlToolTips(const DesignerControls& ui, QWidget* templateArea);

// Each entry of the font list: its device font and the pixel size at which
// the preview draws it on this device (from the fonts file).
void describeFontSlots(QComboBox* fontList, const DeviceInfo& device, const DeviceFonts& fonts);

// An element list row's tooltip: the row's text, then where the element is and
// how large.
QString elementToolTip(const LayoutElement& e, const QString& rowText);

} // namespace zef
