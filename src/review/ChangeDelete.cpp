#include "ChangeDelete.h"

#include "frmKestrix.h"

ChangeDelete::ChangeDelete(frmKestrix &window) : m_window(window) {}

ChangeDelete::~ChangeDelete() = default;
