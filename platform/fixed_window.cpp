// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixed_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace platform {

namespace {

constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Under Wayland the compositor holds a window to the size of a maximised or full-screen state it
// has configured: a window that keeps a smaller fixed size then loses its connection.
bool sizedByCompositor() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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
// manager set it, and undoes every maximised or full-screen state from the event loop.
//
// Under Wayland a request is only a request: the state changes when the compositor configures it,
// and Qt sends a request only where it differs from the state last configured, so an undo asked
// for before the compositor has answered is lost. The undo is asked for again when the compositor
// reports the enlarged state, and until the compositor has reported the normal state again, after
// the last request to enlarge, the window's size limits stay open for the size it configures.
class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::WindowStateChange && (window_->windowState() & enlarged))
                undoLater();
            else if (event->type() == QEvent::Show) // the native window exists, not yet shown
                watchNativeWindow();
        } else if (watched == native_ && event->type() == QEvent::WindowStateChange &&
                   event->spontaneous()) {
            // The state as the window system reports it, not as it was asked for.
            awaitingReport_ = false;
            if (!(native_->windowStates() & enlarged))
                closeLimits();
        }
        return false;
    }

private:
    void watchNativeWindow() {
        QWindow* native = window_->windowHandle();
        if (!native || native == native_)
            return;
        native_ = native;
        native->installEventFilter(this);
        // The title bar Qt draws on Wayland asks the native window to maximise, whatever the
        // window's flags say, and the widget does not hear of it.
        connect(native, &QWindow::windowStateChanged, this, &FixedSizeKeeper::nativeStateChanged);
        nativeStateChanged();
    }

    // Runs for requests and for reports alike; a report then clears awaitingReport_ (its event
    // follows this signal).
    void nativeStateChanged() {
        if (!(native_->windowStates() & enlarged))
            return;
        if (sizedByCompositor()) {
            awaitingReport_ = true;
            if (!fixed_.isValid()) {
                fixed_ = window_->maximumSize();
                window_->setMinimumSize(0, 0);
                window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
        }
        undoLater();
    }

    void undoLater() {
        QMetaObject::invokeMethod(
            window_, [window = window_] { restoreNormal(window); }, Qt::QueuedConnection);
    }

    void closeLimits() {
        if (fixed_.isValid() && !awaitingReport_)
            window_->setFixedSize(std::exchange(fixed_, QSize()));
    }

    QWidget* window_;
    QWindow* native_ = nullptr;
    QSize fixed_;                 // the window's size while its limits are open
    bool awaitingReport_ = false; // asked to enlarge, and the compositor has not answered since
};

} // namespace

void keepFixedSize(QWidget* window) {
    window->installEventFilter(new FixedSizeKeeper(window));
    restoreNormal(window); // in case it was asked for before
}

} // namespace platform
