#include "ReviewNavigation.h"

#include "frmKestrix.h"

ReviewNavigation::ReviewNavigation(frmKestrix &window) : m_window(window) {}

ReviewNavigation::~ReviewNavigation() = default;
