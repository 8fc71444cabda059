#pragma once

#include <QString>

#include <string_view>

// Where verbolet-translate writes: standard output or the --output file. The first failure
// is kept, and nothing more is written after it.
class Output final {
public:
    Output(int descriptor, QString name);

    bool write(std::string_view bytes);
    bool writeLine(const QString& text); // as UTF-8, with an LF

    bool failed() const { return m_error != 0; }
    QString failure() const; // "standard output: No space left on device"

    // A person may be reading: every line goes out as soon as it is translated.
    bool isTerminal() const { return m_terminal; }

private:
    int m_descriptor = -1;
    QString m_name;
    int m_error = 0;
    bool m_terminal = false;
};
