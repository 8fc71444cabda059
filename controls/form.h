#pragma once

#include "controls/elementdesign.h"
#include "platform/win32.h"

#include <QWidget>
#include <stdexcept>

// A frameless window built from its stored design: its size, title, colour, font and
// icon, and its elements stacked by layer (layer 1 on top) in the tab order given.
// Elements keep their design names as object names; a window class binds them to
// its members with element<Kind>("Name").
//
// Window events reach two hooks: Form_Load runs once, before the window is first
// shown (load() runs it at once); Form_Activate runs each time the window becomes
// the active window.
class Form : public QWidget {
    Q_OBJECT
public:
    win32::HWND hwnd();

    // Runs Form_Load unless it has run already.
    void load();
    void setVisible(bool visible) override;

protected:
    explicit Form(const FormDesign& design);

    template <class Element>
    Element* element(const QString& name) const
    {
        if (auto* found = findChild<Element*>(name, Qt::FindDirectChildrenOnly))
            return found;
        throw std::logic_error("the window has no element " + name.toStdString() + " of the kind asked for");
    }

    virtual void Form_Load() { }
    virtual void Form_Activate() { }

    bool event(QEvent* event) override;

private:
    void applyDesign(const FormDesign& design);
    void buildElements(const FormDesign& design);
    void applyTabOrder(const QStringList& names);

    bool m_loaded = false;
};
