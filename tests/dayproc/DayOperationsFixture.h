#pragma once
// Driving the day operations of the main window in tests: the message boxes answered from a
// queue (and noted, with their detail text), and the modal window an operation opens handled
// once it shows.

#include "MessageBox.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

namespace custos::test {

struct ShownMessage
{
    ui::MessageType type;
    ui::MessageButtons buttons;
    QString text;
    QString detail;
};

class MessageAnswers
{
public:
    // Boxes without a queued answer get Yes or OK.
    MessageAnswers()
        : m_hook([this](ui::MessageType type, ui::MessageButtons buttons, const QString& text, const QString& detail) {
              shown.push_back({type, buttons, text, detail});
              if (onShown)
                  onShown();
              if (!answers.empty()) {
                  const ui::MessageResult answer = answers.front();
                  answers.pop_front();
                  return answer;
              }
              return buttons == ui::MessageButtons::YesNo ? ui::MessageResult::Yes : ui::MessageResult::Ok;
          })
    {
    }

    std::vector<ShownMessage> shown;
    std::deque<ui::MessageResult> answers;
    std::function<void()> onShown; // runs as each box is shown (the operation's windows still open)

    QStringList texts() const
    {
        QStringList out;
        for (const ShownMessage& m : shown)
            out << m.text;
        return out;
    }

private:
    ui::ScopedMessageHook m_hook;
};

// Runs act on the modal window named objectName as soon as it shows.
inline void whenModal(const QString& objectName, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, objectName, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != objectName)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

} // namespace custos::test
