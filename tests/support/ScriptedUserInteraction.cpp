#include "ScriptedUserInteraction.h"

namespace kvq::test {

void ScriptedUserInteraction::message(const QString& text, const QString& title, Icon) {
    shown.push_back({QStringLiteral("message"), title, text});
}

bool ScriptedUserInteraction::question(const QString& text, const QString& title) {
    shown.push_back({QStringLiteral("question"), title, text});
    if (answers.empty())
        return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedUserInteraction::nextText() {
    if (texts.empty())
        return std::nullopt;
    const bool cancelled = !texts.front().has_value();
    const QString value = cancelled ? QString() : *texts.front();
    texts.pop_front();
    if (cancelled)
        return std::nullopt;
    return value;
}

std::optional<QString> ScriptedUserInteraction::inputText(const QString& title, const QString& prompt,
                                                          const QString&) {
    shown.push_back({QStringLiteral("input"), title, prompt});
    return nextText();
}

std::optional<QString> ScriptedUserInteraction::openFileName(const QString& title, const QString& folder,
                                                             const QString&) {
    shown.push_back({QStringLiteral("open"), title, folder});
    return nextText();
}

std::optional<QString> ScriptedUserInteraction::saveFileName(const QString& title, const QString& folder,
                                                             const QString&) {
    shown.push_back({QStringLiteral("save"), title, folder});
    return nextText();
}

std::optional<QString> ScriptedUserInteraction::folderName(const QString& title, const QString& folder) {
    shown.push_back({QStringLiteral("folder"), title, folder});
    return nextText();
}

QStringList ScriptedUserInteraction::messages() const {
    QStringList out;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("message"))
            out << s.text;
    return out;
}

} // namespace kvq::test
