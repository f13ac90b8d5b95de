// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessible roles of the main window and its status lines.
#include "app/window_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace prismora {
namespace {

// A label that says how the game stands: its text is its name.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

bool isStatusLine(const QObject& object)
{
    return object.objectName() == QLatin1String("statusLabel") ||
           object.objectName() == QLatin1String("feedbackLabel");
}

QAccessibleInterface* windowFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("prismora::MainWindow")) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && isStatusLine(*label)) {
        return new StatusAccessible(label);
    }
    return nullptr;
}

} // namespace

void installWindowAccessibility()
{
    static const bool isInstalled = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)isInstalled;
}

} // namespace prismora
