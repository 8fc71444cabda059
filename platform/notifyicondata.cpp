#include "platform/notifyicondata.h"

namespace win32 {

namespace {

using RecordBytes = std::array<BYTE, NOTIFYICONDATA_SIZE>;

void put32(RecordBytes& out, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        out[offset + i] = static_cast<BYTE>(value >> (8 * i));
}

constexpr std::size_t TipOffset = 24;

} // namespace

RecordBytes NotifyIconRecordBytes(const NOTIFYICONDATA& record, std::uint32_t windowHandle, std::uint32_t iconHandle)
{
    RecordBytes out{};
    put32(out, 0, static_cast<std::uint32_t>(record.cbSize));
    put32(out, 4, windowHandle);
    put32(out, 8, record.uID);
    put32(out, 12, record.uFlags);
    put32(out, 16, record.uCallbackMessage);
    put32(out, 20, iconHandle);
    const QByteArray tip = record.szTip.left(TipLength).toLatin1();
    std::copy(tip.begin(), tip.end(), out.begin() + TipOffset);
    return out;
}

} // namespace win32
