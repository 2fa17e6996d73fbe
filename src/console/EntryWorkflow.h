#pragma once
// The Add, Save Record and Clear commands of the entry row.

class frmKestrix;

class EntryWorkflow {
public:
    explicit EntryWorkflow(frmKestrix &window);
    ~EntryWorkflow();

private:
    frmKestrix &m_window;
};
