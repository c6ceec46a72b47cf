#include "pages/controls/LimitedLineEdit.h"

#include <algorithm>

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent)
    : QLineEdit(parent)
    , limit(limit)
{
    setMaxLength(limit);
    // Once the user has shortened a long text to the limit, the limit holds again.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.size() <= this->limit && maxLength() != this->limit) {
            setMaxLength(this->limit);
        }
    });
}

void LimitedLineEdit::SetText(const QString& text)
{
    setMaxLength(std::max(limit, int(text.size())));
    setText(text);
}
