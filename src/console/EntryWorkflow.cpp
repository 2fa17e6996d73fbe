#include "EntryWorkflow.h"

#include "frmKestrix.h"

EntryWorkflow::EntryWorkflow(frmKestrix &window) : m_window(window) {}

EntryWorkflow::~EntryWorkflow() = default;
