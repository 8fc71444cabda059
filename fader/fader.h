#pragma once

#include "fader/propertybag.h"
#include "platform/win32.h"

#include <QObject>
#include <QPointer>
#include <QWidget>


// Fades its parent window in and out by stepping the window's layered-window alpha,
// yielding to the message loop between steps, and reports the end of a fade with
// FadeInReady or FadeOutReady. It works on its parent window and draws nothing itself.
//
// A window creates it and hands it the settings kept with its design:
//     Fader1 = new Fader(this, platform);
//     Fader1->load(FaderDesign::windowSettings());
class Fader final : public QObject {
    Q_OBJECT

public:
    Fader(QWidget* parentWindow, win32::Platform& platform);

    // Takes the settings the host kept; from then on the parent window is layered and
    // transparent (where layering is supported) until the first FadeIn.
    void load(PropertyBag stored);
    const PropertyBag& storedSettings() const { return m_storedSettings; }

    // "Sets/returns whether the Control is operable."
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool nwEnabled);
    int FadeInSpeed() const { return m_fadeInSpeed; }
    void setFadeInSpeed(int nwFadeInSpeed);
    int FadeOutSpeed() const { return m_fadeOutSpeed; }
    void setFadeOutSpeed(int nwFadeOutSpeed);
    // "Percent value of opacity."
    int Opacity() const { return m_opacity; }
    void setOpacity(int nwOpacity);

    void FadeIn();
    void FadeOut();

    // Internal state, readable for the host's diagnostics and for tests.
    int CurrentAlpha() const { return m_currentAlpha; }
    QWidget* ParentHwnd() const { return m_parentHwnd; }
    bool OpacityChanging() const { return m_opacityChanging; }

signals:
    void FadeInReady();
    void FadeOutReady();

private:
    bool SupportsLayering() const { return m_platform.HasLayeredWindows(); }
    void applyAlpha(int alpha);
    void setParentLayered(bool layered);
    int storedNumber(const QString& key, int defaultValue, int lowest, int highest) const;

    win32::Platform& m_platform;
    PropertyBag m_storedSettings{};

    bool m_enabled = false;
    int m_fadeInSpeed = 0;
    int m_fadeOutSpeed = 0;
    int m_opacity = 0;
    int m_currentAlpha = 0; // last level applied; the loop counter of both fades
    QPointer<QWidget> m_parentHwnd{};
    bool m_opacityChanging = false; // true only while setOpacity runs its fade
};
