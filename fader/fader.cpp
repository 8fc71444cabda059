#include "fader/fader.h"

#include "fader/alphalevel.h"
#include "fader/invalidpropertyvalue.h"

#include <QScopeGuard>
#include <algorithm>

namespace {

const QString keyEnabled = QStringLiteral("Enabled");
const QString keyFadeInSpeed = QStringLiteral("FadeInSpeed");
const QString keyFadeOutSpeed = QStringLiteral("FadeOutSpeed");
const QString keyOpacity = QStringLiteral("Opacity");

constexpr int fullOpacity = 100; // percent
constexpr int lowestOpacity = 25;
constexpr int defaultOpacity = fullOpacity;
constexpr int defaultSpeed = 2;
constexpr int opaqueAlpha = 255;
constexpr int transparentAlpha = 0;
constexpr int firstAlpha = 5; // where the first fade-in after loading starts

bool isAcceptedSpeed(int speed)
{
    return speed == 1 || speed == 2 || speed == 4 || speed == 8;
}

} // namespace

Fader::Fader(QWidget* parentWindow, win32::Platform& platform)
    : QObject(parentWindow)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("Fader1"));
}

void Fader::load(PropertyBag stored)
{
    m_storedSettings = std::move(stored);
    m_enabled = m_storedSettings.read(keyEnabled, true).toBool() && SupportsLayering();
    m_fadeInSpeed = storedNumber(keyFadeInSpeed, defaultSpeed, 1, opaqueAlpha);
    m_fadeOutSpeed = storedNumber(keyFadeOutSpeed, defaultSpeed, 1, opaqueAlpha);
    m_opacity = storedNumber(keyOpacity, defaultOpacity, 0, fullOpacity);
    m_parentHwnd = qobject_cast<QWidget*>(parent());
    if (SupportsLayering()) {
        setParentLayered(true);
        applyAlpha(transparentAlpha);
    }
    m_currentAlpha = firstAlpha;
}

void Fader::setEnabled(bool nwEnabled)
{
    m_enabled = nwEnabled && SupportsLayering();
    m_storedSettings.markChanged(keyEnabled);
}

void Fader::setFadeInSpeed(int nwFadeInSpeed)
{
    if (!isAcceptedSpeed(nwFadeInSpeed))
        throw InvalidPropertyValue();
    m_fadeInSpeed = nwFadeInSpeed;
    m_storedSettings.markChanged(keyFadeInSpeed);
}

void Fader::setFadeOutSpeed(int nwFadeOutSpeed)
{
    if (!isAcceptedSpeed(nwFadeOutSpeed))
        throw InvalidPropertyValue();
    m_fadeOutSpeed = nwFadeOutSpeed;
    m_storedSettings.markChanged(keyFadeOutSpeed);
}

void Fader::setOpacity(int nwOpacity)
{
    if (nwOpacity < lowestOpacity || nwOpacity > fullOpacity)
        throw InvalidPropertyValue();
    const int oldOpacity = m_opacity;
    m_opacity = nwOpacity;
    m_storedSettings.markChanged(keyOpacity);
    m_opacityChanging = true;
    const auto done = qScopeGuard([this] { m_opacityChanging = false; });
    if (nwOpacity > oldOpacity) {
        FadeIn();
        emit FadeInReady();
    } else {
        if (nwOpacity < oldOpacity)
            FadeOut();
        emit FadeOutReady();
    }
}

// Each step yields to the message loop, where a handler may start another fade of this
// control: CurrentAlpha is therefore read afresh at every test and step, while the target
// and the step of this run stay as they were when it began.
void Fader::FadeIn()
{
    if (!m_enabled) {
        if (!m_opacityChanging)
            applyAlpha(opaqueAlpha);
        return;
    }
    const int target = alphaLevel(m_opacity);
    const int step = m_fadeInSpeed;
    while (m_currentAlpha <= target) {
        applyAlpha(m_currentAlpha);
        m_platform.DoEvents();
        m_platform.Sleep(1);
        m_currentAlpha += step;
    }
    m_currentAlpha -= m_fadeInSpeed;
    if (m_opacity == fullOpacity)
        setParentLayered(false);
    if (!m_opacityChanging)
        emit FadeInReady();
}

void Fader::FadeOut()
{
    if (!m_enabled) {
        if (!m_opacityChanging)
            applyAlpha(transparentAlpha);
        return;
    }
    setParentLayered(true);
    const int target = m_opacityChanging ? alphaLevel(m_opacity) : 0;
    const int step = m_fadeOutSpeed;
    while (m_currentAlpha >= target) {
        applyAlpha(m_currentAlpha);
        m_platform.DoEvents();
        m_platform.Sleep(1);
        m_currentAlpha -= step;
    }
    m_currentAlpha += m_fadeOutSpeed;
    if (!m_opacityChanging)
        emit FadeOutReady();
}

// CurrentAlpha can leave 0..255 after run-time changes of Opacity; the byte the window
// gets is kept inside that range while CurrentAlpha keeps its value.
void Fader::applyAlpha(int alpha)
{
    const auto level = static_cast<win32::BYTE>(std::clamp(alpha, transparentAlpha, opaqueAlpha));
    m_platform.SetLayeredWindowAttributes(m_parentHwnd, 0, level, win32::LWA_ALPHA);
}

void Fader::setParentLayered(bool layered)
{
    const win32::LONG style = m_platform.GetWindowLongA(m_parentHwnd, win32::GWL_EXSTYLE);
    const win32::LONG changed = layered ? style | win32::WS_EX_LAYERED : style & ~win32::WS_EX_LAYERED;
    m_platform.SetWindowLongA(m_parentHwnd, win32::GWL_EXSTYLE, changed);
}

// Stored values skip the setters' checks, as they always have: a speed of 3 or an opacity of
// 10 loads as it is. Only values that no fade could ever finish with are refused, with error
// 380: a step below 1 would never reach its target, so the window would fade for ever, and a
// level outside 0 to 100 is no percent.
int Fader::storedNumber(const QString& key, int defaultValue, int lowest, int highest) const
{
    const QVariant value = m_storedSettings.read(key, defaultValue);
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (!isNumber || number < lowest || number > highest)
        throw InvalidPropertyValue(QStringLiteral("%1: stored %2 is \"%3\", expected a whole number from %4 to %5")
                                       .arg(objectName(), key, value.toString())
                                       .arg(lowest)
                                       .arg(highest)
                                       .toStdString());
    return number;
}
