#pragma once

class QDialog;
class QHBoxLayout;

// The row of OK (the default) and Cancel buttons at the bottom right of a small dialog, wired
// to its accept() and reject().
QHBoxLayout* OkCancelButtons(QDialog& dialog);
