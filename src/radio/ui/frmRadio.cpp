#include "radio/ui/frmRadio.h"

#include "radio/core/RadioSettings.h"
#include "radio/core/RigModels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

frmRadio::frmRadio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRadio"));
    setWindowTitle(QStringLiteral("Radio"));

    txtModelSearch = named(new QLineEdit(this), QStringLiteral("txtModelSearch"));
    txtModelSearch->setPlaceholderText(QStringLiteral("Search: maker, model or number"));
    txtModelSearch->setClearButtonEnabled(true);
    lstModel = named(new QListWidget(this), QStringLiteral("lstModel"));
    lstModel->setMinimumSize(280, 160);
    auto *none = new QListWidgetItem(QStringLiteral("None"), lstModel);
    none->setData(Qt::UserRole, 0);
    for (const RigModel &m : RigModels::all())
        (new QListWidgetItem(m.caption(), lstModel))->setData(Qt::UserRole, m.model);
    txtPort = named(new QLineEdit(this), QStringLiteral("txtPort"));
    txtPort->setPlaceholderText(QStringLiteral("/dev/ttyUSB0, or localhost:4532 for rigctld"));
    cboSerialSpeed = named(new QComboBox(this), QStringLiteral("cboSerialSpeed"));
    cboSerialSpeed->addItem(QStringLiteral("Rig default"), 0);
    for (int baud : RadioSettings::serialSpeeds())
        cboSerialSpeed->addItem(QString::number(baud), baud);
    chkBandFollows =
        named(new QCheckBox(QStringLiteral("&Band follows the radio"), this), QStringLiteral("chkBandFollows"));

    cboKeyer = named(new QComboBox(this), QStringLiteral("cboKeyer"));
    cboKeyer->addItems({QStringLiteral("none"), QStringLiteral("the radio (Hamlib)"), QStringLiteral("cwdaemon")});
    txtCwDaemon = named(new QLineEdit(this), QStringLiteral("txtCwDaemon"));
    txtCwDaemon->setPlaceholderText(QStringLiteral("localhost:6789"));
    txtWpm = named(new QLineEdit(this), QStringLiteral("txtWpm"));
    txtWpm->setMaxLength(3);

    auto *rig = new QGroupBox(QStringLiteral("Rig (Hamlib)"), this);
    auto *rigForm = new QFormLayout(rig);
    rigForm->addRow(QStringLiteral("&Model"), txtModelSearch);
    rigForm->addRow(nullptr, lstModel);
    rigForm->addRow(QStringLiteral("&Port or host:port"), txtPort);
    rigForm->addRow(QStringLiteral("&Serial speed"), cboSerialSpeed);
    rigForm->addRow(nullptr, chkBandFollows);

    auto *cw = new QGroupBox(QStringLiteral("CW"), this);
    auto *cwLayout = new QVBoxLayout(cw);
    auto *cwForm = new QFormLayout;
    cwForm->addRow(QStringLiteral("Send CW &through"), cboKeyer);
    cwForm->addRow(QStringLiteral("cwdaemon &host:port"), txtCwDaemon);
    cwForm->addRow(QStringLiteral("Spee&d (WPM, 5-60)"), txtWpm);
    cwLayout->addLayout(cwForm);
    auto *keys = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        QLineEdit *box = named(new QLineEdit(this), QStringLiteral("txtF%1").arg(i + 1));
        box->setMaxLength(RadioSettings::MessageLength);
        txtMessages << box;
        auto *label = new QLabel(QStringLiteral("F%1").arg(i + 1), this);
        label->setBuddy(box);
        keys->addWidget(label, i, 0);
        keys->addWidget(box, i, 1);
    }
    cwLayout->addLayout(keys);
    auto *macros = new QLabel(QStringLiteral("Macros: {MYCALL} {MYSPC} {MYNR} (ARCI number, else power) "
                                             "{CALL} (the call-sign box) {RST}. Esc stops, "
                                             "Page Up / Page Down change the speed."),
                              this);
    macros->setWordWrap(true);
    cwLayout->addWidget(macros);

    lblResult = named(new QLabel(this), QStringLiteral("lblResult"));
    lblResult->setWordWrap(true);
    lblResult->setTextFormat(Qt::PlainText);
    lblResult->setMinimumHeight(36);
    cmdTest = named(new QPushButton(QStringLiteral("T&est"), this), QStringLiteral("cmdTest"));
    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));

    auto *columns = new QHBoxLayout;
    columns->addWidget(rig, 1);
    columns->addWidget(cw, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdTest);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(lblResult);
    layout->addLayout(buttons);

    connect(txtModelSearch, &QLineEdit::textChanged, this, &frmRadio::filterModels);
}

void frmRadio::filterModels(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < lstModel->count(); ++i) {
        QListWidgetItem *item = lstModel->item(i);
        item->setHidden(i > 0 && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

int frmRadio::model() const
{
    const QListWidgetItem *item = lstModel->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void frmRadio::setModel(int model)
{
    for (int i = 0; i < lstModel->count(); ++i)
        if (lstModel->item(i)->data(Qt::UserRole).toInt() == model) {
            lstModel->setCurrentRow(i);
            lstModel->scrollToItem(lstModel->item(i));
            return;
        }
    auto *unknown = new QListWidgetItem(QStringLiteral("Model %1 (unknown to Hamlib)").arg(model), lstModel);
    unknown->setData(Qt::UserRole, model);
    lstModel->setCurrentItem(unknown);
}
