#include "app/dialogs/CSplashDlg.h"

#include "app/dialogs/ProgramIcon.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* TextField(const QString& text, const char* objectName, int pointSizeDelta)
{
    auto* field = new QLabel(text);
    field->setObjectName(QLatin1String(objectName));
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    field->setWordWrap(true);
    QFont font = field->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    field->setFont(font);
    return field;
}

} // namespace

CSplashDlg::CSplashDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CSplashDlg"));
    setWindowTitle(LoadAppString(StringId::ProductTitle));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* icon = new QLabel;
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* name = TextField(LoadAppString(StringId::ProductName), "productName", 4);
    auto* version = TextField(QStringLiteral("%1 1.1.0.1").arg(LoadAppString(StringId::Version)), "version", 0);
    auto* notice = TextField(LoadAppString(StringId::LegalNotice), "legalNotice", -1);

    auto* ok = new QPushButton(LoadAppString(StringId::Ok));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(notice);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void CSplashDlg::reject()
{
    // Escape and the close box do not close the about box: only OK does.
}

void CSplashDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
