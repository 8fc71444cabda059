#pragma once

#include "controls/elementdesign.h"
#include "controls/elementfactory.h"

#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

// A frameless window built from its stored design: its size, title, colour, font and icon
// (WindowDesign), and its elements from a table of rows (buildElements), each made into the
// member of the window class that holds it, stacked by layer and in the tab order given.
//
// Window events reach two hooks: Form_Load runs once, when load() is called; Form_Activate
// runs each time the window becomes the active window.
class Form : public QWidget {
    Q_OBJECT
public:
    // Runs Form_Load unless it has run already.
    void load();

protected:
    explicit Form(const WindowDesign& design);

    // Each new child is stacked above those made before it, so the bottom layer comes first.
    template <class Window>
    void buildElements(Window& window, const std::vector<ElementRow<Window>>& rows)
    {
        std::vector<const ElementRow<Window>*> bottomUp;
        for (const auto& row : rows)
            bottomUp.push_back(&row);
        std::stable_sort(bottomUp.begin(), bottomUp.end(), [](const auto* a, const auto* b) { return a->layer > b->layer; });
        std::vector<std::pair<int, QWidget*>> tabStops;
        for (const auto* row : bottomUp) {
            QObject* made = CreateElement(row->look, row->name, row->box, this);
            row->bind(window, made);
            if (row->tabIndex != NoTabStop)
                tabStops.emplace_back(row->tabIndex, qobject_cast<QWidget*>(made));
        }
        applyTabOrder(std::move(tabStops));
    }

    virtual void Form_Load() { }
    virtual void Form_Activate() { }

    bool event(QEvent* event) override;

private:
    void applyTabOrder(std::vector<std::pair<int, QWidget*>> tabStops);

    bool m_loaded = false;
};
