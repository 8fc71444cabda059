#pragma once

#include "platform/notifyicondata.h"

#include <QString>

// The notification-area icon: the one record kept for the run (its owner, the main window,
// lives as long as the run), and the add and remove steps that fill it and hand it to the shell.
class SysTray final {
public:
    static inline const QString ProductName = QStringLiteral("Verbolet");

    explicit SysTray(win32::Platform& platform);

    // The record as the last add or remove left it.
    const win32::NOTIFYICONDATA& nid() const { return m_nid; }

    // `text` with a NUL appended, filled with spaces to 64 characters (cut at 64).
    static QString TipText(const QString& text);

    // Adds the icon: messages go to `window`, the picture is `icon`, the tip the product name.
    void Add(QWidget* window, const QIcon& icon);

    // Removes the icon that `host` owns; the other fields keep what the last add wrote.
    void Remove(QWidget* host);

private:
    win32::Platform& m_platform;
    win32::NOTIFYICONDATA m_nid{};
};
