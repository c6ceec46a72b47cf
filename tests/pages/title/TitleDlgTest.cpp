#include "pages/title/TitleDlg.h"
#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/colour/cColourEdit.h"
#include "pages/title/LogoFrame.h"
#include "pages/title/TitleDefaults.h"
#include "report/ProjectFileIO.h"
#include "report/ReportProject.h"
#include "tests/support/PageSamples.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StringSourceGuard.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QSettings ProgramKey()
{
    return QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer"));
}

class TitlePage : public testing::Test
{
protected:
    TitlePage()
    {
        ProgramKey().clear();
        folder = QDir(temporary.path());
    }
    ~TitlePage() override
    {
        page.reset();
        SetTitleStoreOpener({});
    }

    void Open()
    {
        page = std::make_unique<TitleDlg>(&document);
        page->resize(980, 700);
        page->show();
    }

    template<typename T>
    T* Child(const char* name) const
    {
        return page->findChild<T*>(QLatin1String(name));
    }

    QColor CommentsColour() const { return Child<cColourEdit>("generalCommentsEdit")->palette().color(QPalette::Text); }

    StringSourceGuard strings;
    ScriptedDialogs dialogs;
    QTemporaryDir temporary;
    QDir folder;
    CQvxReportWriterDoc document;
    std::unique_ptr<TitleDlg> page;
};

TEST_F(TitlePage, FirstDisplayTakesTheRegistryDefaults)
{
    const QString logo = WritePhoto(folder, "logo.jpg", TwoColourPhoto({400, 100}, Qt::red, Qt::blue));
    ProgramKey().setValue("LogoPath", logo);
    ProgramKey().setValue("Company", "Acme Thermal");
    ProgramKey().setValue("Author", "J. Smith");
    Open();
    EXPECT_EQ(document.Project().title.logoPath, logo);
    EXPECT_EQ(document.Project().title.company, "Acme Thermal");
    EXPECT_EQ(document.Project().title.author, "J. Smith");
    EXPECT_EQ(Child<QLineEdit>("logoPathEdit")->text(), logo);
    EXPECT_EQ(Child<LogoFrame>("logoFrame")->LogoPixels(), QSize(400, 100));
}

TEST_F(TitlePage, CompanyAndAuthorBecomeDefaultsWhenThePageGoes)
{
    Open();
    QTest::keyClicks(Child<QLineEdit>("companyEdit"), "Northern Grid");
    QTest::keyClicks(Child<QLineEdit>("authorEdit"), "A. Inspector");
    EXPECT_EQ(document.Project().title.company, "Northern Grid");
    page.reset();
    EXPECT_EQ(ProgramKey().value("Company").toString(), "Northern Grid");
    EXPECT_EQ(ProgramKey().value("Author").toString(), "A. Inspector");
}

TEST_F(TitlePage, WideLogoIsDrawnAcrossTheFrameAndCentredDown)
{
    Open();
    auto* frame = Child<LogoFrame>("logoFrame");
    frame->setFixedSize(200 + 2 * frame->frameWidth(), 200 + 2 * frame->frameWidth());
    const QString logo = WritePhoto(folder, "wide.bmp", TwoColourPhoto({400, 100}, Qt::red, Qt::blue));
    page->SetLogoPath(logo);
    EXPECT_EQ(frame->LogoRect(), QRect(0, 75, 200, 50));
    const QImage shown = frame->grab().toImage();
    const QPoint inside = frame->contentsRect().topLeft();
    EXPECT_TRUE(NearColour(shown.pixelColor(inside + QPoint(50, 100)), Qt::red, 8));
    EXPECT_TRUE(NearColour(shown.pixelColor(inside + QPoint(150, 100)), Qt::blue, 8));
    EXPECT_FALSE(NearColour(shown.pixelColor(inside + QPoint(50, 60)), Qt::red, 40));
}

TEST_F(TitlePage, UnreadableChoiceKeepsTheOldLogoAndSavesItsPathAgain)
{
    Open();
    const QString logo = WritePhoto(folder, "logo.jpg", TwoColourPhoto({64, 32}, Qt::red, Qt::blue));
    dialogs.ChooseNextFile(logo);
    Child<QPushButton>("setImageButton")->click();
    ASSERT_EQ(document.Project().title.logoPath, logo);

    const QString broken = WriteFile(folder, "broken.jpg", "not a picture");
    ProgramKey().setValue("LogoPath", "something else");
    dialogs.ChooseNextFile(broken);
    Child<QPushButton>("setImageButton")->click();
    EXPECT_EQ(document.Project().title.logoPath, logo);
    EXPECT_EQ(Child<QLineEdit>("logoPathEdit")->text(), logo);
    EXPECT_EQ(Child<LogoFrame>("logoFrame")->LogoPixels(), QSize(64, 32));
    EXPECT_EQ(ProgramKey().value("LogoPath").toString(), logo);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[0].defaultSuffix, "jpg");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TitlePage, ProjectWhoseLogoDoesNotLoadKeepsItsOwnLogoPath)
{
    Open();
    const QString logo = WritePhoto(folder, "logo.jpg", TwoColourPhoto({64, 32}, Qt::red, Qt::blue));
    page->SetLogoPath(logo);
    ReportProject saved = NewReportProject(QDateTime::currentDateTime());
    const QString gone = folder.filePath("gone.jpg");
    saved.title.logoPath = gone;
    saved.title.company = "Loaded Co";
    const QString project = folder.filePath("old.QVR");
    ASSERT_TRUE(SaveProjectFile(project, saved).ok);
    ASSERT_TRUE(document.OpenProjectPath(project));
    EXPECT_EQ(document.Project().title.logoPath, gone);
    EXPECT_EQ(Child<QLineEdit>("logoPathEdit")->text(), gone);
    EXPECT_EQ(Child<LogoFrame>("logoFrame")->LogoPixels(), QSize(-1, -1));
    EXPECT_EQ(Child<QLineEdit>("companyEdit")->text(), "Loaded Co");
    EXPECT_FALSE(document.IsModified());

    // Saving writes the project's own logo back, never the one shown before.
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(LoadProjectFile(project).project.title.logoPath, gone);
}

// Every title value is in the project as soon as it changes, so a report printed before any save
// shows it; values shown from the project are no change of the user's.
TEST_F(TitlePage, ChangesReachTheProjectAtOnceAndMarkItModified)
{
    Open();
    EXPECT_FALSE(document.IsModified());
    const QDateTime chosen(QDate(2026, 3, 14), QTime(9, 30));
    Child<QDateTimeEdit>("datePicker")->setDateTime(chosen);
    EXPECT_EQ(DateTimeFromOleDate(document.Project().title.date), chosen);
    EXPECT_TRUE(document.IsModified());

    document.SetModified(false);
    Child<QRadioButton>("noDateRadio")->click();
    EXPECT_FALSE(document.Project().title.showDate);
    EXPECT_TRUE(document.IsModified());

    document.SetModified(false);
    QTest::keyClicks(Child<cColourEdit>("generalCommentsEdit"), "Roof");
    EXPECT_EQ(document.Project().title.generalComments, "Roof");
    EXPECT_TRUE(document.IsModified());

    // Comments read with bare line feeds are shown and kept exactly as read.
    ReportProject saved = NewReportProject(QDateTime::currentDateTime());
    saved.title.generalComments = "one\ntwo";
    const QString project = folder.filePath("lf.QVR");
    ASSERT_TRUE(SaveProjectFile(project, saved).ok);
    ASSERT_TRUE(document.OpenProjectPath(project));
    EXPECT_TRUE(page->TakeValues());
    EXPECT_EQ(document.Project().title.generalComments, "one\ntwo");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(TitlePage, ClearImageWithoutLogoStillWritesAnEmptyPath)
{
    ProgramKey().setValue("LogoPath", "/nowhere/logo.jpg");
    Open();
    Child<QPushButton>("clearImageButton")->click();
    EXPECT_TRUE(ProgramKey().contains("LogoPath"));
    EXPECT_EQ(ProgramKey().value("LogoPath").toString(), QString());
    EXPECT_TRUE(document.Project().title.logoPath.isEmpty());
    EXPECT_EQ(Child<LogoFrame>("logoFrame")->LogoPixels(), QSize(-1, -1));
}

TEST_F(TitlePage, LongCompanyFromAFileIsKeptButRefusedByTheExchange)
{
    Open();
    const QString company(41, QLatin1Char('C'));
    page->SetCompany(company);
    EXPECT_EQ(Child<QLineEdit>("companyEdit")->text(), company);
    EXPECT_FALSE(page->TakeValues());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter no more than 40 characters.");
    EXPECT_EQ(document.Project().title.company, company);
}

TEST_F(TitlePage, TypingStopsAtFortyCharacters)
{
    Open();
    QTest::keyClicks(Child<QLineEdit>("companyEdit"), QString(45, QLatin1Char('x')));
    EXPECT_EQ(document.Project().title.company.size(), 40);
    EXPECT_TRUE(page->TakeValues());
}

struct CommentsCase
{
    const char* name;
    QString text;
    bool fits;
};

class TitleComments : public TitlePage, public testing::WithParamInterface<CommentsCase>
{
};

QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines.join(QStringLiteral("\r\n"));
}

TEST_P(TitleComments, RedOnlyWhileTheyDoNotFitTheTitlePage)
{
    Open();
    page->SetGeneralComments(GetParam().text);
    EXPECT_EQ(CommentsColour(), GetParam().fits ? Black : Red);
    EXPECT_EQ(document.Project().title.generalComments, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         TitleComments,
                         testing::Values(CommentsCase {"wordOf51", QString(51, QLatin1Char('w')), true},
                                         // A long word is broken between its letters, not cut.
                                         CommentsCase {"wordOf52", QString(52, QLatin1Char('w')), true},
                                         CommentsCase {"wideLettersOf36Lines", QString(2000, QLatin1Char('W')), false},
                                         CommentsCase {"shortWordsOf60", QStringLiteral("abcd ").repeated(12), true},
                                         CommentsCase {"lines35", Lines(35), true},
                                         CommentsCase {"lines36", Lines(36), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TitlePage, DeletingTheLineTooManyTurnsTheCommentsBlack)
{
    Open();
    auto* comments = Child<cColourEdit>("generalCommentsEdit");
    page->SetGeneralComments(Lines(35));
    EXPECT_EQ(CommentsColour(), Black);
    comments->setFocus();
    QTest::keyClick(comments, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, QStringLiteral("x"));
    EXPECT_EQ(CommentsColour(), Red);
    QTest::keyClick(comments, Qt::Key_Backspace);
    EXPECT_EQ(CommentsColour(), Black) << "a blank last line prints nothing, so nothing is cut";
}

struct NameCase
{
    const char* edit;
    QString text;
    bool fits;
};

class TitleNames : public TitlePage, public testing::WithParamInterface<NameCase>
{
};

TEST_P(TitleNames, RedWhenTheReportCellCannotHoldTheName)
{
    Open();
    auto* edit = Child<QLineEdit>(GetParam().edit);
    edit->setText(GetParam().text);
    EXPECT_EQ(edit->palette().color(QPalette::Text), GetParam().fits ? Black : Red);
}

INSTANTIATE_TEST_SUITE_P(Names,
                         TitleNames,
                         testing::Values(NameCase {"companyEdit", QStringLiteral("Northfield Facilities Ltd"), true},
                                         NameCase {"companyEdit", QString(40, QLatin1Char('W')), false},
                                         NameCase {"authorEdit", QStringLiteral("Jane Smith"), true},
                                         NameCase {"authorEdit", QString(30, QLatin1Char('M')), false}),
                         [](const auto& info) {
                             return std::string(info.param.edit) + (info.param.fits ? "Fits" : "TooWide");
                         });

TEST_F(TitlePage, DateChoiceEnablesThePicker)
{
    Open();
    Child<QRadioButton>("noDateRadio")->click();
    EXPECT_FALSE(document.Project().title.showDate);
    EXPECT_FALSE(Child<QDateTimeEdit>("datePicker")->isEnabled());
    Child<QRadioButton>("dateRadio")->click();
    EXPECT_TRUE(document.Project().title.showDate);
    EXPECT_TRUE(Child<QDateTimeEdit>("datePicker")->isEnabled());
}

TEST_F(TitlePage, NewProjectTakesTheDefaultsAndEmptiesTheComments)
{
    Open();
    page->SetGeneralComments("old comments");
    page->SetShowDate(false);
    ProgramKey().setValue("Company", "Default Co");
    document.New();
    EXPECT_EQ(document.Project().title.company, "Default Co");
    EXPECT_TRUE(document.Project().title.generalComments.isEmpty());
    EXPECT_TRUE(document.Project().title.showDate);
    EXPECT_TRUE(Child<QRadioButton>("dateRadio")->isChecked());
}

struct StoreFailure
{
    const char* name;
    bool keyOpens;
    const char* logoMessage;
    const char* companyMessage;
    const char* authorMessage;
};

class TitleRegistryFailures : public TitlePage, public testing::WithParamInterface<StoreFailure>
{
protected:
    void UseFailingStore()
    {
        // A store below a file cannot be opened; one whose format refuses every write opens but
        // takes no value.
        static const QSettings::Format refusing = QSettings::registerFormat(
            QStringLiteral("refusing"),
            [](QIODevice&, QSettings::SettingsMap&) { return true; },
            [](QIODevice&, const QSettings::SettingsMap&) { return false; });
        if (GetParam().keyOpens) {
            const QString path = folder.filePath("store.refusing");
            SetTitleStoreOpener([path] { return std::make_unique<QSettings>(path, refusing); });
        } else {
            SetTitleStoreOpener([] {
                return std::make_unique<QSettings>(QStringLiteral("/dev/null/store.conf"), QSettings::IniFormat);
            });
        }
    }
};

TEST_P(TitleRegistryFailures, EachSaveTellsWhatFailed)
{
    Open();
    UseFailingStore();
    Child<QPushButton>("clearImageButton")->click();
    page->SetCompany("Acme");
    page->SetAuthor("Smith");
    page.reset();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, GetParam().logoMessage);
    EXPECT_EQ(dialogs.messages[1].text, GetParam().companyMessage);
    EXPECT_EQ(dialogs.messages[2].text, GetParam().authorMessage);
    EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
}

INSTANTIATE_TEST_SUITE_P(Stores,
                         TitleRegistryFailures,
                         testing::Values(StoreFailure {"keyCannotOpen",
                                                       false,
                                                       "Could not open registry key to save logo file",
                                                       "Could not open registry key to save company name",
                                                       "Could not open registry key to save author name"},
                                         StoreFailure {"valueCannotBeWritten",
                                                       true,
                                                       "Could not write logo file to the registry",
                                                       "Could not write company to the registry",
                                                       "Could not write author to the registry"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
