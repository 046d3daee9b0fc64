// Placing a window on its owner's screen.
#include "app/chart/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace chartwnd {

QRect PlaceOnScreen(const QRect& owner, QSize wanted, const QRect& available) {
    const QSize size = wanted.boundedTo(available.size());
    QPoint at = owner.isEmpty() ? available.center() - QPoint(size.width() / 2, size.height() / 2)
                                : owner.topLeft() + kOffsetFromOwner;
    // Right and bottom edges first, so a window as large as the area still
    // keeps its top-left corner (and title band) on the screen.
    at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - size.width())));
    at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - size.height())));
    return {at, size};
}

QRect AvailableAround(const QWidget* owner) {
    const QScreen* screen = nullptr;
    if (owner != nullptr) {
        const QWidget* window = owner->window();
        screen = QGuiApplication::screenAt(window->frameGeometry().center());
        if (screen == nullptr) screen = window->screen();
    }
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace chartwnd
