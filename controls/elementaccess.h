#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

// How an element presents itself to screen readers: a name ("Translate", "Close")
// and a role (a caption that acts as a button, a web link). An element with the role
// Button or Link offers the "press" action, which clicks it with the left button
// (MouseDown, MouseUp, Click). Without a role of its own a label reads out its caption
// as static text, and a window built from a design (Form) is announced as a window.
struct Access {
    QString name{};
    QAccessible::Role role = QAccessible::NoRole;
};

void SetAccess(QWidget* element, const Access& access);
