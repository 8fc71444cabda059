#include "recordingplatform.h"

#include <QWidget>

std::string RecordingPlatform::text(const QWidget* window) { return window ? window->objectName().toStdString() : "null"; }

std::string RecordingPlatform::Call::text() const
{
    std::string out = name + '(';
    for (std::size_t i = 0; i < args.size(); ++i)
        out += (i ? ", " : "") + args[i];
    return out + ')';
}

void RecordingPlatform::ExitProcess(win32::UINT exitCode)
{
    record("ExitProcess", exitCode);
    if (onExitProcess)
        onExitProcess(exitCode);
    throw ProgramEnded{exitCode};
}

std::vector<std::string> RecordingPlatform::callsNamed(const std::string& name) const
{
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (name.empty() || call.name == name)
            out.push_back(call.text());
    return out;
}

std::vector<int> RecordingPlatform::alphas(const std::string& window) const
{
    std::vector<int> out;
    for (const auto& call : calls)
        if (call.name == "SetLayeredWindowAttributes" && call.args[0] == window)
            out.push_back(std::stoi(call.args[2]));
    return out;
}

std::vector<int> levels(int first, int last, int step, std::vector<int> before)
{
    for (int level = first; step > 0 ? level <= last : level >= last; level += step)
        before.push_back(level);
    return before;
}
