#pragma once

#include "fader/fader.h"
#include "fader/faderdesign.h"
#include "platform/windowhandles.h"
#include "recordingplatform.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A plain window carrying one Fader that talks to the recording platform.
class FaderTest : public ::testing::Test {
protected:
    Fader& makeFader(Fader::HostMode mode = Fader::HostMode::Run)
    {
        fader = new Fader(&window, platform, QStringLiteral("Fader1"), mode);
        fadeInReady = std::make_unique<QSignalSpy>(fader, &Fader::FadeInReady);
        fadeOutReady = std::make_unique<QSignalSpy>(fader, &Fader::FadeOutReady);
        return *fader;
    }

    // A Fader loaded with the settings both of the program's windows store.
    Fader& loadedFader(PropertyBag stored = FaderDesign::windowSettings())
    {
        makeFader().load(std::move(stored));
        return *fader;
    }

    std::vector<int> alphas() const { return platform.alphas(hwnd()); }
    win32::HWND hwnd() const { return WindowHandles::handleOf(const_cast<QWidget*>(&window)); }
    bool layered() const { return platform.extendedStyle(hwnd()) & win32::WS_EX_LAYERED; }

    void forgetCalls()
    {
        platform.clear();
        fadeInReady->clear();
        fadeOutReady->clear();
    }

    // The levels from `first` to `last`, both included, `step` apart.
    static std::vector<int> levels(int first, int last, int step)
    {
        std::vector<int> out;
        for (int level = first; step > 0 ? level <= last : level >= last; level += step)
            out.push_back(level);
        return out;
    }

    template <typename T>
    static std::vector<T> joined(std::vector<T> a, const std::vector<T>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    RecordingPlatform platform;
    QWidget window;
    Fader* fader = nullptr; // owned by window
    std::unique_ptr<QSignalSpy> fadeInReady;
    std::unique_ptr<QSignalSpy> fadeOutReady;
};
