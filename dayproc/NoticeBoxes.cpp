#include "NoticeBoxes.h"

#include "MessageBox.h"

namespace custos::dayproc {

namespace {

ui::MessageType typeOf(NoticeType type)
{
    switch (type) {
    case NoticeType::Information:
        return ui::MessageType::Information;
    case NoticeType::Error:
        return ui::MessageType::Error;
    case NoticeType::Confirmation:
        break;
    }
    return ui::MessageType::Confirmation;
}

ui::MessageButtons buttonsOf(NoticeButtons buttons)
{
    switch (buttons) {
    case NoticeButtons::Ok:
        return ui::MessageButtons::Ok;
    case NoticeButtons::OkCancel:
        return ui::MessageButtons::OkCancel;
    case NoticeButtons::YesNo:
        break;
    }
    return ui::MessageButtons::YesNo;
}

} // namespace

Notify noticeBoxes(QWidget* parent)
{
    return [parent](const Notice& notice) {
        const ui::MessageResult answer =
            ui::showMessage(typeOf(notice.type), buttonsOf(notice.buttons), notice.text, notice.detail, parent);
        return answer == ui::MessageResult::Yes || answer == ui::MessageResult::Ok;
    };
}

} // namespace custos::dayproc
