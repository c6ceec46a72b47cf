#pragma once

#include <QSettings>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The user's title defaults in the program key: "LogoPath", "Company" and "Author", pre-filled in
// every new project. Reading fails silently; a failed write tells the user.

struct TitleDefaults
{
    std::optional<QString> logoPath; // nothing when the value is absent or unreadable
    std::optional<QString> company;
    std::optional<QString> author;
};

TitleDefaults ReadTitleDefaults();

// Each shows "Could not open registry key to save ..." or "Could not write ... to the registry"
// on failure and returns whether the value was written.
bool SaveLogoPathDefault(const QString& logoPath);
bool SaveCompanyDefault(const QString& company);
bool SaveAuthorDefault(const QString& author);

// Tests point the defaults at a store of their own; an empty opener restores the program key.
using TitleStoreOpener = std::function<std::unique_ptr<QSettings>()>;
void SetTitleStoreOpener(TitleStoreOpener opener);
