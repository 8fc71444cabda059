#pragma once

#include "controls/form.h"

#include <QHash>
#include <QTest>
#include <string>
#include <vector>

// A window made from rows given by the test, each element found again by its name.
class TestForm final : public Form {
public:
    explicit TestForm(std::vector<ElementRow<TestForm>> rows, WindowDesign design = {.caption = "Test",
        .size = {200, 150}, .backColor = QColor(212, 208, 200)})
        : Form(design)
    {
        for (auto& row : rows)
            row.bind = [name = row.name](TestForm& form, QObject* made) { form.m_made.insert(name, made); };
        buildElements(*this, rows);
    }

    template <class Element>
    Element* element(const QString& name) const
    {
        return qobject_cast<Element*>(m_made.value(name));
    }

    // Shows the window and waits until it is exposed, and active if asked.
    void showAndWait(bool active = false)
    {
        show();
        (void)QTest::qWaitForWindowExposed(this);
        if (active) {
            activateWindow();
            (void)QTest::qWaitForWindowActive(this);
        }
    }

private:
    QHash<QString, QObject*> m_made;
};

// Writes each mouse event of an element as text: "Down 1 0" (button, shift), "Up 2 0", "Click", "DblClick".
template <class Element>
void recordMouse(Element* element, std::vector<std::string>& log)
{
    const auto text = [](const char* name, int button, int shift) {
        return std::string(name) + ' ' + std::to_string(button) + ' ' + std::to_string(shift);
    };
    QObject::connect(element, &Element::MouseDown, [&log, text](int b, int s, QPoint) { log.push_back(text("Down", b, s)); });
    QObject::connect(element, &Element::MouseUp, [&log, text](int b, int s, QPoint) { log.push_back(text("Up", b, s)); });
    QObject::connect(element, &Element::Click, [&log] { log.push_back("Click"); });
    QObject::connect(element, &Element::DblClick, [&log] { log.push_back("DblClick"); });
}
