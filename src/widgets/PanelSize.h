#pragma once
// The display panel's font sizes, in points, by what the panel shows.

namespace PanelSize {
constexpr int Guide = 8;   // how to fill a box or use a button; most messages
constexpr int Page = 10;   // help and information pages; stepping hints
constexpr int Notice = 12; // a short notice: record range, printing, a refusal
constexpr int Title = 18;  // the title pages and the one-line alarms
} // namespace PanelSize
