#pragma once
// The main window's controls, gathered as a form generator gathers them: one
// pointer per control under the control's own name, by area. The layout table
// binds each entry to its pointer by member, so a misspelt name is a compile error.

#include "widgets/PanelControls.h"

struct KestrixControls : EntryRowControls, ReviewRowControls, BandChartControls, FrontPanelControls, MenuControls {};
