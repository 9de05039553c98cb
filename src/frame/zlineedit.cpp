#include "frame/zlineedit.h"

namespace ZCORVANEBASE {

ZLineEdit::ZLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , maxByteLength(4096)
{
    setMaxLength(1024);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, SIGNAL(textChanged(QString)), this, SLOT(slotTextChanged(QString)));
}

ZLineEdit::~ZLineEdit() = default;

void ZLineEdit::setMaxByteLength(int length)
{
    maxByteLength = length;
}

void ZLineEdit::focusInEvent(QFocusEvent* event)
{
    emit signalFocusEvent(true);
    QLineEdit::focusInEvent(event);
}

void ZLineEdit::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusEvent(false);
    QLineEdit::focusOutEvent(event);
}

// Each setText() below changes the text again and so comes back here until the text fits.
void ZLineEdit::slotTextChanged(const QString& text)
{
    if (text.toUtf8().size() > maxByteLength)
        setText(text.left(text.size() - 1));
}

} // namespace ZCORVANEBASE
