#pragma once

#include "fader/fader.h"
#include "fader/faderdesign.h"
#include "platform/extendedstyle.h"
#include "recordingplatform.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A plain window carrying one Fader that talks to the recording platform.
class FaderTest : public ::testing::Test {
protected:
    // A Fader loaded with the settings both of the program's windows store, unless told otherwise.
    Fader& loadedFader(PropertyBag stored = FaderDesign::windowSettings())
    {
        window.setObjectName(QStringLiteral("window"));
        fader = new Fader(&window, platform);
        fadeInReady = std::make_unique<QSignalSpy>(fader, &Fader::FadeInReady);
        fadeOutReady = std::make_unique<QSignalSpy>(fader, &Fader::FadeOutReady);
        fader->load(std::move(stored));
        return *fader;
    }

    std::vector<int> alphas() const { return platform.alphas("window"); }
    bool layered() const { return ExtendedStyle::of(&window) & win32::WS_EX_LAYERED; }
    // The FadeInReady and FadeOutReady events since the last forgetCalls.
    std::pair<qsizetype, qsizetype> events() const { return {fadeInReady->count(), fadeOutReady->count()}; }

    void forgetCalls()
    {
        platform.clear();
        fadeInReady->clear();
        fadeOutReady->clear();
    }

    RecordingPlatform platform;
    QWidget window;
    Fader* fader = nullptr; // owned by window
    std::unique_ptr<QSignalSpy> fadeInReady, fadeOutReady;
};

using Events = std::pair<qsizetype, qsizetype>; // FadeInReady, FadeOutReady
