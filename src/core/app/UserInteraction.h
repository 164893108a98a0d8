#pragma once
// Everything that asks the user something or tells them something goes through this interface: the
// program shows Qt dialogs, tests use a scripted stand-in that records and answers from a queue.

#include <QString>
#include <optional>

namespace kvq {

class UserInteraction {
public:
    enum class Icon { Information, Warning, Error };
    virtual ~UserInteraction() = default;

    virtual void message(const QString& text, const QString& title = {}, Icon icon = Icon::Information) = 0;
    // Yes/No question; true for Yes.
    virtual bool question(const QString& text, const QString& title = {}) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial = {}) = 0;
    // File and folder choosers; nullopt when cancelled. `filter` in Qt's form ("Route (*.ROUTE)").
    virtual std::optional<QString> openFileName(const QString& title, const QString& folder,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& folder,
                                                const QString& filter) = 0;
    virtual std::optional<QString> folderName(const QString& title, const QString& folder) = 0;
    // A short audible signal (the classic message beep).
    virtual void beep() {}
};

} // namespace kvq
