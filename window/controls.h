#pragma once

#include <span>

enum class ControlKind { Picture, Label, TextBox, Button };

// A and B are the window's two fonts; Window leaves the control with the window's own font.
enum class ControlFont { None, A, B, Window };

// One control of the window: its name (with the member index for array members), what it is,
// its caption or text, its rectangle in twips and its place in the tab order.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* text;
    int left, top, width, height;  // twips from the client area's top-left corner
    int tabIndex;                  // -1 for the picture, which has none
    ControlFont font;
};

// Every control of the window, in the order it is created.
std::span<const ControlRow> Controls();

inline constexpr const char* kCaption = "The Triple Helix of university-industry relations ";
inline constexpr int kClientWidthTwips = 11256;
inline constexpr int kClientHeightTwips = 6948;
