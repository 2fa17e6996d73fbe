#pragma once
// The contest summary sheet window.

#include <QWidget>

class QLineEdit;

class frmSummary : public QWidget {
    Q_OBJECT
public:
    explicit frmSummary(QWidget *parent = nullptr);

    QLineEdit *txt9A, *txt9B, *txt10A, *txt10B, *txt11A, *txt11B, *txt12A, *txt12B, *txt13A, *txt13B, *txt14A, *txt14B, *txt15A, *txt15B, *txt16A, *txt16B, *txt22A, *txt23A, *txt27A;
};
