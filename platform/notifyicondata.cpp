#include "platform/notifyicondata.h"

#include <algorithm>

namespace {

void put32(win32::NotifyIconBytes& out, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[offset + i] = static_cast<win32::BYTE>(value >> (8 * i));
}

std::uint32_t get32(const win32::NotifyIconBytes& in, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(in[offset + i]) << (8 * i);
    return value;
}

constexpr std::size_t tipOffset = 24;

} // namespace

namespace win32 {

NotifyIconBytes NOTIFYICONDATA::toBytes() const
{
    NotifyIconBytes out {};
    put32(out, 0, static_cast<std::uint32_t>(cbSize));
    put32(out, 4, hWnd);
    put32(out, 8, uID);
    put32(out, 12, uFlags);
    put32(out, 16, uCallbackMessage);
    put32(out, 20, hIcon);
    std::copy(szTip.begin(), szTip.end(), out.begin() + tipOffset);
    return out;
}

NOTIFYICONDATA NOTIFYICONDATA::fromBytes(const NotifyIconBytes& bytes)
{
    NOTIFYICONDATA record;
    record.cbSize = static_cast<LONG>(get32(bytes, 0));
    record.hWnd = get32(bytes, 4);
    record.uID = get32(bytes, 8);
    record.uFlags = get32(bytes, 12);
    record.uCallbackMessage = get32(bytes, 16);
    record.hIcon = get32(bytes, 20);
    std::copy(bytes.begin() + tipOffset, bytes.end(), record.szTip.begin());
    return record;
}

} // namespace win32
