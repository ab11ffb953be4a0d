#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The notification-area icon record in its 88-byte form, and the shell's message numbers.
namespace SysTray {

inline constexpr std::uint32_t WM_MOUSEMOVE = 0x200;
inline constexpr int kTipLength = 64;

struct NOTIFYICONDATA
{
    std::uint32_t cbSize = 0;
    std::uint32_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uint32_t hIcon = 0;
    // 64 characters: the tip, a NUL, then blanks. Zeroed until a tip is set, so the icon
    // first shows an empty tip.
    QByteArray szTip = QByteArray(kTipLength, '\0');

    // The record as the shell takes it: six little-endian 32-bit fields and the tip.
    QByteArray toBytes() const;
};

// "<title> [<address>]" and a NUL, cut at or padded with blanks to 64 characters.
QByteArray makeTip(const QString& title, const QString& address);

} // namespace SysTray
