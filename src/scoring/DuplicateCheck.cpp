#include "DuplicateCheck.h"

#include "frmKestrix.h"

DuplicateCheck::DuplicateCheck(frmKestrix &window) : m_window(window) {}

DuplicateCheck::~DuplicateCheck() = default;
