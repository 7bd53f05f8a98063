#include "MessageBox.h"

#include <QMessageBox>

namespace custos::ui {

namespace {

DetailedMessageHook& currentHook()
{
    static DetailedMessageHook hook;
    return hook;
}

QMessageBox::Icon iconOf(MessageType type)
{
    switch (type) {
    case MessageType::Information:
        return QMessageBox::Information;
    case MessageType::Warning:
        return QMessageBox::Warning;
    case MessageType::Error:
        return QMessageBox::Critical;
    case MessageType::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageResult resultOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageResult::Ok;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::OkCancel:
        return MessageResult::Cancel;
    }
    return MessageResult::Cancel;
}

// The messages break lines with a carriage return (alone or before a line feed).
QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Varnelle CUSTOS");
}

MessageResult showMessage(MessageType type, MessageButtons buttons, const QString& text, QWidget* parent)
{
    return showMessage(type, buttons, text, QString(), parent);
}

MessageResult showMessage(MessageType type, MessageButtons buttons, const QString& text, const QString& detail,
                          QWidget* parent)
{
    if (currentHook())
        return currentHook()(type, buttons, text, detail);
    QMessageBox box(iconOf(type), applicationTitle(), withLineBreaks(text),
                    buttonsOf(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty())
        box.setDetailedText(withLineBreaks(detail));
    if (buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return resultOf(box.exec(), buttons);
}

ScopedMessageHook::ScopedMessageHook(MessageHook hook)
    : ScopedMessageHook(DetailedMessageHook(
          [hook = std::move(hook)](MessageType type, MessageButtons buttons, const QString& text, const QString&) {
              return hook(type, buttons, text);
          }))
{
}

ScopedMessageHook::ScopedMessageHook(DetailedMessageHook hook) : m_previous(std::move(currentHook()))
{
    currentHook() = std::move(hook);
}

ScopedMessageHook::~ScopedMessageHook()
{
    currentHook() = std::move(m_previous);
}

} // namespace custos::ui
