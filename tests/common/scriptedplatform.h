#pragma once

#include "model/platform.h"

#include <QStringList>

#include <deque>

namespace zef {

// A platform that answers from queues and records what it was asked. When a
// queue is empty it answers as a user pressing Escape would (Cancel/No, no file,
// no colour), so nothing ever waits for input.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    std::deque<MessageAnswer> answers;
    std::deque<QString> openFileNames;
    std::deque<QString> saveFileNames;
    std::deque<std::optional<Bgr>> colors;
    QString clipboard;

    std::vector<Message> messages;
    int openDialogs = 0;
    int saveDialogs = 0;
    int colorDialogs = 0;
    QString lastSaveSuggestion;
    QString lastOpenDirectory;

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : messages) texts << m.text;
        return texts;
    }

    MessageAnswer showMessage(const QString& text, MessageButtons buttons,
                              MessageIcon icon) override {
        messages.push_back({text, buttons, icon});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    QString getOpenFileName(const QString& directory, const QString&) override {
        ++openDialogs;
        lastOpenDirectory = directory;
        return pop(openFileNames);
    }
    QString getSaveFileName(const QString& suggestedPath, const QString&, const QString&) override {
        ++saveDialogs;
        lastSaveSuggestion = suggestedPath;
        return pop(saveFileNames);
    }
    std::optional<Bgr> pickColor(Bgr) override {
        ++colorDialogs;
        if (colors.empty()) return std::nullopt;
        auto c = colors.front();
        colors.pop_front();
        return c;
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }

private:
    static QString pop(std::deque<QString>& q) {
        if (q.empty()) return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

} // namespace zef
