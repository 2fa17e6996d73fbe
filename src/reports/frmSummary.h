#pragma once
// The contest summary sheet: the paper form drawn as a window. Its subsystem fills the
// per-band and total boxes from the band recount; the operator types the rest.

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmSummary : public QWidget {
    Q_OBJECT
  public:
    explicit frmSummary(QWidget *parent = nullptr);

    // The caption of the instructions, lines joined by carriage return + line feed.
    // The last line is "5. Send entries to:"; the address stands in its own box.
    static QString instructions();

    // Every one-line text box, in tab order (the address box is not one of them).
    QList<QLineEdit *> boxes() const { return m_boxes; }

    // heading and entrant line
    QLabel *lblTitle, *LBL1, *lbl2, *lbl3, *lbl4, *lbl5, *lbl6, *lbl7;
    QLineEdit *txt1A, *txt2A, *txt3A, *txt4A, *txt5A, *txt6A, *txt7A;
    // band table
    QLabel *lbl8, *lbl17, *lbl18, *lbl9, *lbl10, *lbl11, *lbl12, *lbl13, *lbl14, *lbl15, *lbl16;
    QLineEdit *txt9A, *txt9B, *txt10A, *txt10B, *txt11A, *txt11B, *txt12A, *txt12B, *txt13A, *txt13B, *txt14A, *txt14B,
        *txt15A, *txt15B, *txt16A, *txt16B;
    // instructions, buttons and note; where entries are sent, as the operator typed
    // it beside the instructions' last line (empty until then)
    QLabel *lbl19, *lblUpdate;
    QPlainTextEdit *txtSendEntriesTo;
    QPushButton *cmcPrint, *cmdCancel, *cmdClear;
    // scoring
    QLabel *lbl20, *lbl21, *lbl22, *lbl23, *Label1, *lbl25, *lbl26, *lbl27;
    QLineEdit *txt22A, *txt23A, *txt24A, *txt25A, *txt26A, *txt27A;
    QPushButton *cmdCalculate;
    // station and entrant details
    QLabel *lbl28, *lbl29, *lbl30, *lbl31A, *lbl33, *lbl34, *lbl32, *lbl35, *lbl36, *lbl37, *lbl38, *lbl39, *lbl40,
        *lbl41, *Label2;
    QLineEdit *txt28A, *txt29A, *txt30A, *Text1, *txt33A, *txt34A, *txt32A, *Text2, *txt36A, *txt37A, *txt38A, *Text3,
        *txt40A, *Text4;

  private:
    QList<QLineEdit *> m_boxes;
};
