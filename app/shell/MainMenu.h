#pragma once

#include "lang/QvxLanguageLibrary.h"

#include <QHash>

#include <span>

class QAction;
class QMenuBar;

// The command ids of the main window's menu 450; a language library's menu carries the same ids.
namespace CommandId {
constexpr unsigned int FileNew = 2100;
constexpr unsigned int FileOpen = 2101;
constexpr unsigned int FileSave = 2102;
constexpr unsigned int FileSaveAs = 2103;
constexpr unsigned int AppExit = 57665;
constexpr unsigned int Language = 32799;
constexpr unsigned int Template = 32774;
constexpr unsigned int ReportOptions = 32810;
constexpr unsigned int AppAbout = 57664;
constexpr unsigned int ExportTrackingTable = 2170;
constexpr unsigned int SeverityCriteria = 2171;
constexpr unsigned int PackProject = 32820;
} // namespace CommandId

constexpr unsigned int MainMenuId = 450;

// The program's own English menu 450.
std::span<const QvxMenuItem> EnglishMainMenu();

// Fills `menuBar` with the menus of `rows`; returns the action of each command id.
QHash<unsigned int, QAction*> BuildMenuBar(QMenuBar* menuBar, std::span<const QvxMenuItem> rows);
