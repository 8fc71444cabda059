#pragma once

#include "fader/propertybag.h"
#include "platform/win32.h"

#include <QLabel>
#include <QWidget>

// Fades its parent window in and out by stepping the window's layered-window alpha,
// yielding to the message loop between steps, and reports the end of a fade with
// FadeInReady or FadeOutReady. It works on its parent window, never on itself: while the
// program runs the control is hidden, and on a design surface its only visible part is
// the marker label `lbName` with the instance's name.
//
// A window creates it and hands it the settings kept with its design:
//     Fader1 = new Fader(this, platform, "Fader1");
//     Fader1->load(FaderDesign::windowSettings());
class Fader final : public QWidget {
    Q_OBJECT

public:
    enum class HostMode { Run, Design };

    // `name` is the host's name for the instance; it becomes the object name and the marker's caption.
    Fader(QWidget* parentWindow, win32::Platform& platform, const QString& name, HostMode mode = HostMode::Run);

    // Lifecycle: a new instance without stored settings, or one loaded from the settings
    // the host kept; save() writes the settings back into that store.
    void initNew();
    void load(PropertyBag stored);
    void save();
    const PropertyBag& storedSettings() const { return m_storedSettings; }

    // "Sets/returns whether the Control is operable." This is the control's own Enabled
    // and deliberately stands in for QWidget::setEnabled on a Fader.
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
    win32::HWND ParentHwnd() const { return m_parentHwnd; }
    bool OpacityChanging() const { return m_opacityChanging; }

    QLabel* const lbName = new QLabel(QStringLiteral("Name"), this);

signals:
    void FadeInReady();
    void FadeOutReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool runMode() const { return m_mode == HostMode::Run; }
    bool SupportsLayering();
    void applyAlpha(int alpha);
    void setParentLayered(bool layered);
    void showName();
    void fitToName();
    int storedNumber(const PropertyBag& stored, const QString& key, int defaultValue, int lowest, int highest) const;

    win32::Platform& m_platform;
    const HostMode m_mode;
    PropertyBag m_storedSettings;

    bool m_enabled = false;
    int m_fadeInSpeed = 0;
    int m_fadeOutSpeed = 0;
    int m_opacity = 0;
    int m_currentAlpha = 0; // last level applied; the loop counter of both fades
    win32::HWND m_parentHwnd = 0;
    bool m_opacityChanging = false; // true only while setOpacity runs its fade
};
