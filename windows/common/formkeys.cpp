#include "windows/common/formwindow.h"

#include <QApplication>

#include <algorithm>

namespace windows {

void FormWindow::setTabIndexes(std::vector<QWidget*> order) {
    tabIndexes_ = std::move(order);
}

std::vector<QWidget*> FormWindow::tabOrder() const {
    std::vector<QWidget*> order = tabIndexes_;
    if (order.empty()) {
        for (QObject* child : canvas_->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && control->focusPolicy() != Qt::NoFocus)
                order.push_back(control);
        }
        // Reading order: top to bottom, then left to right.
        std::stable_sort(order.begin(), order.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
    }
    // Qt takes Tab away from the unchecked buttons of an exclusive group;
    // here every control that takes the focus at all is a tab stop.
    std::erase_if(order, [this](const QWidget* control) {
        return !control->isVisibleTo(this) || !control->isEnabled() ||
               control->focusPolicy() == Qt::NoFocus;
    });
    return order;
}

// Tab goes through the window's own order, every option button included:
// Qt would visit only one button of an exclusive group.
bool FormWindow::focusNextPrevChild(bool next) {
    const std::vector<QWidget*> order = tabOrder();
    if (order.empty())
        return QMainWindow::focusNextPrevChild(next);
    const auto at = std::find(order.begin(), order.end(), QApplication::focusWidget());
    const int count = static_cast<int>(order.size());
    int index = at == order.end() ? (next ? -1 : count) : static_cast<int>(at - order.begin());
    index = (index + (next ? 1 : -1) + count) % count;
    order[static_cast<std::size_t>(index)]->setFocus(next ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
    return true;
}

} // namespace windows
