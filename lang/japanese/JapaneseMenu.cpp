#include "JapaneseExport.h"
#include "lang/QvxLanguageLibrary.h"

#include <iterator>

namespace {

constexpr unsigned int MainMenuId = 450;

// Menu 450, the main window's menu, with the program's command ids.
constexpr QvxMenuItem MainMenu[] = {
    {0, 0, "文件"},
    {1, 2100, "新建"},
    {1, 2101, "開く"},
    {1, 2102, "保存"},
    {1, 2103, "名前をつけて保存"},
    {1, 0, nullptr},
    {1, 2170, "追跡表のエクスポート..."},
    {1, 32820, "プロジェクトのパック..."},
    {1, 0, nullptr},
    {1, 57665, "閉じる"},
    {0, 0, "ツール"},
    {1, 32799, "言語"},
    {1, 32774, "テンプレート"},
    {1, 32810, "レポート オプション..."},
    {1, 2171, "重大度の基準..."},
    {0, 0, "ヘルプ"},
    {1, 57664, "Brenmor Report Writer のバージョン情報..."},
};

} // namespace

QVX_LANGUAGE_EXPORT const QvxMenuItem* QvxLanguageMenu(unsigned int menuId, unsigned int* itemCount)
{
    if (menuId != MainMenuId) {
        if (itemCount) {
            *itemCount = 0;
        }
        return nullptr;
    }
    if (itemCount) {
        *itemCount = static_cast<unsigned int>(std::size(MainMenu));
    }
    return MainMenu;
}
