#include "pages/title/TitleDefaults.h"

#include "app/gui/MessageBox.h"
#include "app/settings/SettingsStores.h"
#include "app/strings/StringIds.h"

namespace {

constexpr const char* LogoPathName = "LogoPath";
constexpr const char* CompanyName = "Company";
constexpr const char* AuthorName = "Author";

// The longest values the page reads back, in characters (the registry reads 20000 and 2000 bytes).
constexpr qsizetype LogoPathReadLimit = 10000;
constexpr qsizetype NameReadLimit = 1000;

std::optional<QString> ReadText(const QSettings& store, const char* name, qsizetype limit)
{
    const QVariant value = store.value(QLatin1String(name));
    if (!value.isValid() || value.toString().size() > limit) {
        return std::nullopt;
    }
    return value.toString();
}

TitleStoreOpener& InstalledOpener()
{
    static TitleStoreOpener opener;
    return opener;
}

std::unique_ptr<QSettings> OpenStore()
{
    return InstalledOpener() ? InstalledOpener()() : OpenProgramKey();
}

bool SaveText(const char* name, const QString& text, unsigned cannotOpenId, unsigned cannotWriteId)
{
    const auto store = OpenStore();
    if (!store->isWritable()) {
        MessageBoxId(cannotOpenId, IconExclamation, ButtonsOk);
        return false;
    }
    store->setValue(QLatin1String(name), text);
    store->sync();
    if (store->status() != QSettings::NoError) {
        MessageBoxId(cannotWriteId, IconExclamation, ButtonsOk);
        return false;
    }
    return true;
}

} // namespace

TitleDefaults ReadTitleDefaults()
{
    const auto store = OpenStore();
    if (store->status() != QSettings::NoError) {
        return {};
    }
    return {ReadText(*store, LogoPathName, LogoPathReadLimit),
            ReadText(*store, CompanyName, NameReadLimit),
            ReadText(*store, AuthorName, NameReadLimit)};
}

bool SaveLogoPathDefault(const QString& logoPath)
{
    return SaveText(LogoPathName, logoPath, StringId::CannotOpenKeyForLogo, StringId::CannotWriteLogo);
}

bool SaveCompanyDefault(const QString& company)
{
    return SaveText(CompanyName, company, StringId::CannotOpenKeyForCompany, StringId::CannotWriteCompany);
}

bool SaveAuthorDefault(const QString& author)
{
    return SaveText(AuthorName, author, StringId::CannotOpenKeyForAuthor, StringId::CannotWriteAuthor);
}

void SetTitleStoreOpener(TitleStoreOpener opener)
{
    InstalledOpener() = std::move(opener);
}
