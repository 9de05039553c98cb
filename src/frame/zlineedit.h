#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QLineEdit>

#include <memory>

namespace ZCORVANEBASE {

// A line edit limited to a number of UTF-8 bytes (4096 unless set; at most 1024 characters): a change that makes
// the text longer drops characters from its end until it fits, so a paste keeps its longest leading part that
// fits. It reports focus changes and shows no built-in context menu (its policy is Qt::CustomContextMenu).
class ZCORVANEBASE_EXPORT ZLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ZLineEdit(QWidget* parent = nullptr);
    ~ZLineEdit() override;

    void setMaxByteLength(int length); // takes effect at the next change of the text

signals:
    void signalFocusEvent(bool in);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private slots:
    void slotTextChanged(const QString& text);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
