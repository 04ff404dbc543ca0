#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <utility>
#include <vector>

namespace ui {

namespace {

std::vector<std::pair<QString, QAccessible::Role>>& rollen()
{
    static std::vector<std::pair<QString, QAccessible::Role>> r;
    return r;
}

QAccessibleInterface* fabrik(const QString& className, QObject* object)
{
    if (!object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    for (const auto& [name, rolle] : rollen())
        if (name == className && (rolle != QAccessible::Window || w->isWindow()))
            return new QAccessibleWidget(w, rolle);
    return nullptr;
}

}  // namespace

void announceAs(const char* className, QAccessible::Role role)
{
    if (rollen().empty()) QAccessible::installFactory(fabrik);
    const QString name = QString::fromLatin1(className);
    for (const auto& eintrag : rollen())
        if (eintrag.first == name) return;
    rollen().emplace_back(name, role);
}

}  // namespace ui
