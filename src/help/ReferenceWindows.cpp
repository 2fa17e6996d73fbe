#include "ReferenceWindows.h"

#include "frmKestrix.h"

ReferenceWindows::ReferenceWindows(frmKestrix &window) : m_window(window) {}

ReferenceWindows::~ReferenceWindows() = default;
