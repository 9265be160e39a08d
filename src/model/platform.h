#pragma once

#include "layoutelement.h"

#include <QString>

#include <optional>

namespace zef {

// ReplaceSaveAsCancel: "Replace", "Save As..." and "Cancel", answered with
// Replace, SaveAs or Cancel.
enum class MessageButtons { Ok, YesNo, YesNoCancel, ReplaceSaveAsCancel };
enum class MessageIcon { None, Information, Warning, Question, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No, Replace, SaveAs };

// The few modal and system facilities the designer needs: message boxes, file
// dialogs, the colour picker and the clipboard. The program uses the Qt
// implementation; tests use a scripted one that never blocks.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(const QString& text,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::Warning) = 0;

    // The chosen file, or an empty text when the user cancelled.
    virtual QString getOpenFileName(const QString& directory, const QString& filter) = 0;
    // The chosen file (the default suffix added when it has none, overwrite
    // confirmed), or an empty text when the user cancelled.
    virtual QString getSaveFileName(const QString& suggestedPath, const QString& filter,
                                    const QString& defaultSuffix) = 0;

    // The chosen colour as 0x00BBGGRR, or nothing when cancelled.
    virtual std::optional<Bgr> pickColor(Bgr initial) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

} // namespace zef
