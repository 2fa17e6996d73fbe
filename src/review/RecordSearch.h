#pragma once
// Record review and maintenance: the search. The Search button prepares it; every
// change of the search box lists, in the display panel, each record whose call
// sign, ARCI number or S-P-C equals the box's text.

#include <QObject>
#include <QString>

class frmKestrix;
class QrpRecord;

class RecordSearch : public QObject {
    Q_OBJECT
  public:
    explicit RecordSearch(frmKestrix &window);
    ~RecordSearch() override;

    void cmdSearch_Click();
    void txtSearchInfo_Change();

    // The thirteen lines of one match, fields as stored (padding kept), each line
    // but the separator ending in `newLine`.
    static void appendBlock(QString &list, qint32 number, const QrpRecord &record, const QString &newLine);

  private:
    frmKestrix &m_window;
};
