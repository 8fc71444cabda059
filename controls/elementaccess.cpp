#include "controls/elementaccess.h"

#include "controls/label.h"

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

// A caption as it is read out: "&Translate" is "Translate", "&&" one ampersand, and
// the spaces that place a caption in its box are not read.
QString spokenCaption(const QString& caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken.trimmed();
}

// The role an element was given; else a label reads out its caption and a window
// built from a design is announced as a window. NoRole leaves the element to Qt.
QAccessible::Role roleOf(const QWidget& widget)
{
    if (const QVariant role = widget.property(RoleProperty); role.isValid())
        return static_cast<QAccessible::Role>(role.toInt());
    if (qobject_cast<const Label*>(&widget))
        return QAccessible::StaticText;
    if (widget.isWindow() && widget.inherits("Form"))
        return QAccessible::Window;
    return QAccessible::NoRole;
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

    // A label without a name of its own is named by its caption, as it reads now.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const Label*>(widget()))
                return spokenCaption(label->caption());
        return QAccessibleWidget::text(kind);
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
    const QAccessible::Role role = roleOf(*widget);
    return role == QAccessible::NoRole ? nullptr : new ElementAccessible(widget, role);
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
