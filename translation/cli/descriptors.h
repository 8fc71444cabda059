#pragma once

#include <QString>

#include <string_view>

// The system's file descriptors, as the command-line translator uses them: raw bytes, no
// line-end conversion on Windows, interrupted calls resumed.
namespace Descriptors {

constexpr int StandardInput = 0;
constexpr int StandardOutput = 1;
constexpr int StandardError = 2;

// Which of descriptors 0, 1 and 2 were closed when the program started. Each closed one gets
// the null device in its place first, so that no descriptor opened later (Qt opens some of its
// own) takes its number and receives what was meant for the stream.
struct ClosedAtStart final {
    bool input = false;
    bool output = false;
    bool errors = false;
};
ClosedAtStart holdStandardPlaces();

// A descriptor, or minus the system's error number.
int openForReading(const QString& path);
int openForWriting(const QString& path);
void close(int descriptor);

// What is there to read, up to `size` bytes: 0 at the end, minus the error number on a failure.
long long readSome(int descriptor, char* into, std::size_t size);
// 0, or the error number of the write that failed.
int writeAll(int descriptor, std::string_view bytes);

bool isTerminal(int descriptor);

// Whether two descriptors, or a descriptor and a path, are the same file (false when either
// cannot be looked at).
bool sameFile(int descriptor, const QString& path);
bool sameFile(const QString& a, const QString& b);

// The system's words for an error number: "No such file or directory".
QString reason(int error);

} // namespace Descriptors
