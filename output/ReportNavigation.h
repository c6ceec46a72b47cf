#pragma once

#include <QRect>
#include <QString>

#include <vector>

class ReportLayout;

// What makes the finished report navigable: its outline (bookmarks), the links of the contents
// lines and the document information. Pages are counted from 0, areas are in page units.

struct OutlineEntry
{
    QString title;
    int page = 0;
};

struct PageLink
{
    int page = 0; // the page the link sits on
    QRect area;
    int target = 0;
};

struct DocumentInformation
{
    QString title;
    QString author;
    QString subject;
    QString keywords;
    QString creator;
};

struct ReportNavigation
{
    std::vector<OutlineEntry> outline;
    std::vector<PageLink> links;
    DocumentInformation information;
};

// The navigation of the report `layout` has counted its pages for; `title` is the document's
// title, the file name.
ReportNavigation NavigationOf(const ReportLayout& layout, const QString& title);
