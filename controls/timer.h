#pragma once

#include <QObject>
#include <QTimer>

// A timer that is never drawn. It ticks every `interval` milliseconds while it is
// enabled; an interval of 0 stops it.
class Timer final : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    // The design calls this event "Timer", which C++ keeps for the class's constructor.
    void Tick();

private:
    void apply();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};
