#include "RecordSearch.h"

#include "frmKestrix.h"

RecordSearch::RecordSearch(frmKestrix &window) : m_window(window) {}

RecordSearch::~RecordSearch() = default;
