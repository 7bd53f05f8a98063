#include "WaitOverlay.h"

#include "TF_Wait.h"

#include <algorithm>

namespace custos::ui {

WaitOverlay::WaitOverlay(QWidget* owner)
{
    if (isShowing(owner))
        return;
    m_overlay = new TF_Wait(owner);
    m_overlay->showOverOwner();
}

WaitOverlay::~WaitOverlay()
{
    delete m_overlay.data();
}

bool WaitOverlay::isShowing(const QWidget* owner)
{
    const auto overlays = owner->findChildren<TF_Wait*>(Qt::FindDirectChildrenOnly);
    return std::any_of(overlays.begin(), overlays.end(), [](const TF_Wait* w) { return w->isVisible(); });
}

} // namespace custos::ui
