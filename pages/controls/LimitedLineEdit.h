#pragma once

#include <QLineEdit>

// A one-line edit whose limit stops typing, not text: a longer text put in by the program (one
// read from a project file) is shown whole and stays until the user shortens it.
class LimitedLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);

    int Limit() const { return limit; }
    void SetText(const QString& text);

private:
    int limit;
};
