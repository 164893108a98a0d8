#pragma once
// Stand-in for the user in tests: records every message and question and answers from queues.
// An unexpected question or chooser with an empty queue answers "No"/cancel and is recorded, so a test
// never blocks on a dialog.

#include "core/app/UserInteraction.h"

#include <QString>
#include <QStringList>
#include <deque>

namespace kvq::test {

class ScriptedUserInteraction final : public UserInteraction {
public:
    struct Shown {
        QString kind; // "message", "question", "input", "open", "save", "folder"
        QString title;
        QString text;
    };

    void message(const QString& text, const QString& title, Icon icon) override;
    bool question(const QString& text, const QString& title) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> openFileName(const QString& title, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> folderName(const QString& title, const QString& folder) override;
    void beep() override { ++beeps; }

    std::deque<bool> answers;                 // for question()
    std::deque<std::optional<QString>> texts; // for inputText() and the choosers
    std::vector<Shown> shown;
    int beeps = 0;

    QStringList messages() const; // texts of message() calls in order
    QString lastMessage() const {
        const auto m = messages();
        return m.isEmpty() ? QString() : m.last();
    }
    void clear() {
        shown.clear();
        beeps = 0;
    }

private:
    std::optional<QString> nextText();
};

} // namespace kvq::test
