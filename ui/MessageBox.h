#pragma once
// The program's message boxes: one type, one button set and a text each. A line break inside a
// message is a single carriage return. Tests answer the boxes through a hook.

#include <QString>
#include <functional>

class QWidget;

namespace custos::ui {

enum class MessageType
{
    Information,
    Warning,
    Error,
    Confirmation
};

enum class MessageButtons
{
    Ok,
    YesNo,
    OkCancel
};

enum class MessageResult
{
    Ok,
    Cancel,
    Yes,
    No
};

// The application title: the caption of every message box. (It is not the application's
// display name, which the platform would append to every window's caption.)
QString applicationTitle();

// Shows a modal box titled with the application title and returns the button pressed. Closing
// the box without a button counts as Cancel or No (OK for the one-button box).
MessageResult showMessage(MessageType type, MessageButtons buttons, const QString& text,
                          QWidget* parent = nullptr);
// The same with a detail text the box keeps collapsed until the user asks for it (empty: none).
MessageResult showMessage(MessageType type, MessageButtons buttons, const QString& text, const QString& detail,
                          QWidget* parent = nullptr);

// While a hook is installed, showMessage shows nothing and returns what the hook answers.
using MessageHook = std::function<MessageResult(MessageType, MessageButtons, const QString& text)>;
// A hook that also reads the detail text.
using DetailedMessageHook =
    std::function<MessageResult(MessageType, MessageButtons, const QString& text, const QString& detail)>;

class ScopedMessageHook
{
public:
    explicit ScopedMessageHook(MessageHook hook);
    explicit ScopedMessageHook(DetailedMessageHook hook);
    ~ScopedMessageHook();
    ScopedMessageHook(const ScopedMessageHook&) = delete;
    ScopedMessageHook& operator=(const ScopedMessageHook&) = delete;

private:
    DetailedMessageHook m_previous;
};

} // namespace custos::ui
