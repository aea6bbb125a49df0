// One tab page of the options dialog: it builds its controls, shows its
// fields of the dialog's values and copies them back (the dialog checks the
// values with the rules of app/options_dialog_logic.h).
#pragma once

#include "app/options_dialog_logic.h"

#include <QWidget>

class QTabWidget;

class OptionsPage : public QWidget {
    Q_OBJECT
public:
    // A page named `name` (its objectName), added to `tabs` under `caption`.
    OptionsPage(QTabWidget* tabs, const char* name, const QString& caption);

    // Shows the page's fields of `v` in its controls.
    virtual void load(const TOptionsValues& v) = 0;
    // Copies the page's controls into their fields of `v`.
    virtual void store(TOptionsValues& v) const = 0;
};
