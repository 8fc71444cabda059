#include "controls/elementaccess.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace {

constexpr char RoleProperty[] = "accessibleRole";

bool isPressable(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::Link;
}

class ElementAccessible final : public QAccessibleWidget {
public:
    ElementAccessible(QWidget* element, QAccessible::Role role)
        : QAccessibleWidget(element, role)
    {
    }

    QStringList actionNames() const override
    {
        return isPressable(role()) ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && isPressable(role()))
            QMetaObject::invokeMethod(widget(), "Click");
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* elementAccessible(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new ElementAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccess(QWidget* element, const Access& access)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(elementAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // The role first: naming the element may already make its interface.
    if (access.role != QAccessible::NoRole)
        element->setProperty(RoleProperty, static_cast<int>(access.role));
    if (!access.name.isEmpty())
        element->setAccessibleName(access.name);
}
