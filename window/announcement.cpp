// SPDX-License-Identifier: MIT
#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// Qt passes the announcement on as AT-SPI's announcement event and UI Automation's notification.
void announce(QWidget& window, const QString& message) {
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent announcement(&window, message);
    QAccessible::updateAccessibility(&announcement);
}

#else

namespace {

// Before 6.8 Qt has no announcement event. Screen readers speak a notification when it is shown,
// so the message goes to a hidden child of the window that screen readers see as a notification
// named with it, and is told shown. Being hidden, it is never drawn, never takes the focus, and
// screen readers pass over it when they read the window.
constexpr auto notificationName = "announcement";

QWidget& notificationOf(QWidget& window) {
    if (auto* made = window.findChild<QWidget*>(QLatin1StringView(notificationName),
                                                Qt::FindDirectChildrenOnly))
        return *made;
    auto* notification = new QWidget(&window);
    notification->setObjectName(QLatin1StringView(notificationName));
    // Before hide(), which would have Qt make the plain widget's interface.
    QAccessible::registerAccessibleInterface(
        new QAccessibleWidget(notification, QAccessible::Notification));
    notification->hide();
    return *notification;
}

} // namespace

void announce(QWidget& window, const QString& message) {
    if (!QAccessible::isActive())
        return;
    QWidget& notification = notificationOf(window);
    notification.setAccessibleName(message);
    QAccessibleEvent shown(&notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif
