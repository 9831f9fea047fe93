#pragma once

#include <QColor>
#include <QFont>

/// The program's colours and fonts, shared by both windows.
namespace Look {

inline const QColor Accent{0xC0, 0xC0, 0x83};
inline const QColor TitleButtonFace{0xAC, 0xAC, 0x59};
inline const QColor PanelBackground{0xD8, 0xD8, 0xAE};
inline const QColor Text{0x46, 0x46, 0x46};
inline const QColor ExtensionColumn{0xF0, 0xF0, 0xF0};
inline const QColor VideoValues{0xFF, 0xC4, 0xFF};
inline const QColor AudioValues{0xC4, 0xFF, 0xFF};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Gray{0x80, 0x80, 0x80};
inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Yellow{0xFF, 0xFF, 0x00};

/// The family names the windows ask for; installFontSubstitutions() maps them onto real fonts.
inline constexpr char16_t GothicFamily[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t TahomaFamily[] = u"Tahoma";

/// The Japanese proportional gothic ("ＭＳ Ｐゴシック", substituted where missing), sized by
/// character height in pixels.
QFont gothic(int pixels, bool bold = false);
/// "Tahoma" (substituted where missing).
QFont tahoma(int pixels, bool bold = false);

/// Maps the two design fonts onto what the system has: "ＭＳ Ｐゴシック" onto IPAPGothic (then
/// Noto Sans CJK JP), "Tahoma" onto Wine's Tahoma (then DejaVu Sans). Call once after the
/// application object exists and before the first window is built.
void installFontSubstitutions();

} // namespace Look
