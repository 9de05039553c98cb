#include "frame/zlineedit.h"

namespace ZCORVANEBASE {

namespace {
constexpr int defaultMaxByteLength = 4096;
constexpr int maxCharacters = 1024;
} // namespace

class ZLineEdit::Private
{
public:
    int maxByteLength = defaultMaxByteLength;
};

ZLineEdit::ZLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , d(new Private)
{
    setMaxLength(maxCharacters);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QLineEdit::textChanged, this, &ZLineEdit::slotTextChanged);
}

ZLineEdit::~ZLineEdit() = default;

void ZLineEdit::setMaxByteLength(int length)
{
    d->maxByteLength = length;
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
    if (text.toUtf8().size() > d->maxByteLength)
        setText(text.left(text.size() - 1));
}

} // namespace ZCORVANEBASE
