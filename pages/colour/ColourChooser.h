#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

class QWidget;

// The colour chooser of the pages, reached only through here so that tests can script the answer.
// The chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
std::optional<quint32> ChooseColour(QWidget* parent, quint32 initial);

// While a handler is installed, ChooseColour shows no dialog and returns the handler's answer.
using ColourChooserHandler = std::function<std::optional<quint32>(quint32 initial)>;
void SetColourChooserHandler(ColourChooserHandler handler); // an empty handler restores the dialog
