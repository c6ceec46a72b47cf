#pragma once

#include <QImage>
#include <QString>

// The logo of the fictitious inspection company of the demo reports: an emblem of warm and cool
// bands beside the company's name, on white, 900 x 300 pixels.
QImage DrawCompanyLogo();

// Writes it as `logo/company-logo.jpg` below `folder`; the path written, or empty with `error` set.
QString WriteCompanyLogo(const QString& folder, QString& error);
