#include "HelpPages.h"

#include "frmKestrix.h"

HelpPages::HelpPages(frmKestrix &window) : m_window(window) {}

HelpPages::~HelpPages() = default;
