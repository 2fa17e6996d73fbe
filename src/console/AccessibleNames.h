#pragma once
// The main window's boxes and chart cells named for a screen reader by the
// column they sit under ("Call sign", "RST received", ...).

struct KestrixControls;

namespace AccessibleNames {
void nameMainWindow(const KestrixControls &ui);
}
