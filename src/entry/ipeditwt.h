#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QString>
#include <QWidget>

#include <memory>

namespace ZCORVANEBASE {

// A compact editor for a dotted IPv4 address: four numeric fields (0..255 while the user types) separated by dots,
// looking like one line edit, with the focus moving between them as an address is typed. Every accepted user edit
// is reported with the whole address. Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT IpEditWt : public QWidget
{
    Q_OBJECT

public:
    explicit IpEditWt(QWidget* parent = nullptr);
    ~IpEditWt() override;

    // "a.b.c.d": an empty field gives an empty part, "007" reads 7, a field without a number reads 0.
    QString text();
    // Fills the fields as given (no range check); "localhost" in any case means 127.0.0.1. Missing parts leave their
    // fields as they were, parts beyond the fourth are ignored; never emits textEdited().
    void setText(const QString& text);
    bool isValid(); // no field empty
    unsigned int toIPv4Address(); // 192.168.1.10 gives 0xC0A8010A
    using QWidget::setFocus;
    void setFocus(); // the first field, which is also the focus proxy

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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
