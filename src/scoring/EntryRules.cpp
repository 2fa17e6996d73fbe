#include "EntryRules.h"

#include "frmKestrix.h"

EntryRules::EntryRules(frmKestrix &window) : m_window(window) {}

EntryRules::~EntryRules() = default;
