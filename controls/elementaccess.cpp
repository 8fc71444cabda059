#include "controls/elementaccess.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>
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
            leftClick(widget());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    // What a left click delivers, so that an element acting on the press (a web link)
    // acts as well as one acting on the click.
    static void leftClick(QWidget* element)
    {
        constexpr int LeftButton = 1;
        constexpr int NoShift = 0;
        const QPoint centre = element->rect().center();
        const QPointer<QWidget> alive(element);
        QMetaObject::invokeMethod(
            element, "MouseDown", Q_ARG(int, LeftButton), Q_ARG(int, NoShift), Q_ARG(QPoint, centre));
        if (alive)
            QMetaObject::invokeMethod(
                element, "MouseUp", Q_ARG(int, LeftButton), Q_ARG(int, NoShift), Q_ARG(QPoint, centre));
        if (alive)
            QMetaObject::invokeMethod(element, "Click");
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
