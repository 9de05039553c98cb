#pragma once

#include "frame/zcorvanebase_global.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace ZCORVANEBASE {
namespace Ui {
class IpEditWt;
}

// A compact editor for a dotted IPv4 address: four numeric fields separated by dot labels that together look like
// one line edit. Typing moves the focus the way an address is typed: a period, or the right arrow at the end of a
// field, goes on to the next field with its text selected; backspace or the left arrow at the start of a field goes
// back. Each field keeps to 0..255 while the user types, and every accepted user edit is reported through
// textEdited() with the whole address.
//
// The look of the frame, the fields and the dots is the application style sheet's business: it can select them by
// the dynamic properties "wtIpEdit", "wtIpEditEdit" and "wtIpEditLab". This class ships no rule for them.
//
// Accessibility: the editor is named "IP address" and each field "IP address, field N of 4" (translated, and
// renamed on a runtime language switch).
//
// setText() fills the fields as given and makes no range check, so a caller that writes "300" into a field gets it
// back from text() and isValid() as it is; toIPv4Address() then shifts the out-of-range value into the neighbouring
// byte (the arithmetic is unsigned and wraps, it never fails).
class ZCORVANEBASE_EXPORT IpEditWt : public QWidget
{
    Q_OBJECT

public:
    explicit IpEditWt(QWidget* parent = nullptr);
    ~IpEditWt() override;

    // The address as "a.b.c.d"; an empty field gives an empty part (a new editor returns "..."), leading zeros are
    // dropped ("007" reads 7) and a field that holds no number reads 0.
    QString text();
    // Fills the fields from dotted text; "localhost" (any case) means 127.0.0.1. Missing parts leave their fields as
    // they were, parts beyond the fourth are ignored. Never emits textEdited().
    void setText(const QString& text);
    // True when none of the four fields is empty.
    bool isValid();
    // The first field in the most significant byte: 192.168.1.10 gives 0xC0A8010A.
    unsigned int toIPv4Address();

    // Focuses the first field. The first field is also the focus proxy, so focusing the editor by any means lands
    // there.
    using QWidget::setFocus;
    void setFocus();

signals:
    void textEdited(const QString& text);

protected slots:
    void onTextEdited(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void retranslate();
    void connectSignalsWithSlots();
    void focusField(int index, bool selectAll);

    Ui::IpEditWt* ui;
    QList<QLineEdit*> m_lineEdits; // lineEdit1..lineEdit4: every read and every focus move goes through this list
};
} // namespace ZCORVANEBASE
