// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixed_window.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace platform {

namespace {

constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Asks for the window's state without maximised and full screen, if it has either, as the widget
// knows it or as its native window does (a window manager may tell only the latter).
void restoreNormal(QWidget* window) {
    const Qt::WindowStates state = window->windowState();
    if (state & enlarged)
        window->setWindowState(state & ~enlarged);
    if (QWindow* native = window->windowHandle(); native && (native->windowStates() & enlarged))
        native->setWindowStates(native->windowStates() & ~enlarged);
}

// Watches the window's state, which changes whether the program asked for it or the window
// manager set it.
class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {
        closing_.setSingleShot(true);
        closing_.setInterval(500);
        connect(&closing_, &QTimer::timeout, this, &FixedSizeKeeper::closeLimits);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (window_->windowState() & enlarged)
                undoLater();
            break;
        case QEvent::Show: // the native window exists and is not on screen yet
            if (QWindow* native = window_->windowHandle()) {
                connect(native, &QWindow::windowStateChanged, this,
                        &FixedSizeKeeper::nativeStateChanged, Qt::UniqueConnection);
                nativeStateChanged();
            }
            break;
        case QEvent::Resize:
            if (fixed_.isValid() && window_->size() == fixed_ &&
                !(window_->windowHandle()->windowStates() & enlarged))
                closeLimits();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Undone from the event loop, not inside the change: a Wayland compositor takes the request
    // back only once the window has answered the state it configured.
    void undoLater() {
        QMetaObject::invokeMethod(
            window_, [window = window_] { restoreNormal(window); }, Qt::QueuedConnection);
    }

    // The native window is asked to maximise before the widget hears of it (the title bar Qt
    // draws on Wayland does so whatever the window's flags say). A Wayland compositor that
    // honours the request ends the connection if the window then keeps its fixed size, so the
    // limits open until the window is back to its size in the normal state, or, when the
    // compositor ignored the request, a moment after.
    void nativeStateChanged() {
        if (window_->windowHandle()->windowStates() & enlarged) {
            closing_.stop();
            if (!fixed_.isValid()) {
                fixed_ = window_->maximumSize();
                window_->setMinimumSize(0, 0);
                window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
            undoLater();
        } else if (fixed_.isValid()) {
            closing_.start();
        }
    }

    void closeLimits() {
        closing_.stop();
        if (fixed_.isValid())
            window_->setFixedSize(std::exchange(fixed_, QSize()));
    }

    QWidget* window_;
    QSize fixed_; // the window's size while its limits are open
    QTimer closing_;
};

} // namespace

void keepFixedSize(QWidget* window) {
    window->installEventFilter(new FixedSizeKeeper(window));
    restoreNormal(window); // in case it was asked for before
}

} // namespace platform
